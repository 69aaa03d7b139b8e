// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

// The construction details window: a diagram of one folded section with its
// sides A, B and C, building notes and a disclaimer. It handles no events.
namespace Fold {

extern const HostRuntime::WindowDescription Description;

} // namespace Fold
