// SPDX-FileCopyrightText: 2026 The KARVEL developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smoke run of an unpacked Windows build: the program as it starts,
// left running for a while, then ended by its EXIT button. Exits 0 when the
// program ended cleanly that way. With --click-link it first opens the link
// window and clicks the link, as a mouse would.
#include "host/Application.h"
#include "ui/Form1.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

namespace {

QWidget* findControl(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* control = window->findChild<QWidget*>(name))
            return control;
    return nullptr;
}

void click(QWidget& control)
{
    const QPointF centre = QRectF(control.rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, control.mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&control, &event);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    const bool clickLink = QCoreApplication::arguments().contains(QStringLiteral("--click-link"));
    bool exitClicked = false;
    if (clickLink)
        QTimer::singleShot(1000, &application, [] {
            qobject_cast<QPushButton*>(findControl(QStringLiteral("Command3")))->click();
            if (QWidget* link = findControl(QStringLiteral("lblWebPage")))
                click(*link);
        });
    QTimer::singleShot(3000, &application, [&] {
        if (auto* exit = qobject_cast<QPushButton*>(findControl(QStringLiteral("Command4")))) {
            exitClicked = true;
            exit->click();
        }
    });
    const int status = application.run(Form1::Description);
    return exitClicked ? status : 2;
}
