// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// What the form shows: a holiday of the document (by the bytes of its ID),
// one of its rulesets and one shift rule of that ruleset, as positions. The
// operations keep the three consistent: choosing a holiday forgets the
// ruleset, choosing a ruleset forgets the shift rule, and without a ruleset
// there is no shift rule.
class CSelection {
public:
    static constexpr int kNone = -1;

    // The shown holiday's ID; nothing when no holiday is shown. An empty ID
    // is a holiday's ID like any other: a file may hold one.
    const std::optional<std::string>& Holiday() const { return holiday; }
    // The shown holiday's ID, "" when none is shown.
    const std::string& HolidayId() const {
        static const std::string none;
        return holiday ? *holiday : none;
    }
    int Ruleset() const { return ruleset; }
    int ShiftRule() const { return shiftRule; }

    void ChooseHoliday(std::optional<std::string> id) {
        holiday = std::move(id);
        ruleset = kNone;
        shiftRule = kNone;
    }
    // Needs a holiday; kNone forgets the ruleset.
    void ChooseRuleset(int index) {
        ruleset = holiday && index >= 0 ? index : kNone;
        shiftRule = kNone;
    }
    // Needs a ruleset; kNone forgets the shift rule.
    void ChooseShiftRule(int index) { shiftRule = ruleset != kNone && index >= 0 ? index : kNone; }
    void Clear() { ChooseHoliday(std::nullopt); }

    bool operator==(const CSelection&) const = default;

private:
    std::optional<std::string> holiday;
    int ruleset = kNone;
    int shiftRule = kNone;
};
