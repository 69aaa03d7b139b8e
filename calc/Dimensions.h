// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

namespace HostRuntime {
class Fields;
}

enum class LengthUnit { Inch, Centimetre };

// One construction dimension: a fixed fraction of the free-space wavelength.
struct Dimension {
    std::string_view caption; // its caption box's text, lines ended by CR LF where it has two
    double wavelengthFraction;
    std::string_view outputField; // control name of the main window's field
};

// The six dimensions: the one place that names their fields and captions.
inline constexpr Dimension ElementSpacing{"ELEMENT SPACING", 0.12833, "Text5"};
inline constexpr Dimension WireLength{"WIRE LENGTH", 1.0468, "Text7"};
inline constexpr Dimension DrivenElementLength{"DRIVEN ELEMENT LENGTH\r\nCENTER TO TIP\r\n", 0.1833, "Text9"};
inline constexpr Dimension SideA{"A", 0.0397, "Text14"};
inline constexpr Dimension SideB{"B", 0.0728, "Text15"};
inline constexpr Dimension SideC{"C", 0.0827, "Text16"};

// In the order in which the dimensions are computed and written.
inline constexpr std::array DimensionTable{ElementSpacing, WireLength, DrivenElementLength, SideA, SideB, SideC};

// The field holding the frequency in MHz.
inline constexpr std::string_view FrequencyField = "Text3";

// Reads the frequency from its field, stores it in Module1::Frequency and
// writes the six dimensions in the given unit, in table order. A host
// operation that fails raises its run-time error where it happens: fields
// already written keep their new texts, the rest keep their old ones.
void CalculateDimensions(LengthUnit unit, HostRuntime::Fields& fields);
