// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace HostRuntime {

class RuntimeError;

// Runs an event handler. This is the one place where run-time errors stop:
// the handler is unwound where the error arose, the error is reported, and
// the program goes on.
void runHandler(const std::function<void()>& handler);

// Reports a run-time error in a modal message box naming it.
void reportError(const RuntimeError& error);

} // namespace HostRuntime
