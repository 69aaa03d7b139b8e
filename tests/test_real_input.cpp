// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Input as people give it, from outside the program through a real X
// server: keys and pointer moves sent by xdotool (XTEST), and the pointer
// read back as the server shows it (XFixes). Run on Xvfb through the xcb
// platform, at the scale QT_SCALE_FACTOR gives.
#include "host/WindowBuilder.h"
#include "tests/GuiTest.h"
#include "ui/web.h"

#include <QLabel>
#include <QProcess>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdlib>
#include <memory>

namespace {

// The pointer image that the X server shows now, as premultiplied ARGB.
struct ServerPointer {
    QImage image;
    QPoint hotSpot;
};

ServerPointer serverPointer()
{
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(xcb_connect(nullptr, nullptr),
                                                                            xcb_disconnect);
    free(xcb_xfixes_query_version_reply(
        connection.get(),
        xcb_xfixes_query_version(connection.get(), XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION), nullptr));
    std::unique_ptr<xcb_xfixes_get_cursor_image_reply_t, decltype(&free)> reply(
        xcb_xfixes_get_cursor_image_reply(connection.get(), xcb_xfixes_get_cursor_image(connection.get()), nullptr),
        free);
    if (!reply)
        return {};
    const QImage image(reinterpret_cast<const uchar*>(xcb_xfixes_get_cursor_image_cursor_image(reply.get())),
                       reply->width, reply->height, QImage::Format_ARGB32_Premultiplied);
    return {image.copy(), QPoint(reply->xhot, reply->yhot)};
}

} // namespace

class RealInputTest : public MainWindowTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X server: run on Xvfb through the xcb platform");
        QProcess probe;
        probe.start("xdotool", {"version"});
        if (!probe.waitForFinished(5000) || probe.exitCode() != 0)
            QSKIP("xdotool, which sends the keys and pointer moves, is missing");
    }

    void enterPressesTheFocusedButtonOnly()
    {
        focus(*main_);
        clickAt(control(*main_, "Text3"));
        xdotool({"key", "ctrl+a"});
        xdotool({"type", "300"});
        xdotool({"key", "Tab", "Return"});
        QTRY_COMPARE(outputs().first(), "5.05236220472441");
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command1");
        xdotool({"key", "Tab", "KP_Enter"});
        QTRY_COMPARE(outputs().first(), "12.833");
        QCOMPARE(QApplication::focusWidget()->objectName(), "Command2");
        // Enter in the input field presses nothing.
        clickAt(control(*main_, "Text3"));
        xdotool({"key", "ctrl+a"});
        xdotool({"type", "28.5"});
        xdotool({"key", "Return", "KP_Enter"});
        QTest::qWait(200);
        QCOMPARE(outputs().first(), "12.833");
        QCOMPARE(control<QLineEdit>(*main_, "Text3").text(), "28.5");
    }

    void pointerOverTheLink()
    {
        StandInBrowser browser;
        const std::unique_ptr<QWidget> window = HostRuntime::buildWindow(web::Description);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto& link = control<QLabel>(*window, "lblWebPage");
        clickAt(link);
        QTRY_COMPARE(browser.opened().size(), 1);

        // The image the program drew for the scale, shown unchanged, its hot
        // spot on the fingertip: (13, 9) in the 32 x 32 drawing.
        const qreal scale = window->devicePixelRatioF();
        const ServerPointer shown = serverPointer();
        const QImage drawn = link.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(shown.image.size(), (QSizeF(32, 32) * scale).toSize());
        QCOMPARE(shown.hotSpot, QPoint(qRound(13 * scale), qRound(9 * scale)));
        QVERIFY(shown.image == drawn);
    }

private:
    // Runs xdotool; a failure fails the test.
    static void xdotool(const QStringList& arguments)
    {
        QProcess xdotool;
        xdotool.start("xdotool", arguments);
        QVERIFY2(xdotool.waitForFinished(5000) && xdotool.exitCode() == 0,
                 qPrintable("xdotool " + arguments.join(' ') + ": " + xdotool.readAllStandardError()));
        QTest::qWait(50); // the server's events reach the program through its event loop
    }

    // Puts the X input focus on the window, as a window manager would.
    static void focus(const QWidget& window)
    {
        xdotool({"windowfocus", "--sync", QString::number(window.winId())});
        QVERIFY(QTest::qWaitForWindowActive(window.windowHandle()));
    }

    static void clickAt(const QWidget& control)
    {
        // xdotool counts the window's device pixels.
        const QPointF centre =
            QPointF(control.mapTo(control.window(), control.rect().center())) * control.devicePixelRatioF();
        xdotool({"mousemove", "--window", QString::number(control.window()->winId()),
                 QString::number(qRound(centre.x())), QString::number(qRound(centre.y())), "click", "1"});
    }
};

KARVEL_GUI_TEST_MAIN(RealInputTest)
#include "test_real_input.moc"
