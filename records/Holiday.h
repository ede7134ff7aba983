// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/Weekday.h"
#include "records/HolidayId.h"

#include <cstdint>
#include <string>
#include <vector>

// The value records of a holiday definition document. Texts are byte strings,
// compared exactly. Weekdays are EWeekday values, months 1..12.
//
// A coded field keeps the stored int32 as it is: the named codes are the
// values the editor offers, and a file may hold any other value, which every
// reader and writer keeps byte for byte.

// The direction scale of relative rules and shift rules.
enum EDirection : std::int32_t { kBefore = 0, kBeforeOn = 1, kOnAfter = 2, kAfter = 3 };

// If the holiday falls on a weekday or on another holiday's date, move or drop it.
struct CShiftRule {
    enum EConditionKind : std::int32_t {
        kOnWeekday = 0,  // the holiday falls on conditionWeekday
        kOnHoliday = 1,  // the holiday falls on a date of conditionHoliday
    };
    enum EAction : std::int32_t {
        kShiftToWeekday = 0,  // the shiftCount-th shiftWeekday in shiftDirection
        kShiftToHoliday = 1,  // the nearest date of shiftTarget
        kDrop = 2,
    };

    std::int32_t conditionKind = kOnWeekday;
    std::int32_t conditionWeekday = kSunday;
    std::string conditionHoliday{kEasterReferenceId};
    std::int32_t action = kShiftToWeekday;
    std::int32_t shiftCount = 1;
    std::int32_t shiftWeekday = kMonday;
    std::int32_t shiftDirection = kAfter;
    std::string shiftTarget{kEasterReferenceId};

    bool operator==(const CShiftRule&) const = default;
};

// Years of validity, one date rule and its shift rules. A plain value: its
// date fields start as 1 January and Monday, and NewRulesetOn gives the
// ruleset the user adds on a day.
struct CRuleset {
    enum ERuleKind : std::int32_t {
        kFixedDate = 0,       // fixedDay, fixedMonth
        kWeekdayOfMonth = 1,  // weekdayOrdinal, monthWeekday, weekdayMonth
        kRelativeDate = 2,    // relativeKind and its fields
    };
    // Which monthWeekday of the month.
    enum EWeekdayOrdinal : std::int32_t { kFirst = 0, kSecond = 1, kThird = 2, kFourth = 3, kFifth = 4, kLast = 5 };
    enum ERelativeKind : std::int32_t {
        kFixedNumberOfDays = 0,  // offsetDays in offsetDirection from offsetReference
        kFixedWeekday = 1,       // the weekdayCount-th relativeWeekday in weekdayDirection from weekdayReference
    };

    std::int32_t validFrom = 1900;
    std::int32_t validTo = 2100;
    std::int32_t interval = 1;
    std::int32_t ruleKind = kFixedDate;
    std::int32_t fixedDay = 1;
    std::int32_t fixedMonth = 1;
    std::int32_t weekdayOrdinal = kSecond;
    std::int32_t monthWeekday = kMonday;
    std::int32_t weekdayMonth = 1;
    std::int32_t relativeKind = kFixedNumberOfDays;
    std::int32_t offsetDays = 0;
    std::int32_t offsetDirection = kBefore;  // the editor offers kBefore and kAfter
    std::string offsetReference{kEasterReferenceId};
    std::int32_t weekdayCount = 1;
    std::int32_t relativeWeekday = kMonday;
    std::int32_t weekdayDirection = kBefore;
    std::string weekdayReference{kEasterReferenceId};
    std::vector<CShiftRule> shiftRules;

    bool operator==(const CRuleset&) const = default;
};

class CDateTime;

// A new ruleset as the user adds it on the day `today`: the defaults above,
// with the day's day of the month in fixedDay, its month in fixedMonth and
// weekdayMonth and its weekday in monthWeekday and relativeWeekday. Whoever
// makes a ruleset for the user passes the day (CDateTime::Now()); a record
// itself never reads the clock, and a ruleset read from a file takes every
// field from the file.
CRuleset NewRulesetOn(const CDateTime& today);

struct CHoliday {
    enum EReferenceOnly : std::int32_t {
        kListed = 0,
        kReferenceOnly = 1,  // its dates are calculated for other rules but not listed
    };

    std::string id;
    std::string display;
    std::int32_t referenceOnly = kListed;
    std::vector<CRuleset> rulesets;

    bool operator==(const CHoliday&) const = default;
};
