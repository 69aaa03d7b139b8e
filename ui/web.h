#pragma once

#include "WindowDescription.h"

#include <QWidget>

#include <memory>
#include <string_view>

// The web page link window: the author's page as a link that opens in the
// user's default browser.
namespace web {

// The author's page, shown without a trailing "/".
inline constexpr std::string_view WebPageAddress = "https://example.net/quad";

extern const HostRuntime::WindowDescription Description;

// Builds the window and binds the click on the link.
std::unique_ptr<QWidget> create();

} // namespace web
