// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace HostRuntime {

enum class WindowStyle { Hidden = 0, Normal = 1 };

// Starts a command and returns its task number. The one command this
// platform knows is "start.exe ADDRESS": open ADDRESS in the user's default
// browser. It is handed to the desktop, never to a shell. Raises a "web page
// could not be opened" error when that fails or the command is anything else.
int launch(std::string_view command, WindowStyle style);

} // namespace HostRuntime
