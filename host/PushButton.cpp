// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/PushButton.h"

#include <QKeyEvent>

namespace HostRuntime {

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter || !plain) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Qt itself presses only default buttons on Enter. The click comes at
    // once, on the key going down, as the window system it mimics does it.
    event->accept();
    click();
}

} // namespace HostRuntime
