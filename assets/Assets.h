#pragma once

#include <string_view>

// Where the compiled-in pictures are found.
namespace Assets {

inline constexpr std::string_view AntennaDrawing = ":/assets/antenna.png";
inline constexpr std::string_view FoldedSectionDiagram = ":/assets/fold.png";
// A 32 x 32 pointer; its hot spot is the tip of the index finger.
inline constexpr std::string_view HandPointer = ":/assets/hand.png";
inline constexpr int HandPointerHotSpotX = 13;
inline constexpr int HandPointerHotSpotY = 9;

} // namespace Assets
