// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Short ways to write holidays in the calculation tests.

#include "calc/YearCalculation.h"
#include "records/Holiday.h"
#include "tests/support/SampleDocuments.h"

#include <fmt/format.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rules {

using enum EWeekday;
using enum EDirection;

inline CRuleset Fixed(int day, int month) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.fixedDay = day;
    ruleset.fixedMonth = month;
    return ruleset;
}

inline CRuleset WeekdayOfMonth(int ordinal, int weekday, int month) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.ruleKind = CRuleset::kWeekdayOfMonth;
    ruleset.weekdayOrdinal = ordinal;
    ruleset.monthWeekday = weekday;
    ruleset.weekdayMonth = month;
    return ruleset;
}

// `days` after the reference (kAfter), or before it (kBefore).
inline CRuleset DaysFrom(std::int32_t days, std::int32_t direction, std::string reference) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.ruleKind = CRuleset::kRelativeDate;
    ruleset.relativeKind = CRuleset::kFixedNumberOfDays;
    ruleset.offsetDays = days;
    ruleset.offsetDirection = direction;
    ruleset.offsetReference = std::move(reference);
    return ruleset;
}

inline CRuleset WeekdayFrom(std::int32_t count, std::int32_t weekday, std::int32_t direction, std::string reference) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.ruleKind = CRuleset::kRelativeDate;
    ruleset.relativeKind = CRuleset::kFixedWeekday;
    ruleset.weekdayCount = count;
    ruleset.relativeWeekday = weekday;
    ruleset.weekdayDirection = direction;
    ruleset.weekdayReference = std::move(reference);
    return ruleset;
}

inline CRuleset Years(CRuleset ruleset, int from, int to, int interval = 1) {
    ruleset.validFrom = from;
    ruleset.validTo = to;
    ruleset.interval = interval;
    return ruleset;
}

inline CShiftRule OnWeekdayShiftTo(std::int32_t condition, std::int32_t count, std::int32_t weekday,
                                   std::int32_t direction) {
    CShiftRule rule;
    rule.conditionWeekday = condition;
    rule.shiftCount = count;
    rule.shiftWeekday = weekday;
    rule.shiftDirection = direction;
    return rule;
}

inline CShiftRule OnWeekdayDrop(std::int32_t condition) {
    CShiftRule rule;
    rule.conditionWeekday = condition;
    rule.action = CShiftRule::kDrop;
    return rule;
}

inline CShiftRule OnHolidayMoveTo(std::string condition, std::string target) {
    CShiftRule rule;
    rule.conditionKind = CShiftRule::kOnHoliday;
    rule.conditionHoliday = std::move(condition);
    rule.action = CShiftRule::kShiftToHoliday;
    rule.shiftTarget = std::move(target);
    return rule;
}

inline CRuleset WithShifts(CRuleset ruleset, std::vector<CShiftRule> shifts) {
    ruleset.shiftRules = std::move(shifts);
    return ruleset;
}

inline CHoliday Holiday(std::string id, std::vector<CRuleset> rulesets, bool referenceOnly = false) {
    CHoliday holiday;
    holiday.display = id + " display";
    holiday.id = std::move(id);
    holiday.rulesets = std::move(rulesets);
    holiday.referenceOnly = referenceOnly ? CHoliday::kReferenceOnly : CHoliday::kListed;
    return holiday;
}

// The dates of an ID as "YYYY-MM-DD", or {"unresolved"}.
inline std::vector<std::string> DatesOf(const CYearCalculation& calculation, const std::string& id) {
    const std::vector<CDateTime>* dates = calculation.Occurrences(id);
    if (dates == nullptr) {
        return {"unresolved"};
    }
    std::vector<std::string> texts;
    for (const CDateTime& date : *dates) {
        texts.push_back(fmt::format("{:04}-{:02}-{:02}", date.GetYear(), date.GetMonth(), date.GetDay()));
    }
    return texts;
}

}  // namespace rules
