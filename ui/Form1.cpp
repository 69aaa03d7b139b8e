// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Form1.h"

#include "assets/Assets.h"
#include "calc/Dimensions.h"
#include "host/Accessibility.h"
#include "host/Application.h"
#include "host/Text.h"
#include "host/WindowFields.h"
#include "ui/Fold.h"
#include "ui/web.h"

#include <algorithm>
#include <array>
#include <string>

namespace Form1 {

namespace {

using namespace HostRuntime;

constexpr std::string_view History = "In the 1970s one commercial quad antenna\r\n"
                                     "was known far and wide among radio amateurs\r\n"
                                     "for its performance, which it owed to one\r\n"
                                     "idea: the quad was driven by a folded dipole\r\n"
                                     "instead of a simple loop. The dipole could\r\n"
                                     "be mounted horizontally or vertically. With\r\n"
                                     "both fitted, their currents are isolated\r\n"
                                     "well enough to give each its own feed line,\r\n"
                                     "and a switch then selects the polarization:\r\n"
                                     "one for local contacts, the other for long-distance\r\n"
                                     "work. The driven dipoles were insulated\r\n"
                                     "from the boom, while the reflector was held\r\n"
                                     "on aluminium spreaders with insulated ends.\r\n"
                                     "The folds of each dipole were curved sections,\r\n"
                                     "grounded to the boom and fed through gamma\r\n"
                                     "matches. The horizontal folds were made\r\n"
                                     "a little longer to match the lower end of\r\n"
                                     "the band, as found on the 10 metre version\r\n"
                                     "of the antenna. A gamma match is hard to calculate\r\n"
                                     "for a curved section, so I replaced those curves\r\n"
                                     "with a triangle whose grounded side is long enough\r\n"
                                     "to take a standard gamma assembly. Computer models\r\n"
                                     "of the new shape show no change in the radiation\r\n"
                                     "pattern. When building, stretch the wire first,\r\n"
                                     "then mark every quarter section accurately before\r\n"
                                     "it goes onto the spreaders, and make the driven\r\n"
                                     "element and the reflector exactly the same length.\r\n";

void calculateIn(LengthUnit unit, QWidget& form);

constexpr Rgb Blue{0, 0, 255};
constexpr auto TextBox = ControlKind::TextBox;
constexpr auto Caption = ControlStyle::Caption;
constexpr auto Field = ControlStyle::Field;
// A screen reader speaks a name before the text: a caption box is named for
// what it is, not again for what it says.
constexpr std::string_view CaptionName = "Caption";

// clang-format off
// In tab order. Positions and sizes in twips: left, top, width, height.
constexpr std::array Controls{
    ControlDescription{.kind = TextBox, .name = "Text1", .text = "DIPOLE DRIVEN QUAD      by   HARNOX",
                       .left = 120, .top = 0, .width = 9615, .height = 390, .tabIndex = 0,
                       .style = Caption, .fontPoints = 13.5, .textColour = Blue, .accessibleName = "Title"},
    ControlDescription{.kind = TextBox, .name = "Text2", .text = "INPUT FREQUENCY IN MHZ",
                       .left = 6960, .top = 600, .width = 2895, .height = 285, .tabIndex = 1, .style = Caption,
                       .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = FrequencyField, .text = "00.0",
                       .left = 7920, .top = 960, .width = 975, .height = 375, .tabIndex = 2,
                       .style = Field, .fontPoints = 12,
                       .accessibleName = "INPUT FREQUENCY IN MHZ",
                       .accessibleDescription = "The operating frequency in megahertz", .numberEntry = true},
    ControlDescription{.kind = ControlKind::Button, .name = "Command1", .text = "INCH",
                       .left = 7200, .top = 1680, .width = 1095, .height = 495, .tabIndex = 3,
                       .onClick = [](QWidget& form) { calculateIn(LengthUnit::Inch, form); }},
    ControlDescription{.kind = ControlKind::Button, .name = "Command2", .text = "CM",
                       .left = 8640, .top = 1680, .width = 855, .height = 495, .tabIndex = 4,
                       .onClick = [](QWidget& form) { calculateIn(LengthUnit::Centimetre, form); }},
    ControlDescription{.kind = TextBox, .name = "Text4", .text = ElementSpacing.caption,
                       .left = 7200, .top = 2400, .width = 2415, .height = 285, .tabIndex = 5, .style = Caption,
                       .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = ElementSpacing.outputField, .text = "00.0",
                       .left = 7920, .top = 2760, .width = 975, .height = 390, .tabIndex = 6,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = ElementSpacing.caption,
                       .accessibleDescription = "Distance between the driven element and the reflector"},
    ControlDescription{.kind = TextBox, .name = "Text6", .text = WireLength.caption,
                       .left = 7440, .top = 3360, .width = 1935, .height = 285, .tabIndex = 7, .style = Caption,
                       .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = WireLength.outputField, .text = "00.0",
                       .left = 7920, .top = 3720, .width = 975, .height = 465, .tabIndex = 8,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = WireLength.caption,
                       .accessibleDescription = "Wire length of one whole loop; driven element and reflector are the same"},
    ControlDescription{.kind = ControlKind::MultiLineTextBox, .name = "Text8",
                       .text = DrivenElementLength.caption,
                       .left = 7080, .top = 4440, .width = 2535, .height = 495, .tabIndex = 9, .style = Caption,
                       .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = DrivenElementLength.outputField, .text = "00.0",
                       .left = 7920, .top = 5040, .width = 975, .height = 375, .tabIndex = 10,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = DrivenElementLength.caption,
                       .accessibleDescription = "Driven element length from the centre to the tip"},
    ControlDescription{.kind = TextBox, .name = "Text10", .text = "SEE GAMMA DETAILS  FOR A,B,C",
                       .left = 4560, .top = 6360, .width = 3015, .height = 255, .tabIndex = 11, .style = Caption,
                       .accessibleName = "Note"},
    ControlDescription{.kind = TextBox, .name = "Text11", .text = SideA.caption,
                       .left = 7680, .top = 5760, .width = 375, .height = 375, .tabIndex = 12,
                       .style = Caption, .fontPoints = 13.5, .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = "Text12", .text = SideB.caption,
                       .left = 7680, .top = 6240, .width = 375, .height = 375, .tabIndex = 13,
                       .style = Caption, .fontPoints = 13.5, .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = "Text13", .text = SideC.caption,
                       .left = 7680, .top = 6720, .width = 375, .height = 375, .tabIndex = 14,
                       .style = Caption, .fontPoints = 13.5, .accessibleName = CaptionName},
    ControlDescription{.kind = TextBox, .name = SideA.outputField, .text = "00.0",
                       .left = 8400, .top = 5760, .width = 855, .height = 375, .tabIndex = 15,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = SideA.caption,
                       .accessibleDescription = "Folded section side A, rising from the element"},
    ControlDescription{.kind = TextBox, .name = SideB.outputField, .text = "00.0",
                       .left = 8400, .top = 6240, .width = 855, .height = 375, .tabIndex = 16,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = SideB.caption,
                       .accessibleDescription = "Folded section side B, falling to the boom; it carries the gamma"},
    ControlDescription{.kind = TextBox, .name = SideC.outputField, .text = "00.0",
                       .left = 8400, .top = 6720, .width = 855, .height = 375, .tabIndex = 17,
                       .style = Field, .fontPoints = 13.5,
                       .accessibleName = SideC.caption,
                       .accessibleDescription = "Folded section distance C along the boom from the insulator"},
    ControlDescription{.kind = ControlKind::PictureBox, .name = "Picture1",
                       .left = 120, .top = 480, .width = 3015, .height = 5535, .tabIndex = 18,
                       .picture = Assets::AntennaDrawing,
                       .accessibleName = "Antenna drawing",
                       .accessibleDescription = "A two-element quad: two diamond wire loops on crossed spreaders at the "
                                                "ends of a boom on a mast, with the folded sections around the driven "
                                                "element"},
    ControlDescription{.kind = ControlKind::MultiLineTextBox, .name = "Text17", .text = History,
                       .left = 3360, .top = 480, .width = 3855, .height = 5535, .tabIndex = 19,
                       .accessibleName = "History of the design"},
    ControlDescription{.kind = ControlKind::Button, .name = "Command3", .text = "WEBSITE",
                       .left = 0, .top = 6240, .width = 1215, .height = 495, .tabIndex = 20,
                       .onClick = [](QWidget&) { Application::instance().showSingleInstance(web::Description); }},
    ControlDescription{.kind = ControlKind::Button, .name = "Command4", .text = "EXIT",
                       .left = 1320, .top = 6240, .width = 1095, .height = 495, .tabIndex = 21,
                       .onClick = [](QWidget&) { endProgram(); }},
    ControlDescription{.kind = ControlKind::Button, .name = "Command5", .text = "GAMMA DETAILS",
                       .left = 2520, .top = 6240, .width = 1935, .height = 495, .tabIndex = 22,
                       .onClick = [](QWidget&) { Application::instance().showSingleInstance(Fold::Description); }},
};
// clang-format on

// What a result measures, as assistive technology describes its field.
std::string_view measureOf(const Dimension& dimension)
{
    return std::ranges::find(Controls, dimension.outputField, &ControlDescription::name)->accessibleDescription;
}

void calculateIn(LengthUnit unit, QWidget& form)
{
    WindowFields fields(form);
    CalculateDimensions(unit, fields);
    // A listener hears every result with its unit, and all six at once.
    const std::string units = unit == LengthUnit::Inch ? "inches" : "centimetres";
    std::string results = "Results in " + units + ":";
    std::string_view separator = " ";
    for (const Dimension& dimension : DimensionTable) {
        describeControl(form, dimension.outputField, "In " + units + ". " + std::string(measureOf(dimension)));
        results += std::string(separator) + asOneLine(dimension.caption).toStdString() + " "
            + fields.text(dimension.outputField);
        separator = ", ";
    }
    announce(form, results + ".");
}

} // namespace

constinit const WindowDescription Description{
    .name = "Form1",
    .caption = "VEVUZORO(tm)",
    .clientWidth = 9885,
    .clientHeight = 7095,
    .background = SystemColour::InactiveBorder,
    .controls = Controls,
};

} // namespace Form1
