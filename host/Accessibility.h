// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

class QWidget;

namespace HostRuntime {

// How the program presents itself to assistive technology: each window as a
// window (a frame) named by its caption, its controls in Tab order whatever
// their stacking, each link label as a link that a press action follows.
// Installed once, at start.
void presentToAssistiveTechnology();

// The order in which assistive technology lists a window's control: its
// place in the Tab order. Set by the window builder.
void setPresentationOrder(QWidget& control, int tabIndex);

// Replaces what assistive technology says about one of the window's
// controls after its name; a control the window does not have raises a
// failed control call.
void describeControl(QWidget& window, std::string_view control, std::string_view description);

// Asks assistive technology to speak the message once, politely, without
// moving the focus. Qt before 6.8 has no way to ask: there it does nothing.
void announce(QWidget& window, std::string_view message);

} // namespace HostRuntime
