// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPixmap>

#include <string_view>

// How the window system's colours and font are matched on this platform.
namespace HostRuntime {

// A system colour from the application palette; the one place that maps them.
QColor systemColour(SystemColour colour);

QColor toQColor(const Colour& colour, const QColor& otherwise);

// Registers the compiled-in face with the application and gives it as the
// windows draw it; the application keeps it (Application::face()).
QFont loadClassicFace();

// The program's own face in place of "MS Sans Serif", at the pixel size the
// point size has at 96 DPI. No installed face is ever looked up.
QFont classicFont(double points, bool underline = false);

// A compiled-in picture at its logical size. On a screen whose pixel ratio
// is above 1 it is drawn from its "@2x" variant, so that it stays sharp.
QPixmap picture(std::string_view resource);

// A mouse pointer drawn from a compiled-in picture, sharp on dense screens,
// its hot spot on the same point of the drawing at every scale.
QCursor pointer(const CursorPicture& cursor);

} // namespace HostRuntime
