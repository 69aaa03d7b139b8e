// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Accessibility.h"

#include "host/ClickLabel.h"
#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QAccessibleWidget>

#include <algorithm>
#include <string>

namespace HostRuntime {

namespace {

constexpr const char* PresentationOrder = "karvelPresentationOrder";

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

// A window lists its controls in Tab order. Qt would list them in stacking
// order, which for our windows is the reverse (the first in Tab order is
// drawn in front), and a reader that walks the tree would meet them
// backwards.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(controls().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> all = controls();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child ? int(controls().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> controls() const
    {
        QList<QWidget*> found;
        for (QObject* object : widget()->children())
            if (auto* control = qobject_cast<QWidget*>(object); control && !control->isWindow())
                found.append(control);
        std::ranges::stable_sort(found, {},
                                 [](const QWidget* control) { return control->property(PresentationOrder).toInt(); });
        return found;
    }
};

QAccessibleInterface* programInterface(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<ClickLabel*>(object); label && label->isLink())
        return new LinkAccessible(label);
    // The windows are plain widgets, which Qt presents as mere fillers.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->metaObject() == &QWidget::staticMetaObject)
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void presentToAssistiveTechnology() { QAccessible::installFactory(programInterface); }

void setPresentationOrder(QWidget& control, int tabIndex) { control.setProperty(PresentationOrder, tabIndex); }

void describeControl(QWidget& window, std::string_view control, std::string_view description)
{
    auto* widget = window.findChild<QWidget*>(toQString(control), Qt::FindDirectChildrenOnly);
    if (!widget)
        throw RuntimeError(ErrorKind::FailedControlCall,
                           std::string("The window has no control ").append(control).append("."));
    // Unchanged, it tells assistive technology nothing new.
    if (const QString text = toQString(description); widget->accessibleDescription() != text)
        widget->setAccessibleDescription(text);
}

void announce([[maybe_unused]] QWidget& window, [[maybe_unused]] std::string_view message)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&window, toQString(message));
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace HostRuntime
