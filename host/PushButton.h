// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace HostRuntime {

// A push button as the windows' buttons have always behaved: Space or Enter
// (Return or the keypad's) presses it while it has the focus, though it is
// never a default button, so Enter anywhere else presses nothing.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PushButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace HostRuntime
