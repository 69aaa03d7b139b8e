#include "Appearance.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>

#include <cmath>

namespace HostRuntime {

namespace {

constexpr int StandInStretchPercent = 91;

// The face of every window, looked up once: matching a face is slow.
const QFont& classicFace()
{
    static const QFont face = [] {
        QFont font;
        // The bitmap face first; then faces with its proportions (Arial's
        // metrics, then Helvetica's), then whatever sans-serif face there is.
        font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans",
                          "Nimbus Sans", "Helvetica", "DejaVu Sans"});
        font.setStyleHint(QFont::SansSerif);
        font.setWeight(QFont::Normal);
        // The stand-in faces are wider than the bitmap face at these sizes;
        // drawn a little narrower, lines of text fill the boxes as they were
        // laid out for.
        const QString family = QFontInfo(font).family();
        if (family != QLatin1String("MS Sans Serif") && family != QLatin1String("Microsoft Sans Serif"))
            font.setStretch(StandInStretchPercent);
        return font;
    }();
    return face;
}

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

QFont classicFont(double points, bool underline)
{
    QFont font = classicFace();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setUnderline(underline);
    return font;
}

} // namespace HostRuntime
