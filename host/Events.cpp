// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Events.h"

#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QApplication>
#include <QMessageBox>

namespace HostRuntime {

void runHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        reportError(error);
    }
}

void reportError(const RuntimeError& error)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), toQString(error.name()), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("RuntimeErrorReport"));
    box.setInformativeText(QString::fromStdString(error.detail() + ' ' + error.advice()));
    box.exec();
}

} // namespace HostRuntime
