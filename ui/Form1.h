// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

// The main window: the calculator, the antenna drawing and the history of
// the design.
namespace Form1 {

// The window with its button handlers; the program's startup window.
extern const HostRuntime::WindowDescription Description;

} // namespace Form1
