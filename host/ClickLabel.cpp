#include "ClickLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

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
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit label()->clicked();
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* linkInterface(const QString&, QObject* object)
{
    auto* label = qobject_cast<ClickLabel*>(object);
    return label && label->isLink() ? new LinkAccessible(label) : nullptr;
}

} // namespace

void ClickLabel::makeLink()
{
    // One factory serves every link label of the program.
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    link_ = factoryInstalled;
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace HostRuntime
