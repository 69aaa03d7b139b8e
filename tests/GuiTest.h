// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/Dimensions.h"
#include "calc/Module1.h"
#include "host/Application.h"
#include "host/core/Conversions.h"
#include "host/Text.h"
#include "host/WindowBuilder.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

// GUI tests run inside the program's own application object. Their expected
// results are written with a decimal point, whatever the machine's locale;
// the conversions' own tests cover the decimal comma.
#define KARVEL_GUI_TEST_MAIN(TestClass)                   \
    int main(int argc, char* argv[])                      \
    {                                                     \
        HostRuntime::Application application(argc, argv); \
        HostRuntime::setDecimalSeparator(".");            \
        TestClass test;                                   \
        return QTest::qExec(&test, argc, argv);           \
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
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { dismissOpenReport(); });
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

// For tests of the windows: the main window built afresh for each test,
// shown and active, with no frequency computed yet; every window that the
// test opened is closed after it.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Module1::Frequency = 0.0f;
        main_ = HostRuntime::buildWindow(Form1::Description);
        main_->show();
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));
    }
    void cleanup()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
        main_.reset();
    }

protected:
    static void click(const QWidget& window, const char* name)
    {
        QTest::mouseClick(&control(window, name), Qt::LeftButton);
    }
    void click(const char* name) const { click(*main_, name); }
    // Replaces what a text box of the main window holds, as a user types.
    void type(const char* field, const QString& text) const
    {
        auto& box = control<QLineEdit>(*main_, field);
        box.selectAll();
        QTest::keyClicks(&box, text);
    }
    QStringList outputs() const
    {
        QStringList texts;
        for (const QString& name : OutputFields)
            texts << control<QLineEdit>(*main_, qPrintable(name)).text();
        return texts;
    }

    std::unique_ptr<QWidget> main_;
};

// Whether the test runs under qemu's user-mode emulation of another
// processor, as CTest starts it there.
inline bool underQemu() { return !qEnvironmentVariableIsEmpty("KARVEL_UNDER_QEMU"); }

// Whether the program hands pages to the desktop's opener, xdg-open. Not on
// Windows, whose desktop is asked directly; nor under qemu, where no child
// program starts (and the desktop is asked, as on Windows).
inline bool desktopOpenerRuns()
{
#ifdef Q_OS_WIN
    return false;
#else
    return !underQemu();
#endif
}

// Stands in for the desktop's opener and the browser behind it: records the
// addresses it is asked to open, and answers with the exit status given (the
// desktop's opener, xdg-open, tells by it whether a browser took the page).
// Absent, there is no opener at all, and the platform's own (none, offscreen)
// is asked. Where the desktop is asked directly (Windows), its handler.
class StandInBrowser : public QObject {
    Q_OBJECT

public:
    static constexpr int Absent = -1;

    explicit StandInBrowser(int exitStatus = 0) : path_(qgetenv("PATH"))
    {
        const bool script = exitStatus != Absent && desktopOpenerRuns();
        if (script) {
            QFile opener(folder_.filePath("xdg-open"));
            opener.open(QIODevice::WriteOnly);
            opener.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                             .arg(folder_.filePath("opened"))
                             .arg(exitStatus)
                             .toUtf8());
            opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        // Found first, before any real one; absent, none is found.
        const QByteArray folder = folder_.path().toLocal8Bit();
        qputenv("PATH", script ? folder + ':' + path_ : folder);
        if (exitStatus != Absent)
            QDesktopServices::setUrlHandler("https", this, "openUrl");
    }
    ~StandInBrowser() override
    {
        // What it started ends with the test, not in a later one.
        for (QProcess* opening : QCoreApplication::instance()->findChildren<QProcess*>())
            opening->waitForFinished();
        QDesktopServices::unsetUrlHandler("https");
        qputenv("PATH", path_);
    }

    // Once the opener has started, it writes what it was given at its own pace.
    QList<QUrl> opened() const
    {
        QList<QUrl> pages = handed_;
        QFile record(folder_.filePath("opened"));
        if (record.open(QIODevice::ReadOnly))
            for (const QByteArray& line : record.readAll().split('\n'))
                if (!line.isEmpty())
                    pages << QUrl(QString::fromUtf8(line));
        return pages;
    }

public slots:
    void openUrl(const QUrl& url) { handed_ << url; }

private:
    QByteArray path_;
    QTemporaryDir folder_;
    QList<QUrl> handed_;
};
