// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// Where the compiled-in pictures are found. Each picture and the pointer
// also has a drawing at twice the resolution, its name ending in "@2x".
namespace Assets {

inline constexpr std::string_view AntennaDrawing = ":/assets/antenna.png";
inline constexpr std::string_view FoldedSectionDiagram = ":/assets/fold.png";
// A 32 x 32 pointer; its hot spot is the tip of the index finger.
inline constexpr std::string_view HandPointer = ":/assets/hand.png";
inline constexpr int HandPointerHotSpotX = 13;
inline constexpr int HandPointerHotSpotY = 9;
// A blank window: 32 x 32 in two colours, 32 x 32 and 16 x 16 in sixteen.
inline constexpr std::string_view ApplicationIcon = ":/assets/karvel.ico";

} // namespace Assets
