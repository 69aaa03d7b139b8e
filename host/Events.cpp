// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Events.h"

#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <string>

namespace HostRuntime {

namespace {

RuntimeError internalError(const std::string& what)
{
    return RuntimeError(ErrorKind::Internal,
                        "The program stopped what it was doing at an exception it did not expect: " + what + ".");
}

} // namespace

// The one boundary between handlers and Qt's event loop, which no
// exception may cross: whatever a handler throws is reported here.
void runHandler(const std::function<void()>& handler)
{
    try {
        try {
            handler();
        } catch (const RuntimeError& error) {
            reportError(error);
        } catch (const std::exception& error) {
            reportError(internalError(error.what()));
        } catch (...) {
            reportError(internalError("one of an unknown kind"));
        }
    } catch (...) {
        // Not even the report could be made (no memory left for it): the
        // program goes on unreported rather than end in Qt's event loop.
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
