// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/WindowBuilder.h"

#include "host/Accessibility.h"
#include "host/Appearance.h"
#include "host/ClickLabel.h"
#include "host/Events.h"
#include "host/PushButton.h"
#include "host/Text.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextOption>

#include <algorithm>
#include <limits>
#include <vector>

namespace HostRuntime {

namespace {

Qt::Alignment horizontalAlignment(const ControlDescription& control)
{
    Alignment alignment = control.alignment;
    if (alignment == Alignment::Default)
        alignment = control.style == ControlStyle::Caption ? Alignment::Centre : Alignment::Left;
    return alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// Background and text colours of a text box, by style.
void colourTextBox(QWidget& box, const ControlDescription& control, const QColor& windowBackground)
{
    QPalette palette = box.palette();
    const bool caption = control.style == ControlStyle::Caption;
    palette.setColor(QPalette::Base, caption ? windowBackground : systemColour(SystemColour::FieldBackground));
    const QColor styleText = control.style == ControlStyle::Field ? systemColour(SystemColour::Highlight)
                                                                  : systemColour(SystemColour::FieldText);
    palette.setColor(QPalette::Text, toQColor(control.textColour, styleText));
    box.setPalette(palette);
}

QWidget* buildTextBox(const ControlDescription& control, QWidget& window)
{
    auto* box = new QLineEdit(toQString(control.text), &window);
    // Qt's default of 32767 characters would silently drop the rest of a
    // longer paste, and a cut-off number can mean another number.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setFrame(control.style != ControlStyle::Caption);
    box->setAlignment(horizontalAlignment(control) | Qt::AlignVCenter);
    box->setCursorPosition(0);
    // Only a hint: a touch screen's keyboard opens on digits and the decimal
    // point, and whatever else is typed or pasted still arrives.
    if (control.numberEntry)
        box->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    return box;
}

QWidget* buildMultiLineTextBox(const ControlDescription& control, QWidget& window)
{
    auto* box = new QPlainTextEdit(&window);
    box->setTabChangesFocus(true);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (control.style == ControlStyle::Caption)
        box->setFrameShape(QFrame::NoFrame);
    box->document()->setDocumentMargin(1);
    QTextOption option = box->document()->defaultTextOption();
    option.setAlignment(horizontalAlignment(control));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->document()->setDefaultTextOption(option);
    box->setPlainText(toQtLines(control.text));
    return box;
}

QWidget* buildButton(const ControlDescription& control, QWidget& window)
{
    return new PushButton(toQString(control.text), &window);
}

QWidget* buildPictureBox(const ControlDescription& control, QWidget& window)
{
    auto* box = new QLabel(&window);
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setPixmap(picture(control.picture));
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, systemColour(SystemColour::WindowFace));
    box->setPalette(palette);
    return box;
}

QWidget* buildLabel(const ControlDescription& control, QWidget& window)
{
    auto* label = new ClickLabel(toQString(control.text), &window);
    label->setAlignment(horizontalAlignment(control) | Qt::AlignTop);
    label->setWordWrap(control.wordWrap);
    if (control.link)
        label->makeLink();
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(control.textColour, palette.color(QPalette::WindowText)));
    label->setPalette(palette);
    return label;
}

// Connects the control's click, if it has a handler, through the one place
// that reports run-time errors.
void bindClick(QWidget& widget, const ControlDescription& control, QWidget& window)
{
    if (!control.onClick)
        return;
    auto run = [handler = control.onClick, &window] { runHandler([&] { handler(window); }); };
    if (auto* button = qobject_cast<PushButton*>(&widget))
        QObject::connect(button, &QAbstractButton::clicked, button, run);
    else if (auto* label = qobject_cast<ClickLabel*>(&widget))
        QObject::connect(label, &ClickLabel::clicked, label, run);
}

QWidget* buildControl(const ControlDescription& control, QWidget& window, const QColor& windowBackground)
{
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::TextBox: widget = buildTextBox(control, window); break;
    case ControlKind::MultiLineTextBox: widget = buildMultiLineTextBox(control, window); break;
    case ControlKind::Button: widget = buildButton(control, window); break;
    case ControlKind::PictureBox: widget = buildPictureBox(control, window); break;
    case ControlKind::Label: widget = buildLabel(control, window); break;
    }
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(toPixels(control.left), toPixels(control.top), toPixels(control.width),
                        toPixels(control.height));
    widget->setFont(classicFont(control.fontPoints, control.underline));
    if (control.kind == ControlKind::TextBox || control.kind == ControlKind::MultiLineTextBox)
        colourTextBox(*widget, control, windowBackground);
    // Pictures and labels have nothing to do with the keyboard.
    const bool takesFocus = control.kind == ControlKind::TextBox || control.kind == ControlKind::MultiLineTextBox
        || control.kind == ControlKind::Button;
    widget->setFocusPolicy(takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    widget->setAccessibleName(asOneLine(control.accessibleName));
    widget->setAccessibleDescription(toQString(control.accessibleDescription));
    setPresentationOrder(*widget, control.tabIndex);
    if (control.cursor)
        widget->setCursor(pointer(*control.cursor));
    bindClick(*widget, control, window);
    return widget;
}

void placeWindow(QWidget& window, const WindowDescription& description)
{
    const QSize clientSize(toPixels(description.clientWidth), toPixels(description.clientHeight));
    // A window of fixed size has nothing to maximize. Set before the
    // geometry, which changing the frame would move.
    if (!description.sizable)
        window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (description.clientPosition) {
        const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
        const QPoint offset(toPixels(description.clientPosition->first), toPixels(description.clientPosition->second));
        window.setGeometry(QRect(screenOrigin + offset, clientSize));
    } else {
        window.resize(clientSize);
    }
    if (!description.sizable)
        window.setFixedSize(clientSize);
}

} // namespace

std::unique_ptr<QWidget> buildWindow(const WindowDescription& description)
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(toQString(description.name));
    window->setWindowTitle(toQString(description.caption));
    window->setAccessibleDescription(toQString(description.accessibleDescription));
    const QColor background = toQColor(description.background, systemColour(SystemColour::WindowFace));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, background);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    placeWindow(*window, description);

    std::vector<const ControlDescription*> inTabOrder;
    for (const ControlDescription& control : description.controls)
        inTabOrder.push_back(&control);
    std::ranges::stable_sort(inTabOrder, {}, &ControlDescription::tabIndex);

    std::vector<QWidget*> built;
    for (const ControlDescription* control : inTabOrder)
        built.push_back(buildControl(*control, *window, background));

    QWidget* previous = nullptr;
    for (QWidget* widget : built) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus(); // the first to take the focus has it when the window shows
        previous = widget;
    }
    for (auto widget = built.rbegin(); widget != built.rend(); ++widget)
        (*widget)->raise();
    return window;
}

} // namespace HostRuntime
