// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the program's three windows to PNG for the README:
//   QT_QPA_PLATFORM=offscreen screenshots OUTPUT_FOLDER
// The main window is shown after a calculation for 28.5 MHz in centimetres.

#include "host/Application.h"
#include "host/WindowBuilder.h"
#include "ui/Fold.h"
#include "ui/Form1.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

bool saveGrab(QWidget& window, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    std::unique_ptr<QWidget> main = HostRuntime::buildWindow(Form1::Description);
    main->show();
    main->findChild<QLineEdit*>("Text3")->setText("28.5");
    main->findChild<QPushButton*>("Command2")->click();
    bool saved = saveGrab(*main, folder, "main-window.png");
    main->findChild<QPushButton*>("Command5")->click();
    main->findChild<QPushButton*>("Command3")->click();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Fold")
            saved = saveGrab(*window, folder, "details-window.png") && saved;
        else if (window->objectName() == "web")
            saved = saveGrab(*window, folder, "link-window.png") && saved;
    }
    return saved ? 0 : 1;
}
