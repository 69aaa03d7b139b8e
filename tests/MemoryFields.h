// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "host/core/Fields.h"
#include "host/core/RuntimeError.h"

#include <map>
#include <string>

// Fields held in memory, with the texts the main window starts with.
class MemoryFields : public HostRuntime::Fields {
public:
    std::map<std::string, std::string, std::less<>> texts{
        {"Text3", "00.0"}, {"Text5", "00.0"}, {"Text7", "00.0"}, {"Text9", "00.0"},
        {"Text14", "00.0"}, {"Text15", "00.0"}, {"Text16", "00.0"}};

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
