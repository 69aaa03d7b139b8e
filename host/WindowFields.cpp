// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFields.h"

#include "RuntimeError.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace HostRuntime {

namespace {

QWidget* findTextBox(QWidget& window, std::string_view control)
{
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
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
    return static_cast<QPlainTextEdit*>(box)->toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString();
}

void WindowFields::replaceText(std::string_view control, std::string_view text)
{
    const QString newText = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QWidget* box = findTextBox(window_, control);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(newText);
        line->setCursorPosition(0); // show the beginning of a long result
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(QString(newText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

} // namespace HostRuntime
