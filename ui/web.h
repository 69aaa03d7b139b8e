// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowDescription.h"

#include <QWidget>

#include <memory>
#include <string_view>

// The web page link window: the author's page as a link that opens in the
// user's default browser.
namespace web {

// The author's page, shown without a trailing "/"; the build sets it.
inline constexpr std::string_view WebPageAddress = KARVEL_WEB_PAGE;

extern const HostRuntime::WindowDescription Description;

// Builds the window and binds the click on the link.
std::unique_ptr<QWidget> create();

} // namespace web
