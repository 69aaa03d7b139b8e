// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web.h"

#include "assets/Assets.h"
#include "host/Launch.h"
#include "Product.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace web {

namespace {

using namespace HostRuntime;

void openWebPage()
{
    // The task number is of no use here.
    launch("start.exe " + std::string(Product::WebPage) + "/", WindowStyle::Hidden);
}

constexpr std::string_view OpenedInBrowser = "The link will be opened in your default browser.";
constexpr std::string_view ClickBelow = "Click Link Below to ";

// clang-format off
// In tab order; labels never take the focus. Twips: left, top, width, height.
constexpr std::array Controls{
    ControlDescription{.kind = ControlKind::Label, .name = "Label1",
                       .text = OpenedInBrowser,
                       .left = 525, .top = 75, .width = 2265, .height = 390, .tabIndex = 0,
                       .alignment = Alignment::Centre, .wordWrap = true},
    ControlDescription{.kind = ControlKind::Label, .name = "Label2", .text = ClickBelow,
                       .left = 450, .top = 750, .width = 2490, .height = 345, .tabIndex = 1,
                       .alignment = Alignment::Centre},
    ControlDescription{.kind = ControlKind::Label, .name = "lblWebPage", .text = Product::WebPage,
                       .left = 525, .top = 1335, .width = 2205, .height = 255, .tabIndex = 2,
                       .underline = true, .textColour = Rgb{0, 0, 255}, .alignment = Alignment::Left,
                       .cursor = CursorPicture{Assets::HandPointer, Assets::HandPointerHotSpotX,
                                               Assets::HandPointerHotSpotY},
                       .accessibleDescription = "Opens the author's web page in your default browser",
                       .link = true,
                       .onClick = [](QWidget&) { openWebPage(); }},
};
// clang-format on

// Nothing in the window takes the focus, so a screen reader hears what it
// says when it opens, as a sighted user reads it; put together as the
// program is compiled.
constexpr auto SpeechText = [] {
    std::array<char, OpenedInBrowser.size() + 1 + ClickBelow.size() + Product::WebPage.size()> text{};
    auto end = std::copy(OpenedInBrowser.begin(), OpenedInBrowser.end(), text.begin());
    *end++ = ' ';
    end = std::copy(ClickBelow.begin(), ClickBelow.end(), end);
    std::copy(Product::WebPage.begin(), Product::WebPage.end(), end);
    return text;
}();
constexpr std::string_view Speech(SpeechText.data(), SpeechText.size());

} // namespace

constinit const WindowDescription Description{
    .name = "web",
    .caption = "Web Page Link",
    .clientWidth = 3315,
    .clientHeight = 1845,
    .clientPosition = std::pair{2130, 1695},
    .sizable = false,
    .accessibleDescription = Speech,
    .controls = Controls,
};

} // namespace web
