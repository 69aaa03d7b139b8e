// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/core/Fields.h"

class QWidget;

namespace HostRuntime {

// The one-line text boxes of a built window, found by their control names.
class WindowFields : public Fields {
public:
    explicit WindowFields(QWidget& window) : window_(window) {}

    std::string text(std::string_view control) const override;
    void replaceText(std::string_view control, std::string_view text) override;

private:
    QWidget& window_;
};

} // namespace HostRuntime
