// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least Qt Widgets program: one plain window, ending once it is shown.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.show();
    QTimer::singleShot(0, &application, &QCoreApplication::quit);
    return application.exec();
}
