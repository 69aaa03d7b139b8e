// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/WindowFields.h"

#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace HostRuntime {

namespace {

QWidget* findTextBox(QWidget& window, std::string_view control)
{
    const QString name = toQString(control);
    QWidget* box = window.findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    if (!box)
        box = window.findChild<QPlainTextEdit*>(name, Qt::FindDirectChildrenOnly);
    if (!box)
        throw RuntimeError(ErrorKind::FailedControlCall,
                           "The window has no text box " + std::string(control) + ".");
    return box;
}

} // namespace

std::string WindowFields::text(std::string_view control) const
{
    QWidget* box = findTextBox(window_, control);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text().toStdString();
    return fromQtLines(static_cast<QPlainTextEdit*>(box)->toPlainText());
}

void WindowFields::replaceText(std::string_view control, std::string_view text)
{
    QWidget* box = findTextBox(window_, control);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(toQString(text));
        line->setCursorPosition(0); // show the beginning of a long result
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(toQtLines(text));
    }
}

} // namespace HostRuntime
