// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "host/Launch.h"

#include "host/core/RuntimeError.h"
#include "host/Text.h"

#include <QDesktopServices>
#include <QUrl>

namespace HostRuntime {

namespace {
constexpr std::string_view OpenInBrowser = "start.exe ";
}

int launch(std::string_view command, WindowStyle)
{
    // The style only says whether the command's own window shows; the
    // desktop's opener has none.
    if (!command.starts_with(OpenInBrowser))
        throw RuntimeError(ErrorKind::PageNotOpened, "Only web pages can be opened.");
    const std::string_view address = command.substr(OpenInBrowser.size());
    const QUrl url(toQString(address), QUrl::StrictMode);
    const bool webAddress = url.isValid() && (url.scheme() == "http" || url.scheme() == "https");
    if (!webAddress || !QDesktopServices::openUrl(url))
        throw RuntimeError(ErrorKind::PageNotOpened,
                           "The page " + std::string(address) + " could not be opened.");
    static int lastTask = 0;
    return ++lastTask;
}

} // namespace HostRuntime
