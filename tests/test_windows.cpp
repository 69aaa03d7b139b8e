// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Events.h"
#include "Product.h"
#include "tests/GuiTest.h"
#include "ui/Fold.h"
#include "ui/Form1.h"
#include "ui/web.h"

#include <QAccessible>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QUrl>

#include <functional>
#include <new>
#include <stdexcept>

// The program's three windows: the main one, and the two its buttons open.
enum class Window { Main, Details, Link };

namespace {
const QString WebPage = HostRuntime::toQString(Product::WebPage);
}

class WindowsTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void secondaryWindowsOpenOnce_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<QPoint>("clientPosition"); // none: where the window system puts it
        QTest::addColumn<bool>("fixedSize");        // then without a maximize button
        QTest::newRow("details") << Window::Details << "Form2" << QSize(8100 / 15, 5940 / 15) << QPoint() << false;
        QTest::newRow("link") << Window::Link << "Web Page Link" << QSize(3315 / 15, 1845 / 15)
                              << QPoint(2130 / 15, 1695 / 15) << true;
    }

    void secondaryWindowsOpenOnce()
    {
        QFETCH(Window, window);
        QFETCH(QString, caption);
        QFETCH(QSize, clientSize);
        QFETCH(QPoint, clientPosition);
        QFETCH(bool, fixedSize);

        QWidget& first = shown(window);
        QVERIFY(QTest::qWaitForWindowActive(&first));
        QCOMPARE(first.windowTitle(), caption);
        QCOMPARE(first.size(), clientSize);
        QCOMPARE(first.minimumSize() == first.maximumSize(), fixedSize);
        QCOMPARE(first.windowFlags().testFlag(Qt::CustomizeWindowHint), fixedSize);
        QCOMPARE(first.windowFlags().testFlag(Qt::WindowMaximizeButtonHint), !fixedSize);
        if (!clientPosition.isNull())
            QCOMPARE(first.geometry().topLeft(), clientPosition);
        main_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main_.get()));

        QWidget& second = shown(window);
        QCOMPARE(&second, &first);
        QVERIFY(QTest::qWaitForWindowActive(&second));
        QVERIFY(main_->isVisible());
    }

    void detailsReopenAfresh()
    {
        QWidget& details = shown(Window::Details);
        auto& notes = control<QPlainTextEdit>(details, "Text1");
        const QString described = notes.toPlainText();
        QTest::keyClicks(&notes, "my own notes");
        QVERIFY(notes.toPlainText() != described);
        details.close();

        QWidget& reopened = shown(Window::Details);
        QVERIFY(reopened.isVisible());
        QCOMPARE(control<QPlainTextEdit>(reopened, "Text1").toPlainText(), described);
    }

    void calculationRunsBesideOpenWindows()
    {
        shown(Window::Details);
        shown(Window::Link);
        type("Text3", "300");
        click("Command2");
        QCOMPARE(control<QLineEdit>(*main_, "Text16").text(), "8.27");
    }

    void textsHaveTheirLineStructure_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("characters"); // as the box holds them, each line ended by one character
        // The building notes' last line is padded to 74 characters and followed
        // by a line of three spaces, which is not counted among the lines.
        QTest::newRow("history") << Window::Main << "Text17" << 27 << 39 << 52 << 1231;
        QTest::newRow("notes") << Window::Details << "Text1" << 22 << 47 << 54 << 1152;
        QTest::newRow("disclaimer") << Window::Details << "Text2" << 4 << 94 << 112 << 409;
    }

    void textsHaveTheirLineStructure()
    {
        QFETCH(Window, window);
        QFETCH(QString, box);
        QFETCH(int, lines);
        QFETCH(int, shortest);
        QFETCH(int, longest);
        QFETCH(int, characters);

        QWidget& holder = shown(window);
        const QString text = control<QPlainTextEdit>(holder, qPrintable(box)).toPlainText();
        QVERIFY(text.endsWith('\n'));
        QStringList split = text.split('\n');
        split.removeLast();
        if (box == "Text1") {
            QCOMPARE(split.takeLast(), "   ");
            QCOMPARE(split.last().size(), 74);
            split.last() = split.last().trimmed();
        }
        QCOMPARE(split.size(), lines);
        for (const QString& line : split)
            QVERIFY2(line.size() >= shortest && line.size() <= longest, qPrintable(line));
        QCOMPARE(text.size(), characters);
        if (box == "Text2")
            QVERIFY(text.startsWith("DISCLAIMER:   "));
    }

    void linkOpensThePageOncePerClick()
    {
        StandInBrowser browser;
        QWidget& link = shown(Window::Link);
        QCOMPARE(control<QLabel>(link, "lblWebPage").text(), WebPage);
        QVERIFY(!control<QLabel>(link, "lblWebPage").text().endsWith('/'));
        for (int clicks = 1; clicks <= 3; ++clicks)
            click(link, "lblWebPage");
        const QUrl page(WebPage + "/");
        QTRY_COMPARE(browser.opened(), QList<QUrl>(3, page));

        // A double-click as the window system delivers it: two presses in quick
        // succession, of which Qt makes the second a double-click.
        auto& label = control(link, "lblWebPage");
        const QPoint onLabel = label.mapTo(&link, label.rect().center());
        QTest::mouseDClick(link.windowHandle(), Qt::LeftButton, {}, onLabel);
        QTRY_COMPARE(browser.opened().size(), 4);
        // Pressed on the link, released off it: no click.
        QTest::mousePress(&label, Qt::LeftButton, {}, label.rect().center());
        QTest::mouseRelease(&label, Qt::LeftButton, {}, label.rect().bottomRight() + QPoint(20, 20));
        QTest::qWait(200);
        QCOMPARE(browser.opened().size(), 4);
        QVERIFY(link.isVisible());
    }

    void keyboardLaunchesNothing()
    {
        StandInBrowser browser;
        QWidget& link = shown(Window::Link);
        QVERIFY(QTest::qWaitForWindowActive(&link));
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab})
            QTest::keyClick(&link, key);
        QCOMPARE(control(link, "lblWebPage").focusPolicy(), Qt::NoFocus);
        QTest::qWait(200);
        QVERIFY(browser.opened().isEmpty());
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("assistive"); // pressed by assistive technology, else clicked
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("browser"); // the desktop opener's exit status, or none at all
        // Without a desktop opener, the offscreen platform has no browser to hand the page to.
        const QString notOpened = "Web page could not be opened";
        const int noOpener = StandInBrowser::Absent;
        QTest::newRow("click on the link") << Window::Link << "lblWebPage" << false << notOpened << noOpener;
        QTest::newRow("press on the link") << Window::Link << "lblWebPage" << true << notOpened << noOpener;
        // The opener found no browser: reported when it ends, after the click.
        QTest::newRow("failing opener") << Window::Link << "lblWebPage" << false << notOpened << 3;
        QTest::newRow("press on INCH") << Window::Main << "Command1" << true << "Division by zero" << 0;
    }

    void failuresAreReported()
    {
        QFETCH(Window, window);
        QFETCH(QString, name);
        QFETCH(bool, assistive);
        QFETCH(QString, error);
        QFETCH(int, browser);
        if (browser > 0 && !desktopOpenerRuns())
            QSKIP("no desktop opener runs here");
        const StandInBrowser standIn(browser);
        ErrorReports reports;
        QWidget& opened = shown(window);
        QWidget& pressed = control(opened, qPrintable(name));
        if (assistive) {
            // A screen reader waits for the action's answer: it comes before the report.
            QAccessible::queryAccessibleInterface(&pressed)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QVERIFY(reports.names.isEmpty());
        } else {
            click(opened, qPrintable(name));
        }
        QTRY_COMPARE(reports.names, QStringList{error});
        if (name == "lblWebPage")
            QVERIFY(reports.explanations.first().contains(WebPage + "/"));
        if (browser > 0)
            QVERIFY(reports.explanations.first().contains("xdg-open ended with exit status 3"));
        QVERIFY(opened.isVisible());
        QVERIFY(main_->isVisible());
    }

    void unexpectedExceptionsAreReported_data()
    {
        QTest::addColumn<std::function<void()>>("handler");
        QTest::addColumn<QString>("said");
        QTest::newRow("length error") << std::function<void()>([] { throw std::length_error("basic_string::append"); })
                                      << "an exception it did not expect: basic_string::append.";
        QTest::newRow("no memory") << std::function<void()>([] { throw std::bad_alloc(); })
                                   << "an exception it did not expect: std::bad_alloc.";
        QTest::newRow("not an exception") << std::function<void()>([] { throw 42; }) << "one of an unknown kind.";
    }

    // Reported as the program's own fault, and the program goes on.
    void unexpectedExceptionsAreReported()
    {
        QFETCH(std::function<void()>, handler);
        QFETCH(QString, said);
        ErrorReports reports;
        HostRuntime::runHandler(handler);
        QCOMPARE(reports.names, QStringList{"Internal error"});
        QVERIFY2(reports.explanations.value(0).contains(said), qPrintable(reports.explanations.value(0)));
        control<QLineEdit>(*main_, "Text3").setText("14.2");
        click("Command2");
        QCOMPARE(reports.names.size(), 1);
        QCOMPARE(outputs().first(), "271.119721951548");
    }

    void handPointer()
    {
        const QCursor pointer = control(shown(Window::Link), "lblWebPage").cursor();
        QCOMPARE(pointer.hotSpot(), QPoint(13, 9));
        const QImage image = pointer.pixmap().toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QRect hand;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour.alpha() == 0)
                    continue;
                QVERIFY(colour == Qt::black || colour == Qt::white);
                hand |= QRect(x, y, 1, 1);
            }
        QCOMPARE(hand.size(), QSize(16, 18));
        QCOMPARE(image.pixelColor(13, 9), QColor(Qt::black)); // the fingertip
    }

    void assistiveTechnologyNames_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("described");
        const auto editable = QAccessible::EditableText;
        QTest::newRow("input") << Window::Main << "Text3" << editable << "INPUT FREQUENCY IN MHZ" << true;
        QTest::newRow("spacing") << Window::Main << "Text5" << editable << "ELEMENT SPACING" << true;
        QTest::newRow("driven element") << Window::Main << "Text9" << editable << "DRIVEN ELEMENT LENGTH CENTER TO TIP"
                                        << true;
        QTest::newRow("side C") << Window::Main << "Text16" << editable << "C" << true;
        // Boxes to read, named for what they are, not again for what they say.
        QTest::newRow("title") << Window::Main << "Text1" << editable << "Title" << false;
        QTest::newRow("caption") << Window::Main << "Text4" << editable << "Caption" << false;
        QTest::newRow("two-line caption") << Window::Main << "Text8" << editable << "Caption" << false;
        QTest::newRow("caption A") << Window::Main << "Text11" << editable << "Caption" << false;
        QTest::newRow("note") << Window::Main << "Text10" << editable << "Note" << false;
        QTest::newRow("history") << Window::Main << "Text17" << editable << "History of the design" << false;
        QTest::newRow("building notes") << Window::Details << "Text1" << editable << "Building notes" << false;
        QTest::newRow("disclaimer") << Window::Details << "Text2" << editable << "Legal notice" << false;
        QTest::newRow("drawing") << Window::Main << "Picture1" << QAccessible::Graphic << "Antenna drawing" << true;
        QTest::newRow("diagram") << Window::Details << "Picture1" << QAccessible::Graphic << "Folded section diagram"
                                 << true;
        QTest::newRow("link") << Window::Link << "lblWebPage" << QAccessible::Link << WebPage << true;
        // A window is named by its caption; the link window, where nothing takes
        // the focus, also says what it holds.
        QTest::newRow("main window") << Window::Main << "Form1" << QAccessible::Window << "VEVUZORO(tm)" << false;
        QTest::newRow("details window") << Window::Details << "Fold" << QAccessible::Window << "Form2" << false;
        QTest::newRow("link window") << Window::Link << "web" << QAccessible::Window << "Web Page Link" << true;
    }

    void assistiveTechnologyNames()
    {
        QFETCH(Window, window);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, accessibleName);
        QFETCH(bool, described);
        QWidget& opened = shown(window);
        const bool isWindow = name == opened.objectName();
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(isWindow ? &opened : &control(opened, qPrintable(name)));
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
        QCOMPARE(!accessible->text(QAccessible::Description).isEmpty(), described);
    }

    void resultsSayTheirUnit_data()
    {
        QTest::addColumn<QStringList>("buttons"); // pressed in turn after typing 14.2
        QTest::addColumn<QString>("unit");        // what every result's description starts with
        QTest::newRow("before any calculation") << QStringList() << "";
        QTest::newRow("INCH") << QStringList{"Command1"} << "In inches. ";
        QTest::newRow("CM after INCH") << QStringList{"Command1", "Command2"} << "In centimetres. ";
    }

    void resultsSayTheirUnit()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QString, unit);
        control<QLineEdit>(*main_, "Text3").setText("14.2");
        for (const QString& button : buttons)
            click(qPrintable(button));
        for (const QString& field : OutputFields) {
            const QString description = control(*main_, qPrintable(field)).accessibleDescription();
            QVERIFY2(description.startsWith(unit), qPrintable(field + ": " + description));
            QVERIFY2(unit.isEmpty() || description.size() > unit.size(), qPrintable(field));
            if (unit.isEmpty())
                QVERIFY2(!description.contains("inches") && !description.contains("centimetres"), qPrintable(field));
        }
    }

    void resultsAreAnnouncedOnce()
    {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        QSKIP("Qt before 6.8 has no way to ask for an announcement");
#else
        static QList<std::pair<QString, QAccessible::AnnouncementPoliteness>> announced;
        announced.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::Announcement) {
                auto* announcement = static_cast<QAccessibleAnnouncementEvent*>(event);
                announced.append({announcement->message(), announcement->politeness()});
            }
        });
        control<QLineEdit>(*main_, "Text3").setText("14.2");
        QWidget& inch = control(*main_, "Command1");
        inch.setFocus();
        QTest::keyClick(&inch, Qt::Key_Space);
        QAccessible::installUpdateHandler(nullptr);

        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced.first().second, QAccessible::AnnouncementPoliteness::Polite);
        QStringList spoken;
        for (const QString& field : OutputFields)
            spoken << control(*main_, qPrintable(field)).accessibleName() + " "
                    + control<QLineEdit>(*main_, qPrintable(field)).text();
        QCOMPARE(announced.first().first, "Results in inches: " + spoken.join(", ") + ".");
        QCOMPARE(QApplication::focusWidget(), &inch);
