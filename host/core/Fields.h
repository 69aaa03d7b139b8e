// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace HostRuntime {

// The text boxes of a window, addressed by control name. Texts are UTF-8.
// Asking for a control the window does not have raises a failed control call.
class Fields {
public:
    virtual ~Fields() = default;
    virtual std::string text(std::string_view control) const = 0;
    // Replaces the whole text; the box shows its beginning.
    virtual void replaceText(std::string_view control, std::string_view text) = 0;
};

} // namespace HostRuntime
