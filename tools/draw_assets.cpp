// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's pictures, pointer and icon into a folder (assets/):
//   draw_assets OUTPUT_FOLDER
// The results are committed; rerun this after changing a drawing.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const QColor PaleYellow(255, 255, 206);
const QColor LightBlue(150, 200, 240);
const QColor TubeOutline(60, 105, 150);
const QColor Copper(168, 92, 36);
const QColor LightGreen(140, 222, 120);
const QColor GreenOutline(40, 125, 45);
const QColor Tan(214, 182, 140);
const QColor Steel(150, 152, 156);
const QColor SteelDark(90, 92, 96);
const QColor Orange(245, 150, 40);
const QColor RedOrange(226, 72, 28);
const QColor Ink(20, 20, 20);

QPointF along(QPointF from, QPointF to, double t) { return from + (to - from) * t; }

QPointF unitNormal(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return QPointF(d.y() / length, -d.x() / length);
}

// A round tube seen from the side: a dark outline around a lighter body with
// a highlight along it.
void drawTube(QPainter& painter, QPointF from, QPointF to, double width, const QColor& body, const QColor& outline)
{
    painter.setPen(QPen(outline, width + 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(body, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    if (width >= 3) {
        const QPointF shift = unitNormal(from, to) * (width / 4.0);
        painter.setPen(QPen(body.lighter(125), std::max(1.0, width / 4.0), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from + shift, to + shift);
    }
}

void drawBolt(QPainter& painter, QPointF centre, double radius)
{
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.5);
    shine.setColorAt(0, QColor(215, 215, 220));
    shine.setColorAt(1, SteelDark);
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

void drawArrowHead(QPainter& painter, QPointF tip, QPointF from)
{
    const QPointF d = tip - from;
    const QPointF unit = d / std::hypot(d.x(), d.y());
    const QPointF normal(-unit.y(), unit.x());
    QPolygonF head({tip, tip - unit * 7 + normal * 3, tip - unit * 7 - normal * 3});
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

// A dimension line `offset` pixels beside the measured span, with extension
// lines back to it and the label in a gap at its middle.
void drawDimension(QPainter& painter, QPointF from, QPointF to, double offset, const QString& label)
{
    const QPointF shift = unitNormal(from, to) * offset;
    const QPointF start = from + shift;
    const QPointF end = to + shift;
    const QPointF extension = shift / std::abs(offset) * 4.0;
    painter.setPen(QPen(Ink, 1));
    painter.drawLine(from + shift * 0.25, start + extension);
    painter.drawLine(to + shift * 0.25, end + extension);

    const QPointF middle = along(start, end, 0.5);
    const QPointF unit = (end - start) / std::hypot((end - start).x(), (end - start).y());
    const double gap = 9;
    painter.drawLine(start, middle - unit * gap);
    painter.drawLine(middle + unit * gap, end);
    drawArrowHead(painter, start, middle);
    drawArrowHead(painter, end, middle);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Ink);
    painter.drawText(QRectF(middle.x() - 10, middle.y() - 10, 20, 20), Qt::AlignCenter, label);
}

QFont labelFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// A diamond wire loop on a cross of spreaders, corners top, right, bottom, left.
void drawQuadElement(QPainter& painter, QPointF hub, const std::array<QPointF, 4>& corners, double tube)
{
    for (const QPointF& corner : corners)
        drawTube(painter, hub, corner, tube, LightBlue, TubeOutline);
    painter.setPen(QPen(Copper, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(QPolygonF({corners[0], corners[1], corners[2], corners[3]}));
    for (const QPointF& corner : corners) {
        painter.setPen(QPen(Ink, 1));
        painter.setBrush(QColor(60, 60, 60));
        painter.drawEllipse(corner, 1.8, 1.8);
    }
    painter.setBrush(QColor(70, 72, 76));
    painter.setPen(QPen(Ink, 1));
    painter.drawRect(QRectF(hub.x() - 4, hub.y() - 4, 8, 8));
    painter.setBrush(Qt::NoBrush);
}

// A picture of `width` x `height` pixels at `scale` times that resolution,
// on the pale yellow ground; the painter draws in the 1x coordinates.
QImage groundFor(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(PaleYellow);
    return image;
}

QImage drawAntenna(int scale)
{
    QImage image = groundFor(195, 343, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // Seen from the front and a little to the left: the driven element is
    // nearer and larger, the reflector behind it and up to the right.
    const QPointF drivenHub(74, 150);
    const QPointF reflectorHub(128, 126);
    const QPointF mastTop = along(drivenHub, reflectorHub, 0.45);

    drawQuadElement(painter, reflectorHub, {QPointF(128, 34), QPointF(184, 122), QPointF(128, 216), QPointF(74, 130)},
                    3);

    // The mast, a shaded pipe from the ground up to the boom.
    QLinearGradient pipe(mastTop.x() - 4, 0, mastTop.x() + 4, 0);
    pipe.setColorAt(0, SteelDark);
    pipe.setColorAt(0.4, QColor(205, 207, 210));
    pipe.setColorAt(1, SteelDark);
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(pipe);
    painter.drawRect(QRectF(mastTop.x() - 4, mastTop.y(), 8, 343 - mastTop.y() + 1));
    painter.setBrush(Qt::NoBrush);

    // The boom, a little beyond both hubs.
    drawTube(painter, along(drivenHub, reflectorHub, -0.12), along(drivenHub, reflectorHub, 1.12), 5, Steel,
             SteelDark.darker(130));
    // Boom-to-mast plate with its U-bolts.
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(QColor(112, 114, 118));
    painter.drawRect(QRectF(mastTop.x() - 7, mastTop.y() - 7, 14, 14));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF corner : {QPointF(-4, -4), QPointF(4, -4), QPointF(-4, 4), QPointF(4, 4)})
        drawBolt(painter, mastTop + corner, 1.5);

    // The feed line leaves the boom beside the mast and is taped down it.
    QPainterPath feed(mastTop + QPointF(9, 2));
    feed.cubicTo(mastTop + QPointF(12, 10), mastTop + QPointF(7, 16), mastTop + QPointF(7, 26));
    feed.lineTo(QPointF(mastTop.x() + 7, 344));
    painter.setPen(QPen(Qt::black, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(feed);
    for (double y = mastTop.y() + 50; y < 336; y += 46) {
        painter.setPen(QPen(QColor(40, 40, 40), 2));
        painter.drawLine(QPointF(mastTop.x() - 5, y), QPointF(mastTop.x() + 9, y));
    }

    drawQuadElement(painter, drivenHub, {QPointF(74, 46), QPointF(140, 146), QPointF(74, 258), QPointF(10, 154)}, 3.5);

    // The curved folded sections of the driven element, one on each arm,
    // bent back to the hub, and the gamma rod between two of them.
    const std::array<QPointF, 4> arms{QPointF(0, -1), QPointF(1, -0.06), QPointF(0, 1), QPointF(-1, 0.06)};
    for (const QPointF& arm : arms) {
        const QPointF normal(-arm.y(), arm.x());
        const QPointF out = drivenHub + arm * 30;
        QPainterPath fold(drivenHub + arm * 7 + normal * 3);
        fold.cubicTo(drivenHub + arm * 12 + normal * 17, out + normal * 14, out);
        painter.setPen(QPen(GreenOutline, 4.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(fold);
        painter.setPen(QPen(LightGreen, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(fold);
    }
    drawTube(painter, drivenHub + QPointF(-8, 13), drivenHub + QPointF(-22, 27), 2.6, Tan, QColor(130, 100, 60));
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage drawFoldedSection(int scale)
{
    QImage image = groundFor(257, 265, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    const QRectF insulator(14, 182, 60, 34);
    const QRectF boom(insulator.right(), 192, 257 - insulator.right() + 2, 16);
    const QPointF elementBolt(41, 120);
    const QPointF topBolt(130, 52);
    const QPointF boomBolt(214, boom.top());

    // The boom, from the insulator to the edge.
    QLinearGradient metal(0, boom.top(), 0, boom.bottom());
    metal.setColorAt(0, QColor(205, 207, 210));
    metal.setColorAt(0.5, Steel);
    metal.setColorAt(1, SteelDark);
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(metal);
    painter.drawRect(boom);

    // The element: the lower part of a tube standing on the insulator.
    QLinearGradient tube(34, 0, 48, 0);
    tube.setColorAt(0, LightBlue.darker(118));
    tube.setColorAt(0.35, LightBlue.lighter(118));
    tube.setColorAt(1, LightBlue.darker(125));
    painter.setBrush(tube);
    painter.drawRect(QRectF(34, -1, 14, insulator.top() + 1));

    painter.setBrush(Orange);
    painter.drawRoundedRect(insulator, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(labelFont(9));
    painter.drawText(insulator, Qt::AlignCenter, QStringLiteral("INSULATOR"));

    // The folded section: two tubes bolted at the element, the top and the boom.
    drawTube(painter, elementBolt, topBolt, 7, LightBlue, TubeOutline);
    drawTube(painter, topBolt, boomBolt + QPointF(0, 2), 7, LightBlue, TubeOutline);

    // The gamma rod beside side B, held by two clamps.
    const QPointF inward = -unitNormal(topBolt, boomBolt);
    const QPointF rodStart = along(topBolt, boomBolt, 0.30) + inward * 13;
    const QPointF rodEnd = along(topBolt, boomBolt, 0.86) + inward * 13;
    drawTube(painter, rodStart, rodEnd, 4, RedOrange, RedOrange.darker(160));
    for (const double t : {0.40, 0.78}) {
        const QPointF onTube = along(topBolt, boomBolt, t);
        drawTube(painter, onTube + inward * 17, onTube - inward * 4, 3, QColor(120, 122, 126), Ink);
        drawBolt(painter, onTube + inward * 6.5, 1.6);
    }
    painter.setPen(RedOrange.darker(140));
    painter.setFont(labelFont(11));
    const QPointF gammaLabel = along(rodStart, rodEnd, 0.45) + inward * 36;
    painter.drawText(QRectF(gammaLabel.x() - 30, gammaLabel.y() - 8, 60, 16), Qt::AlignCenter, QStringLiteral("GAMMA"));

    for (const QPointF& bolt : {elementBolt, topBolt, boomBolt + QPointF(0, 3)})
        drawBolt(painter, bolt, 4.2);

    painter.setPen(Ink);
    painter.setFont(labelFont(10));
    painter.drawText(QRectF(boom.right() - 46, boom.bottom() + 3, 40, 14), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("BOOM"));

    drawDimension(painter, elementBolt, topBolt, 18, QStringLiteral("A"));
    drawDimension(painter, topBolt, boomBolt, 18, QStringLiteral("B"));
    drawDimension(painter, QPointF(insulator.right(), boom.bottom()), QPointF(boomBolt.x(), boom.bottom()), -30,
                  QStringLiteral("C"));
    return image.convertToFormat(QImage::Format_RGB888);
}

// The pointer over the link: a hand with its index finger up. B is the
// outline, W the fill; the fingertip's outline is the hot spot.
using PixelArt = std::vector<std::string>;

const PixelArt Hand{
    ".....BB.........", "....BWWB........", "....BWWB........", "....BWWB........", "....BWWBBB......",
    "....BWWBWWBBB...", "....BWWBWWBWWBB.", ".BB.BWWBWWBWWBWB", "BWWBBWWWWWWWWBWB", "BWWWBWWWWWWWWWWB",
    ".BWWBWWWWWWWWWWB", "..BWWWWWWWWWWWWB", "..BWWWWWWWWWWWB.", "...BWWWWWWWWWWB.", "...BWWWWWWWWWB..",
    "....BWWWWWWWWB..", "....BWWWWWWWWB..", "....BBBBBBBBBB..",
};

// Twice the resolution by the Scale2x rule: each cell becomes four, and a
// corner takes its neighbours' colour where they agree, so that diagonal
// edges come out as finer steps rather than as doubled ones.
PixelArt doubled(const PixelArt& art)
{
    const int rows = static_cast<int>(art.size());
    const int columns = static_cast<int>(art.front().size());
    const auto at = [&](int row, int column) {
        row = std::clamp(row, 0, rows - 1);
        column = std::clamp(column, 0, columns - 1);
        return art[row][column];
    };
    PixelArt result(rows * 2, std::string(columns * 2, '.'));
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const char centre = at(row, column), above = at(row - 1, column), below = at(row + 1, column),
                       left = at(row, column - 1), right = at(row, column + 1);
            const bool apart = above != below && left != right;
            result[row * 2][column * 2] = apart && left == above ? left : centre;
            result[row * 2][column * 2 + 1] = apart && above == right ? right : centre;
            result[row * 2 + 1][column * 2] = apart && left == below ? left : centre;
            result[row * 2 + 1][column * 2 + 1] = apart && below == right ? right : centre;
        }
    return result;
}

QImage drawHandPointer(int scale)
{
    constexpr int left = 13 - 5; // the fingertip's column lands on the hot spot
    constexpr int top = 9;
    const PixelArt art = scale == 2 ? doubled(Hand) : Hand;
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < static_cast<int>(art.size()); ++row)
        for (int column = 0; column < static_cast<int>(art[row].size()); ++column) {
            const char cell = art[row][column];
            if (cell != '.')
                image.setPixelColor(left * scale + column, top * scale + row, cell == 'B' ? Qt::black : Qt::white);
        }
    return image;
}

// The standard sixteen colours of icons.
constexpr std::array<QRgb, 16> Vga{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                   0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// The application icon: a blank window, black frame and dark title bar.
// Returns the palette index of a pixel, or -1 where the icon is transparent.
int blankWindowPixel(int x, int y, int size, bool twoColours)
{
    const int inset = size / 16;
    const int left = inset, right = size - 1 - inset, top = inset * 2, bottom = size - 1 - inset * 2;
    if (x < left || x > right || y < top || y > bottom)
        return -1;
    constexpr int Black = 0, Navy = 4, Silver = 7, White = 15;
    if (x == left || x == right || y == top || y == bottom)
        return Black;
    const int titleBottom = top + size / 5;
    if (y < titleBottom)
        return twoColours ? Black : Navy;
    if (y == titleBottom)
        return Black;
    // A shadow inside the client edge gives the 16-colour images some depth.
    if (!twoColours && (x == left + 1 || y == titleBottom + 1))
        return Silver;
    return White;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// One icon image as a device-independent bitmap: header, palette, colour
// rows and transparency mask, both bottom-up and padded to 32 bits.
QByteArray iconImage(int size, int bitsPerPixel)
{
    const bool twoColours = bitsPerPixel == 1;
    const int colours = 1 << bitsPerPixel;
    const int colourRow = ((size * bitsPerPixel + 31) / 32) * 4;
    const int maskRow = ((size + 31) / 32) * 4;

    QByteArray bytes;
    for (quint32 field : {40u, quint32(size), quint32(size * 2)})
        appendLittleEndian(bytes, field, 4);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, quint32(bitsPerPixel), 2);
    for (quint32 field : {0u, quint32((colourRow + maskRow) * size), 0u, 0u, 0u, 0u})
        appendLittleEndian(bytes, field, 4);
    for (int index = 0; index < colours; ++index) {
        const QRgb rgb = twoColours ? (index ? 0xFFFFFF : 0x000000) : Vga[index];
        bytes.append(static_cast<char>(qBlue(rgb))).append(static_cast<char>(qGreen(rgb)));
        bytes.append(static_cast<char>(qRed(rgb))).append('\0');
    }
    QByteArray colourBits, maskBits;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray colourLine(colourRow, '\0'), maskLine(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            int index = blankWindowPixel(x, y, size, twoColours);
            if (index < 0)
                maskLine[x / 8] = static_cast<char>(maskLine[x / 8] | (0x80 >> (x % 8)));
            if (twoColours)
                index = index == 15 ? 1 : 0;
            index = std::max(index, 0);
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            colourLine[bit / 8] = static_cast<char>(colourLine[bit / 8] | (index << shift));
        }
        colourBits += colourLine;
        maskBits += maskLine;
    }
    return bytes + colourBits + maskBits;
}

QImage iconPicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (const int index = blankWindowPixel(x, y, size, false); index >= 0)
                image.setPixel(x, y, 0xFF000000 | Vga[index]);
    return image;
}

// Three images: 32 x 32 in two colours, 32 x 32 and 16 x 16 in sixteen.
QByteArray drawIcon()
{
    struct Entry {
        int size, bits;
    };
    constexpr std::array<Entry, 3> Entries{{{32, 1}, {32, 4}, {16, 4}}};
    QByteArray directory, images;
    appendLittleEndian(directory, 0, 2);
    appendLittleEndian(directory, 1, 2);
    appendLittleEndian(directory, Entries.size(), 2);
    quint32 offset = 6 + 16 * Entries.size();
    for (const Entry& entry : Entries) {
        const QByteArray image = iconImage(entry.size, entry.bits);
        directory.append(static_cast<char>(entry.size)).append(static_cast<char>(entry.size));
        directory.append(static_cast<char>(1 << entry.bits)).append('\0');
        appendLittleEndian(directory, 1, 2);
        appendLittleEndian(directory, quint32(entry.bits), 2);
        appendLittleEndian(directory, quint32(image.size()), 4);
        appendLittleEndian(directory, offset, 4);
        offset += quint32(image.size());
        images += image;
    }
    return directory + images;
}

// The same blank window as a scalable picture, on the 32 x 32 grid.
QByteArray drawScalableIcon()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        "  <rect x=\"2.5\" y=\"4.5\" width=\"27\" height=\"23\" fill=\"#ffffff\" stroke=\"#000000\"/>\n"
        "  <rect x=\"3\" y=\"5\" width=\"26\" height=\"6\" fill=\"#000080\"/>\n"
        "  <path d=\"M3 11.5H29\" stroke=\"#000000\"/>\n"
        "  <path d=\"M3.5 12V27M4 12.5H29\" stroke=\"#c0c0c0\"/>\n"
        "</svg>\n");
}

bool saveBytes(const QByteArray& bytes, const QDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    std::printf("%s %lld bytes\n", qPrintable(file.fileName()), static_cast<long long>(bytes.size()));
    return true;
}

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_assets OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // Each picture and the pointer also at twice the resolution, for
    // high-density screens, named as Qt names such variants.
    const bool saved = save(drawAntenna(1), folder, QStringLiteral("antenna.png"))
        && save(drawAntenna(2), folder, QStringLiteral("antenna@2x.png"))
        && save(drawFoldedSection(1), folder, QStringLiteral("fold.png"))
        && save(drawFoldedSection(2), folder, QStringLiteral("fold@2x.png"))
        && save(drawHandPointer(1), folder, QStringLiteral("hand.png"))
        && save(drawHandPointer(2), folder, QStringLiteral("hand@2x.png"))
        && saveBytes(drawIcon(), folder, QStringLiteral("karvel.ico"))
        && saveBytes(drawScalableIcon(), folder, QStringLiteral("karvel.svg"));
    // The desktop's icon theme takes the sixteen-colour window as PNG too.
    bool icons = saved;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icons = icons && save(iconPicture(size), folder, QStringLiteral("karvel-%1.png").arg(size));
    return icons ? 0 : 1;
}
