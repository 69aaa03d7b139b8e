// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Application.h"

#include "host/Accessibility.h"
#include "host/Appearance.h"
#include "host/core/Conversions.h"
#include "host/Text.h"
#include "host/WindowBuilder.h"
#include "Product.h"

#include <QLocale>

namespace HostRuntime {

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(toQString(Product::Name));
    setApplicationVersion(toQString(Product::Version));
    // Docks and task switchers find the installed entry by it (on Wayland,
    // the window's app id).
    setDesktopFileName(toQString(Product::DesktopId));
    setDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    // Message boxes and anything else not described take the windows' face too.
    setFont(classicFont(8.25));
    presentToAssistiveTechnology();
}

// The windows go before QApplication does.
Application::~Application() = default;

Application& Application::instance() { return *static_cast<Application*>(QCoreApplication::instance()); }

int Application::run(const WindowDescription& startupWindow)
{
    startupWindow_ = buildWindow(startupWindow);
    startupWindow_->show();
    return exec();
}

void Application::showSingleInstance(const WindowDescription& window)
{
    std::unique_ptr<QWidget>& instance = instances_[&window];
    // A window closed by its frame is only hidden; opening it again shows its
    // description afresh, as if it had never been opened.
    if (!instance || instance->isHidden())
        instance = buildWindow(window);
    if (instance->isMinimized())
        instance->showNormal();
    else
        instance->show();
    instance->raise();
    instance->activateWindow();
}

void endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace HostRuntime
