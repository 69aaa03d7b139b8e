// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints the six dimensions in both units, as the main window's fields show
// them, for every 0.01 MHz from 0.01 to 1000 MHz and for the inputs at the
// edges of the conversions and the calculation (errors by kind and
// message). Builds for other processors must print the same bytes:
//   dimension_sweep > sweep.txt
#include "tests/Calculation.h"

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <string>

namespace {

void printDimensions(const std::string& input)
{
    for (const auto& [unit, name] : {std::pair{LengthUnit::Inch, "inch"}, std::pair{LengthUnit::Centimetre, "cm"}}) {
        MemoryFields fields(input);
        std::string line;
        line.append("\"").append(input).append("\" ").append(name).append(":");
        if (const auto error = raisedBy([&] { CalculateDimensions(unit, fields); }))
            line.append(" ").append(error->name()).append(": ").append(error->detail());
        else
            for (const std::string& result : fields.outputs())
                line.append(" ").append(result);
        std::puts(line.c_str());
    }
}

} // namespace

int main()
{
#ifdef _WIN32
    // The same bytes as on every other system: no carriage return before a
    // line's end.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // Typed as a user types them, so that every frequency is the text's own
    // rounding to single precision and nothing accumulates.
    char text[16];
    for (int hundredths = 1; hundredths <= 100'000; ++hundredths) {
        std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
        printDimensions(text);
    }
    for (const char* edge : {"00.0", "-0", "", "twenty", "300", " 28.5 ", "2.85e1", "-3.5", "1e-45", "1.4e-45", "1e-50",
                             "-1e-50", "1.17549435e-38", "3.4028235e38", "3.4028236e38", "1e39", "-1e39"})
        printDimensions(edge);
    return 0;
}
