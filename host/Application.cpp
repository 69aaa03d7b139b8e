// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Application.h"

#include "Accessibility.h"
#include "Appearance.h"
#include "Conversions.h"
#include "Product.h"

#include <QLocale>

namespace HostRuntime {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QString::fromUtf8(Product::Name));
    setApplicationVersion(QString::fromUtf8(Product::Version));
    // Docks and task switchers find the installed entry by it (on Wayland,
    // the window's app id).
    setDesktopFileName(QString::fromUtf8(Product::DesktopId));
    setNumberFormat({QLocale::system().decimalPoint().toStdString()});
    // Message boxes and anything else not described take the windows' face too.
    setFont(classicFont(8.25));
    presentToAssistiveTechnology();
}

// The windows go before QApplication does.
Application::~Application() = default;

Application& Application::instance() { return *static_cast<Application*>(QCoreApplication::instance()); }

int Application::run(WindowFactory startupWindow)
{
    startupWindow_ = startupWindow();
    startupWindow_->show();
    return exec();
}

QWidget& Application::showSingleInstance(WindowFactory window)
{
    std::unique_ptr<QWidget>& instance = instances_[window];
    // A window closed by its frame is only hidden; opening it again shows its
    // description afresh, as if it had never been opened.
    if (!instance || instance->isHidden())
        instance = window();
    if (instance->isMinimized())
        instance->showNormal();
    else
        instance->show();
    instance->raise();
    instance->activateWindow();
    return *instance;
}

void end()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace HostRuntime
