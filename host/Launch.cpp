// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Launch.h"

#include "host/core/RuntimeError.h"
#include "host/Events.h"
#include "host/Text.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <memory>

namespace HostRuntime {

namespace {

constexpr std::string_view OpenInBrowser = "start.exe ";

RuntimeError pageNotOpened(const QUrl& page, const QString& why = {})
{
    return RuntimeError(ErrorKind::PageNotOpened,
                        "The page " + page.toString().toStdString() + " could not be opened"
                            + (why.isEmpty() ? "" : ": " + why.toStdString()) + ".");
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_WASM)
constexpr auto DesktopOpener = "xdg-open";

// The desktop's opener, xdg-open, says by its exit status whether a browser
// took the page, but only when it ends; Qt's own launch of it does not wait
// for that. This runs it without holding up the click and reports a failure
// when it ends, in the same way as an error of a handler.
class PageOpening : public QProcess {
public:
    PageOpening(const QString& opener, const QUrl& page) : QProcess(QCoreApplication::instance()), page_(page)
    {
        setProgram(opener);
        setArguments({page.toString()});
        setStandardInputFile(QProcess::nullDevice());
        setStandardOutputFile(QProcess::nullDevice());
        setProcessChannelMode(QProcess::ForwardedErrorChannel);
        connect(this, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
            deleteLater();
            runHandler([&] {
                if (status != QProcess::NormalExit)
                    throw pageNotOpened(page_, QString(DesktopOpener) + " ended abnormally");
                if (exitCode != 0)
                    throw pageNotOpened(
                        page_, QString(DesktopOpener) + " ended with exit status " + QString::number(exitCode));
            });
        });
    }

    // An opener still running when the program ends is stopped unheard; a
    // browser that it started stays open.
    ~PageOpening() override
    {
        if (state() != QProcess::NotRunning) {
            disconnect(this, &QProcess::finished, this, nullptr);
            kill();
            waitForFinished(1000);
        }
    }

private:
    QUrl page_;
};

void open(const QUrl& page)
{
    const QString opener = QStandardPaths::findExecutable(DesktopOpener);
    if (opener.isEmpty()) {
        // Without xdg-open, Qt looks for a browser of its own.
        if (!QDesktopServices::openUrl(page))
            throw pageNotOpened(page);
        return;
    }
    // Once started, it belongs to the application and ends itself.
    auto opening = std::make_unique<PageOpening>(opener, page);
    opening->start();
    if (!opening->waitForStarted())
        throw pageNotOpened(page, opening->errorString());
    opening.release();
}
#else
// There the desktop answers at once whether it took the page.
void open(const QUrl& page)
{
    if (!QDesktopServices::openUrl(page))
        throw pageNotOpened(page);
}
#endif

} // namespace

int launch(std::string_view command, WindowStyle)
{
    // The style only says whether the command's own window shows; the
    // desktop's opener has none.
    if (!command.starts_with(OpenInBrowser))
        throw RuntimeError(ErrorKind::PageNotOpened, "Only web pages can be opened.");
    const std::string_view address = command.substr(OpenInBrowser.size());
    const QUrl page(toQString(address), QUrl::StrictMode);
    if (!page.isValid() || (page.scheme() != "http" && page.scheme() != "https"))
        throw RuntimeError(ErrorKind::PageNotOpened, "The page " + std::string(address) + " could not be opened.");
    open(page);
    static int lastTask = 0;
    return ++lastTask;
}

} // namespace HostRuntime
