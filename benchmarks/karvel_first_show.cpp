// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own start, ending as soon as its main window is shown.
#include "Application.h"
#include "Assets.h"
#include "Form1.h"

#include <QIcon>
#include <QTimer>

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    QApplication::setWindowIcon(QIcon(QString::fromUtf8(Assets::ApplicationIcon.data())));
    // Runs once the event loop has shown the window.
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.run(Form1::create);
}
