// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator_view.h"

#include <string>
#include <vector>

namespace tallimax {

// A view that keeps every call the engine makes, in order.
class RecordingView : public CalculatorView
{
public:
    struct Call
    {
        enum Kind { Readout, Action, Warning } kind;
        std::string text;
        std::string title; // warnings only

        bool operator==(const Call &) const = default;
    };

    void SetReadout(const std::string &text) override
    {
        calls.push_back({ Call::Readout, text, {} });
        readout = text;
    }
    void SetAction(const std::string &text) override
    {
        calls.push_back({ Call::Action, text, {} });
        action = text;
    }
    void ShowWarning(const std::string &prompt, const std::string &title) override
    {
        calls.push_back({ Call::Warning, prompt, title });
        ++warnings;
    }

    std::vector<Call> calls;
    // What the window would show: it starts with the design-time texts.
    std::string readout = "0.";
    std::string action = "Action";
    int warnings = 0;
};

} // namespace tallimax
