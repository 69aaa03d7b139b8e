#pragma once

#include "Application.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// GUI tests run inside the program's own application object.
#define KARVEL_GUI_TEST_MAIN(TestClass)                                        \
    int main(int argc, char* argv[])                                           \
    {                                                                          \
        HostRuntime::Application application(argc, argv);                      \
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
