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

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#include <QScreen>

#include <algorithm>
#include <string>
#endif

namespace HostRuntime {

namespace {

// A window at its own size and place: the browser's platform would show a
// window that is not told otherwise over the whole page.
void showAtItsSize(QWidget& window)
{
#ifdef Q_OS_WASM
    window.showNormal();
    // A window that its description does not place is placed as a desktop
    // places it: in the middle of the page, and never beyond its top left
    // corner, title bar included.
    if (window.testAttribute(Qt::WA_Moved))
        return;
    const QRect page = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(page.center());
    window.move(std::max(frame.left(), page.left()), std::max(frame.top(), page.top()));
#else
    window.show();
#endif
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv), face_(loadClassicFace())
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
    showAtItsSize(*startupWindow_);
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
        showAtItsSize(*instance);
    instance->raise();
    instance->activateWindow();
}

void endProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
#ifdef Q_OS_WASM
    // A program in a page ends with the page, not before: Qt's event loop
    // in the browser has nothing to return to. The page is told, says so to
    // the user and offers to start again.
    emscripten::val::global("window").call<bool>("dispatchEvent",
                                                 emscripten::val::global("Event").new_(std::string("karvel-ended")));
#else
    QCoreApplication::exit(0);
#endif
}

} // namespace HostRuntime
