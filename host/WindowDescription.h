// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

class QWidget;

namespace HostRuntime {

// Positions and sizes are in twips: 1440 to the inch, 15 to the pixel.
using Twips = int;
inline constexpr Twips TwipsPerPixel = 15;

// The window system's colours that the windows use.
enum class SystemColour {
    FieldBackground,
    FieldText,
    InactiveBorder,
    Highlight,
    WindowFace,
};

struct Rgb {
    unsigned char red, green, blue;
};

// No colour given: the control's style decides.
using Colour = std::variant<std::monostate, SystemColour, Rgb>;

enum class ControlKind { TextBox, MultiLineTextBox, Button, PictureBox, Label };

// Looks shared by several controls, applied by the builder.
enum class ControlStyle {
    // The window system's standard look for the kind of control.
    Standard,
    // A fixed caption: no border, the window's background, field text colour, centred.
    Caption,
    // An input or output field: sunken border, field background, highlight-coloured
    // text, left-aligned.
    Field,
};

enum class Alignment { Default, Left, Centre };

// What a click on a button or label does, given the window it is in. Runs
// through the one place that reports run-time errors.
using ClickHandler = void (*)(QWidget& window);

struct CursorPicture {
    std::string_view resource;
    int hotSpotX, hotSpotY; // pixels from the top-left, from 0
};

struct ControlDescription {
    ControlKind kind;
    std::string_view name;
    // The initial text or caption; CR LF separates lines.
    std::string_view text = {};
    Twips left = 0, top = 0, width = 0, height = 0;
    int tabIndex = 0;
    ControlStyle style = ControlStyle::Standard;
    // "MS Sans Serif" regular at this size, or its stand-in.
    double fontPoints = 8.25;
    bool underline = false;
    Colour textColour = {};
    Alignment alignment = Alignment::Default;
    bool wordWrap = false;                    // labels only
    std::string_view picture = {};            // resource path of a picture box's picture
    std::optional<CursorPicture> cursor = {}; // mouse pointer over the control
    // For assistive technology; nothing a sighted user sees.
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
    bool link = false;              // a label that assistive technology presents as a link
    bool numberEntry = false;       // a text box where the user types a number
    ClickHandler onClick = nullptr; // buttons and labels
};

struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    Twips clientWidth = 0, clientHeight = 0;
    Colour background = SystemColour::WindowFace;
    // Where the client area's top-left lands on the screen; none: where the
    // window system places new windows.
    std::optional<std::pair<Twips, Twips>> clientPosition = {};
    bool sizable = true;
    // What assistive technology says of the window when it opens, after its
    // caption; nothing a sighted user sees.
    std::string_view accessibleDescription = {};
    std::span<const ControlDescription> controls;
};

constexpr int toPixels(Twips twips) { return twips / TwipsPerPixel; }

} // namespace HostRuntime
