// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/Assets.h"
#include "host/Application.h"
#include "host/Text.h"
#include "ui/Form1.h"

#include <QIcon>

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    QApplication::setWindowIcon(QIcon(HostRuntime::toQString(Assets::ApplicationIcon)));
    return application.run(Form1::Description);
}
