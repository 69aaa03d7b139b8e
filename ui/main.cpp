// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"
#include "Assets.h"
#include "Form1.h"

#include <QIcon>

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    QApplication::setWindowIcon(QIcon(QString::fromUtf8(Assets::ApplicationIcon.data())));
    return application.run(Form1::create);
}
