#include "Fold.h"

#include "Assets.h"
#include "WindowBuilder.h"

#include <array>

namespace Fold {

namespace {

using namespace HostRuntime;

constexpr std::string_view BuildingNotes =
    "The dipole length is measured from the bottom of the\r\n"
    "element, where it meets the insulator, out to its\r\n"
    "tip. Insulate the element from the boom and mount it\r\n"
    "just above the boom; adjust its position until the\r\n"
    "wire is tight without bowing the elements. The folded\r\n"
    "sections are bolted together and measured between\r\n"
    "the centres of the bolts. Work out the size of the\r\n"
    "gamma with a gamma match calculator. Side B must\r\n"
    "be long enough to take the gamma and its clamps. If\r\n"
    "you use an arc instead of the triangle, make it as\r\n"
    "long as A, B and C together, and use a longer gamma,\r\n"
    "as the spacing to the arc changes along the curve.\r\n"
    "You need four folded sections, one for each element.\r\n"
    "The reflector spreaders should be non-conductive,\r\n"
    "for example fibreglass. The commercial model used\r\n"
    "aluminium tubes with only a short fibreglass tip; a\r\n"
    "spreader of resonant length can throw the whole\r\n"
    "antenna off. Depending on the size of your boom and\r\n"
    "insulator, the driven element length may be made\r\n"
    "longer or shorter to adjust the wire, but keep the\r\n"
    "element plus A, B and C equal to the total they had\r\n"
    "before the adjustment.                                                    \r\n"
    "   \r\n";

constexpr std::string_view Disclaimer =
    "DISCLAIMER:   The maker of the original commercial antenna was bought by another antenna company,\r\n"
    "which is believed to be still in business. The design may be covered by a patent: you may build one\r\n"
    "for your own use and for research, but not for commercial gain, and that includes building one for\r\n"
    "somebody else for pay. The product name of the antenna and the name of its feed are that company's "
    "trade marks.\r\n";

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
                       .left = 4320, .top = 120, .width = 3735, .height = 4455, .tabIndex = 1},
    ControlDescription{.kind = ControlKind::MultiLineTextBox, .name = "Text2", .text = Disclaimer,
                       .left = 120, .top = 4680, .width = 7935, .height = 1095, .tabIndex = 2,
                       .textColour = SystemColour::Highlight},
};

} // namespace

const WindowDescription Description{
    .name = "Fold",
    .caption = "Form2",
    .clientWidth = 8100,
    .clientHeight = 5940,
    .controls = Controls,
};

std::unique_ptr<QWidget> create() { return buildWindow(Description); }

} // namespace Fold
