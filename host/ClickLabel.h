// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace HostRuntime {

// A label that reports a click: a left button pressed and released on it.
// The second half of a double-click is no click.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Presented to assistive technology as a link that a press action clicks.
    void makeLink() { link_ = true; }
    bool isLink() const { return link_; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool link_ = false;
};

} // namespace HostRuntime