#endif
    }

    void assistiveTreeFollowsTabOrder_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<const HostRuntime::WindowDescription*>("description");
        QTest::newRow("main window") << Window::Main << &Form1::Description;
        QTest::newRow("details window") << Window::Details << &Fold::Description;
        QTest::newRow("link window") << Window::Link << &web::Description;
    }

    void assistiveTreeFollowsTabOrder()
    {
        QFETCH(Window, window);
        QFETCH(const HostRuntime::WindowDescription*, description);
        QWidget& opened = shown(window);
        QStringList tabOrder;
        for (const HostRuntime::ControlDescription& control : description->controls)
            tabOrder << HostRuntime::toQString(control.name);
        QStringList tree;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&opened);
        for (int index = 0; index < accessible->childCount(); ++index) {
            QAccessibleInterface* child = accessible->child(index);
            QCOMPARE(accessible->indexOfChild(child), index);
            QCOMPARE(child->parent(), accessible);
            tree << child->object()->objectName();
        }
        QCOMPARE(tree, tabOrder);
        // The first in Tab order is still drawn in front.
        QCOMPARE(opened.children().constLast()->objectName(), tabOrder.first());
    }

    void productAndVersion()
    {
        QCOMPARE(QApplication::applicationName(), "KARVEL");
        QCOMPARE(QApplication::applicationVersion(), "1.00");
    }

    void picturesAreCompiledIn_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("images");
        QTest::addColumn<bool>("opaque"); // the pictures are plain 24-bit colour
        QTest::newRow("antenna drawing") << "antenna.png" << QSize(195, 343) << 1 << true;
        QTest::newRow("antenna drawing, fine") << "antenna@2x.png" << QSize(390, 686) << 1 << true;
        QTest::newRow("folded section") << "fold.png" << QSize(257, 265) << 1 << true;
        QTest::newRow("folded section, fine") << "fold@2x.png" << QSize(514, 530) << 1 << true;
        QTest::newRow("hand pointer, fine") << "hand@2x.png" << QSize(64, 64) << 1 << false;
        QTest::newRow("icon") << "karvel.ico" << QSize(32, 32) << 3 << false;
    }

    void picturesAreCompiledIn()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(int, images);
        QFETCH(bool, opaque);
        QImageReader reader(":/assets/" + resource);
        QCOMPARE(reader.size(), size);
        QCOMPARE(reader.imageCount(), images);
        const QImage first = reader.read();
        QCOMPARE(first.size(), size);
        if (opaque)
            QVERIFY(!first.hasAlphaChannel());
    }

    void closingTheMainWindowLeavesOthersRunning()
    {
        QWidget& details = shown(Window::Details);
        bool runningAfterMainClosed = false;
        QTimer::singleShot(0, this, [&] {
            main_->close();
            QTimer::singleShot(50, this, [&] {
                runningAfterMainClosed = true;
                details.close();
            });
        });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(runningAfterMainClosed);
    }

    void exitEndsEverything()
    {
        shown(Window::Details);
        shown(Window::Link);
        QTimer::singleShot(0, this, [this] { click("Command4"); });
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

private:
    // The window, opened by its button (GAMMA DETAILS, WEBSITE) unless it
    // is the main one: the one window of its name.
    QWidget& shown(Window window)
    {
        if (window == Window::Main)
            return *main_;
        const bool details = window == Window::Details;
        click(details ? "Command5" : "Command3");
        const QList<QWidget*> found = windowsNamed(details ? "Fold" : "web");
        if (found.size() != 1)
            qFatal("%lld windows of that name", static_cast<long long>(found.size()));
        return *found.first();
    }
};

KARVEL_GUI_TEST_MAIN(WindowsTest)
#include "test_windows.moc"
