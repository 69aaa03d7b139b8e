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
    const auto describe = [&](QMessageBox& box) {
        box.setObjectName(QStringLiteral("RuntimeErrorReport"));
        box.setInformativeText(QString::fromStdString(error.detail() + ' ' + error.advice()));
    };
#ifdef Q_OS_WASM
    // The browser has no nested event loop for exec(). The handler has
    // ended already, so a box that keeps the other windows from input until
    // it goes is the same to the user.
    auto* box = new QMessageBox(QMessageBox::Warning, QApplication::applicationName(), toQString(error.name()),
                                QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    describe(*box);
    box->open();
#else
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), toQString(error.name()), QMessageBox::Ok,
                    QApplication::activeWindow());
    describe(box);
    box.exec();
#endif
}

} // namespace HostRuntime
