// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one bridge between the program's texts (UTF-8, lines ended by CR LF)
// and Qt's (UTF-16, lines ended by LF).
namespace HostRuntime {

inline QString toQString(std::string_view text) { return QString::fromUtf8(text); }

// A multi-line text as Qt's text boxes hold it.
inline QString toQtLines(std::string_view text)
{
    return toQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A text as assistive technology speaks a name: on one line, each run of
// line breaks and spaces read as one space.
inline QString asOneLine(std::string_view text) { return toQString(text).simplified(); }

} // namespace HostRuntime
