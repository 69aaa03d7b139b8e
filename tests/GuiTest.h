// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/Dimensions.h"
#include "host/Application.h"
#include "host/Text.h"
#include "host/core/Conversions.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

// GUI tests run inside the program's own application object. Their expected
// results are written with a decimal point, whatever the machine's locale;
// the conversions' own tests cover the decimal comma.
#define KARVEL_GUI_TEST_MAIN(TestClass)                                        \
    int main(int argc, char* argv[])                                           \
    {                                                                          \
        HostRuntime::Application application(argc, argv);                      \
        HostRuntime::setDecimalSeparator(".");                                 \
        TestClass test;                                                        \
        return QTest::qExec(&test, argc, argv);                                \
    }

template <typename Widget = QWidget>
Widget& control(const QWidget& window, const char* name)
{
    auto* found = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(window.objectName()));
    return *found;
}

// The top-level windows of that name, shown or not.
inline QList<QWidget*> windowsNamed(const QString& name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            found << window;
    return found;
}

// Watches for error reports while it lives: records what each one said and
// dismisses it with its OK button, as a user would.
class ErrorReports {
public:
    ErrorReports()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { dismissOpenReport(); });
        timer_.start();
    }

    QStringList names;
    QStringList explanations;

private:
    void dismissOpenReport()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != "RuntimeErrorReport" || !box->isVisible())
            return;
        names << box->text();
        explanations << box->informativeText();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }

    QTimer timer_;
};

// The main window's six results, in the order they are computed.
inline const QStringList OutputFields = [] {
    QStringList names;
    for (const Dimension& dimension : DimensionTable)
        names << HostRuntime::toQString(dimension.outputField);
    return names;
}();

inline QStringList outputsOf(const QWidget& mainWindow)
{
    QStringList texts;
    for (const QString& name : OutputFields)
        texts << control<QLineEdit>(mainWindow, qPrintable(name)).text();
    return texts;
}

// Closes every window a test left open.
inline void closeAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
}

// Stands in for the browser: records the addresses it is asked to open.
class StandInBrowser : public QObject {
    Q_OBJECT

public:
    StandInBrowser() { QDesktopServices::setUrlHandler("https", this, "openUrl"); }
    ~StandInBrowser() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened << url; }
};
