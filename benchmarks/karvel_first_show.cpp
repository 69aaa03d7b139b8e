// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start, ending as soon as its main window is shown.
#include "assets/Assets.h"
#include "host/Application.h"
#include "host/Text.h"
#include "ui/Form1.h"

#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    QApplication::setWindowIcon(QIcon(HostRuntime::toQString(Assets::ApplicationIcon)));
    // Runs once the event loop has shown the window.
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.run(Form1::Description);
}
