// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/Dimensions.h"
#include "host/core/Fields.h"
#include "host/core/RuntimeError.h"

#include <map>
#include <string>

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

private:
    std::string& at(std::string_view control) const
    {
        const auto found = texts.find(control);
        if (found == texts.end())
            throw HostRuntime::RuntimeError(HostRuntime::ErrorKind::FailedControlCall, "no such field");
        return const_cast<std::string&>(found->second);
    }
};
