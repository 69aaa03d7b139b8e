// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/WindowDescription.h"

// The web page link window: the author's page as a link that opens in the
// user's default browser.
namespace web {

// The window with the click on the link.
extern const HostRuntime::WindowDescription Description;

} // namespace web
