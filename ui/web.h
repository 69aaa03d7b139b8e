// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowDescription.h"

#include <QWidget>

#include <memory>

// The web page link window: the author's page as a link that opens in the
// user's default browser.
namespace web {

extern const HostRuntime::WindowDescription Description;

// Builds the window and binds the click on the link.
std::unique_ptr<QWidget> create();

} // namespace web
