// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Accessibility.h"

#include "host/ClickLabel.h"

#include <QAccessibleWidget>

namespace HostRuntime {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const QString own = QAccessibleWidget::text(kind);
        return kind == QAccessible::Name && own.isEmpty() ? label()->text() : own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    // The caller, a screen reader waiting for the answer, gets it at once:
    // the click, and whatever it opens, follows from the event loop.
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(label(), &ClickLabel::clicked, Qt::QueuedConnection);
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* programInterface(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<ClickLabel*>(object); label && label->isLink())
        return new LinkAccessible(label);
    // The windows are plain widgets, which Qt presents as mere fillers.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->metaObject() == &QWidget::staticMetaObject)
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void presentToAssistiveTechnology()
{
    static const bool installed = [] {
        QAccessible::installFactory(programInterface);
        return true;
    }();
    (void)installed;
}

} // namespace HostRuntime
