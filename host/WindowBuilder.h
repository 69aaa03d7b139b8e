// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

#include <QWidget>

#include <memory>

namespace HostRuntime {

// Builds a top-level window from its description: every control at its
// place in pixels (twips / 15), named after its description, styled, in its
// tab order. Nothing is laid out: resizing the window moves no control.
// Controls with a lower tab index are stacked in front of later ones. Each
// control's click handler is connected.
std::unique_ptr<QWidget> buildWindow(const WindowDescription& description);

} // namespace HostRuntime
