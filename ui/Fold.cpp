// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Fold.h"

#include "assets/Assets.h"

#include <array>

namespace Fold {

namespace {

using namespace HostRuntime;

constexpr std::string_view BuildingNotes =
    "The dipole's length is measured from the bottom\r\n"
    "of the element, where it meets the insulator, up\r\n"
    "to its tip. Insulate the element from the boom and\r\n"
    "mount it just above the boom; adjust its position\r\n"
    "until the wire is tight without bowing the elements.\r\n"
    "The folded sections are bolted together and measured\r\n"
    "between the centres of the bolts. Work out the size of\r\n"
    "the gamma with a gamma match calculator program.\r\n"
    "Side B must be long enough to take the gamma and\r\n"
    "its clamps. If you use an arc instead of the triangle,\r\n"
    "make it as long as A, B and C together, and use\r\n"
    "a longer gamma, as the spacing to the arc changes\r\n"
    "along the curve. You need four folded sections, one\r\n"
    "for each element. The reflector spreaders should be\r\n"
    "non-conductive, for example fibreglass, not metal. The\r\n"
    "commercial model used aluminium tubes with only a\r\n"
    "short tip of fibreglass; a spreader of resonant length\r\n"
    "can throw the whole antenna off tune. Depending\r\n"
    "on the size of your boom and insulator, the driven\r\n"
    "element length may be made longer or shorter to\r\n"
    "adjust the wire, but keep the element plus A, B and\r\n"
    "C equal to the total they had before the adjustment.                      \r\n"
    "   \r\n";

constexpr std::string_view Disclaimer =
    "DISCLAIMER:   The maker of the original commercial antenna was bought by another antenna company,\r\n"
    "which is believed to be still in business. The design may be covered by a patent: you may build one\r\n"
    "for your own use and for research, but not for commercial gain, and that includes building one for\r\n"
    "somebody else for pay. The product name of the antenna and the name of its feed are that company's "
    "trade marks.\r\n";

// clang-format off
// In tab order. Positions and sizes in twips: left, top, width, height.
constexpr std::array Controls{
    ControlDescription{.kind = ControlKind::PictureBox, .name = "Picture1",
                       .left = 120, .top = 120, .width = 3975, .height = 4455, .tabIndex = 0,
                       .picture = Assets::FoldedSectionDiagram,
                       .accessibleName = "Folded section diagram",
                       .accessibleDescription = "Side view of one folded section: side A rises from a bolt on the element, "
                                                "side B falls to a bolt on the boom with the gamma beside it, and C "
                                                "runs along the boom from the insulator to that bolt"},
    ControlDescription{.kind = ControlKind::MultiLineTextBox, .name = "Text1", .text = BuildingNotes,
                       .left = 4320, .top = 120, .width = 3735, .height = 4455, .tabIndex = 1,
                       .accessibleName = "Building notes"},
    ControlDescription{.kind = ControlKind::MultiLineTextBox, .name = "Text2", .text = Disclaimer,
                       .left = 120, .top = 4680, .width = 7935, .height = 1095, .tabIndex = 2,
                       .textColour = SystemColour::Highlight, .accessibleName = "Legal notice"},
};
// clang-format on

} // namespace

constinit const WindowDescription Description{
    .name = "Fold",
    .caption = "Form2",
    .clientWidth = 8100,
    .clientHeight = 5940,
    .controls = Controls,
};

} // namespace Fold
