// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Appearance.h"

#include "host/Application.h"
#include "host/Text.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>

#include <cmath>

namespace HostRuntime {

namespace {

// Liberation Sans has Arial's metrics, which are wider than the bitmap face
// the windows were laid out for; drawn a little narrower, lines of text fill
// the boxes as they were meant to.
constexpr int StretchPercent = 91;

} // namespace

QColor systemColour(SystemColour colour)
{
    const QPalette palette = QApplication::palette();
    switch (colour) {
    case SystemColour::FieldBackground: return palette.color(QPalette::Base);
    case SystemColour::FieldText: return palette.color(QPalette::Text);
    // Qt has no border colours; an inactive window's face is what it is drawn like.
    case SystemColour::InactiveBorder: return palette.color(QPalette::Inactive, QPalette::Window);
    case SystemColour::Highlight: return palette.color(QPalette::Highlight);
    case SystemColour::WindowFace: return palette.color(QPalette::Button);
    }
    return palette.color(QPalette::Window);
}

QColor toQColor(const Colour& colour, const QColor& otherwise)
{
    if (const auto* system = std::get_if<SystemColour>(&colour))
        return systemColour(*system);
    if (const auto* rgb = std::get_if<Rgb>(&colour))
        return QColor(rgb->red, rgb->green, rgb->blue);
    return otherwise;
}

// Hinting and antialiasing are fixed here, so that neither the fonts
// installed on a machine nor its font settings change a pixel: unhinted
// outlines also scale evenly on high-density screens.
QFont loadClassicFace()
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/host/face.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        qWarning("The compiled-in face could not be loaded; the windows use the system's.");
    QFont font(families.value(0, QStringLiteral("Sans Serif")));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setStretch(StretchPercent);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QFont classicFont(double points, bool underline)
{
    QFont font = Application::instance().face();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setUnderline(underline);
    return font;
}

QPixmap picture(std::string_view resource)
{
    const QString path = toQString(resource);
    const qreal ratio = qApp->devicePixelRatio();
    if (ratio <= 1.0)
        return QPixmap(path);
    QString finePath = path;
    finePath.insert(finePath.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
    QPixmap fine(finePath);
    if (fine.isNull())
        return QPixmap(path);
    // Other ratios get it scaled once, smoothly, to the screen's pixels.
    constexpr qreal FineRatio = 2.0;
    if (!qFuzzyCompare(ratio, FineRatio))
        fine = fine.scaled((QSizeF(fine.size()) * (ratio / FineRatio)).toSize(), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    fine.setDevicePixelRatio(ratio);
    return fine;
}

QCursor pointer(const CursorPicture& cursor)
{
    const QPixmap image = picture(cursor.resource);
    // The window system takes the hot spot in the image's own pixels, not in
    // the window's, so it moves with the image's scale.
    const qreal ratio = image.devicePixelRatio();
    return QCursor(image, static_cast<int>(std::lround(cursor.hotSpotX * ratio)),
                   static_cast<int>(std::lround(cursor.hotSpotY * ratio)));
}

} // namespace HostRuntime
