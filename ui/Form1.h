// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowDescription.h"

#include <QWidget>

#include <memory>

// The main window: the calculator, the antenna drawing and the history of
// the design.
namespace Form1 {

extern const HostRuntime::WindowDescription Description;

// Builds the window and binds its button handlers.
std::unique_ptr<QWidget> create();

} // namespace Form1
