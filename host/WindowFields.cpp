// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/WindowFields.h"

#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QLineEdit>

namespace HostRuntime {

namespace {

QLineEdit& findTextBox(QWidget& window, std::string_view control)
{
    auto* box = window.findChild<QLineEdit*>(toQString(control), Qt::FindDirectChildrenOnly);
    if (!box)
        throw RuntimeError(ErrorKind::FailedControlCall, "The window has no text box " + std::string(control) + ".");
    return *box;
}

} // namespace

std::string WindowFields::text(std::string_view control) const
{
    return findTextBox(window_, control).text().toStdString();
}

void WindowFields::replaceText(std::string_view control, std::string_view text)
{
    QLineEdit& box = findTextBox(window_, control);
    box.setText(toQString(text));
    box.setCursorPosition(0); // show the beginning of a long result
}

} // namespace HostRuntime
