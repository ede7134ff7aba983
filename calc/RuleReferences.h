// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/Holiday.h"

#include <string>

// The references the calculation looks up. A ruleset and its shift rules hold
// four reference fields, but only those that the rule kind, the condition
// kind and the action select are ever read; the others keep their values.

// offsetReference of a relative date by a fixed number of days,
// weekdayReference of one by a fixed weekday; nullptr for any other rule.
inline const std::string* RuleReference(const CRuleset& ruleset) {
    if (ruleset.ruleKind != CRuleset::kRelativeDate) {
        return nullptr;
    }
    switch (ruleset.relativeKind) {
    case CRuleset::kFixedNumberOfDays: return &ruleset.offsetReference;
    case CRuleset::kFixedWeekday: return &ruleset.weekdayReference;
    default: return nullptr;
    }
}

// conditionHoliday of a condition on another holiday's date, or nullptr.
inline const std::string* ConditionReference(const CShiftRule& rule) {
    return rule.conditionKind == CShiftRule::kOnHoliday ? &rule.conditionHoliday : nullptr;
}

// shiftTarget of a shift to another holiday's date, or nullptr.
inline const std::string* TargetReference(const CShiftRule& rule) {
    return rule.action == CShiftRule::kShiftToHoliday ? &rule.shiftTarget : nullptr;
}
