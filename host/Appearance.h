#pragma once

#include "WindowDescription.h"

#include <QColor>
#include <QFont>

// How the window system's colours and font are matched on this platform.
namespace HostRuntime {

// A system colour from the application palette; the one place that maps them.
QColor systemColour(SystemColour colour);

QColor toQColor(const Colour& colour, const QColor& otherwise);

// "MS Sans Serif" where the platform has it, else the closest sans-serif face
// it has, at the pixel size the point size has at 96 DPI.
QFont classicFont(double points, bool underline = false);

} // namespace HostRuntime
