// SPDX-FileCopyrightText: 2026 The KARVEL developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The smoke run of an unpacked Windows build: the program as it starts,
// left running for a while, then ended by its EXIT button. Exits 0 when the
// program ended cleanly that way.
#include "Application.h"
#include "Form1.h"

#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    bool exitClicked = false;
    QTimer::singleShot(3000, &application, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* exit = window->findChild<QPushButton*>(QStringLiteral("Command4"))) {
                exitClicked = true;
                exit->click();
            }
    });
    const int status = application.run(Form1::create);
    return exitClicked ? status : 2;
}
