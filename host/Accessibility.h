// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace HostRuntime {

// How the program presents itself to assistive technology: each window as a
// window (a frame) named by its caption, each link label as a link that a
// press action follows. Installed once, at start.
void presentToAssistiveTechnology();

} // namespace HostRuntime
