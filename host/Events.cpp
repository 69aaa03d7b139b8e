// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Events.h"

#include "ClickLabel.h"
#include "RuntimeError.h"

#include <QAbstractButton>
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
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(),
                    QString::fromUtf8(error.name().data(), static_cast<qsizetype>(error.name().size())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("RuntimeErrorReport"));
    box.setInformativeText(QString::fromStdString(error.detail() + ' ' + error.advice()));
    box.exec();
}

void onClick(QWidget& window, std::string_view control, std::function<void()> handler)
{
    const QString name = QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
    auto run = [handler = std::move(handler)] { runHandler(handler); };
    if (auto* button = window.findChild<QAbstractButton*>(name))
        QObject::connect(button, &QAbstractButton::clicked, button, run);
    else if (auto* label = window.findChild<ClickLabel*>(name))
        QObject::connect(label, &ClickLabel::clicked, label, run);
    else
        throw RuntimeError(ErrorKind::FailedControlCall,
                           "The window has no control " + std::string(control) + " to click.");
}

} // namespace HostRuntime
