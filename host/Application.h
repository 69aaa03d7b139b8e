// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <map>
#include <memory>

namespace HostRuntime {

// The running program: owns its windows and runs the event loop. Exactly one
// exists, made first in main (and in each GUI test).
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);
    ~Application() override;

    static Application& instance();

    // Builds and shows the startup window where the window system places it,
    // then runs the event loop until the last window closes or the program ends.
    int run(const WindowDescription& startupWindow);

    // Shows the program's single instance of a secondary window, modeless and
    // without owner, and returns at once. The instance is made on first use;
    // a closed one is made afresh from its description; an open one is
    // brought to the front. There is never a second copy.
    void showSingleInstance(const WindowDescription& window);

    // The compiled-in face of every window, registered with the application
    // and living exactly as long.
    const QFont& face() const { return face_; }

private:
    QFont face_;
    std::unique_ptr<QWidget> startupWindow_;
    std::map<const WindowDescription*, std::unique_ptr<QWidget>> instances_;
};

// Closes every window and ends the program at once.
void endProgram();

} // namespace HostRuntime
