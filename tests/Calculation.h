// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/Dimensions.h"
#include "host/core/Fields.h"
#include "host/core/RuntimeError.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The main window's input and output fields held in memory, with the texts
// the window starts with, or another input.
class MemoryFields : public HostRuntime::Fields {
public:
    explicit MemoryFields(std::string input = "00.0")
    {
        texts.emplace(FrequencyField, std::move(input));
        for (const Dimension& dimension : DimensionTable)
            texts.emplace(dimension.outputField, "00.0");
    }

    std::map<std::string, std::string, std::less<>> texts;

    std::string text(std::string_view control) const override { return at(control); }
    void replaceText(std::string_view control, std::string_view text) override { at(control) = text; }

    // The six results, in the order they are computed, in a list of texts
    // of the caller's choice: Qt's tests take a QStringList.
    template <typename List = std::vector<std::string>>
    List outputs() const
    {
        List results;
        for (const Dimension& dimension : DimensionTable)
            results.push_back(typename List::value_type(at(dimension.outputField).c_str()));
        return results;
    }

private:
    std::string& at(std::string_view control) const
    {
        const auto found = texts.find(control);
        if (found == texts.end())
            throw HostRuntime::RuntimeError(HostRuntime::ErrorKind::FailedControlCall, "no such field");
        return const_cast<std::string&>(found->second);
    }
};

// The run-time error that the operation raised, if it raised one.
std::optional<HostRuntime::RuntimeError> raisedBy(const auto& operation)
{
    try {
        operation();
    } catch (const HostRuntime::RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// The six results at 300 MHz in centimetres: the wavelength is one metre,
// so each is its fraction times 100.
inline constexpr std::array<const char*, 6> CentimetresAt300MHz{"12.833", "104.68", "18.33", "3.97", "7.28", "8.27"};
