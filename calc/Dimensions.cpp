// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/Dimensions.h"

#include "calc/Module1.h"
#include "host/core/Conversions.h"
#include "host/core/Fields.h"
#include "host/core/FloatingPoint.h"

#include <string>

namespace {
// Speed of light in Mm/s, so that it over a frequency in MHz is a wavelength
// in metres. Single precision, as the program has always held it.
constexpr float SpeedOfLight = 300.0f;
constexpr double CentimetresPerMetre = 100.0;
constexpr double CentimetresPerInch = 2.54;
} // namespace

void CalculateDimensions(LengthUnit unit, HostRuntime::Fields& fields)
{
    const std::string input = fields.text(FrequencyField);
    Module1::Frequency = HostRuntime::toSingle(input);

    HostRuntime::FloatingPointStatus arithmetic;
    for (const Dimension& dimension : DimensionTable) {
        // Recomputed for every row: nothing but the frequency carries over.
        const double wavelength = arithmetic.divide(SpeedOfLight, Module1::Frequency);
        arithmetic.check(input); // the divisor is the frequency as typed
        double length =
            arithmetic.multiply(arithmetic.multiply(wavelength, dimension.wavelengthFraction), CentimetresPerMetre);
        if (unit == LengthUnit::Inch)
            length = arithmetic.divide(length, CentimetresPerInch);
        arithmetic.check();
        fields.replaceText(dimension.outputField, HostRuntime::doubleToText(length));
    }
}
