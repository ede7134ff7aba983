#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The value records of a holiday definition document. Texts are byte strings,
// compared exactly. Weekdays: 0 = Monday ... 6 = Sunday; months 1..12; the
// direction scale: 0 "before", 1 "before/on", 2 "on/after", 3 "after".

// If the holiday falls on a weekday or on another holiday's date, move or drop it.
struct CShiftRule {
    std::int32_t conditionKind = 0;     // 0 = weekday, 1 = another holiday's date
    std::int32_t conditionWeekday = 6;  // Sunday
    std::string conditionHoliday = "EASTER_REF";
    std::int32_t action = 0;            // 0 = to a weekday, 1 = to another holiday, 2 = drop
    std::int32_t shiftCount = 1;
    std::int32_t shiftWeekday = 0;      // Monday
    std::int32_t shiftDirection = 3;    // after
    std::string shiftTarget = "EASTER_REF";

    bool operator==(const CShiftRule&) const = default;
};

// Years of validity, one date rule and its shift rules.
struct CRuleset {
    // Today's day, month and weekday (from the clock) fill the date fields.
    CRuleset();

    std::int32_t validFrom = 1900;
    std::int32_t validTo = 2100;
    std::int32_t interval = 1;
    std::int32_t ruleKind = 0;          // 0 = fixed date, 1 = weekday of month, 2 = relative
    std::int32_t fixedDay = 1;
    std::int32_t fixedMonth = 1;
    std::int32_t weekdayOrdinal = 1;    // 0..3 first..fourth, 4 fifth, 5 last
    std::int32_t monthWeekday = 0;
    std::int32_t weekdayMonth = 1;
    std::int32_t relativeKind = 0;      // 0 = number of days, 1 = weekday
    std::int32_t offsetDays = 0;
    std::int32_t offsetDirection = 0;   // 0 before, anything else after (the editor writes 3)
    std::string offsetReference = "EASTER_REF";
    std::int32_t weekdayCount = 1;
    std::int32_t relativeWeekday = 0;
    std::int32_t weekdayDirection = 0;
    std::string weekdayReference = "EASTER_REF";
    std::vector<CShiftRule> shiftRules;

    bool operator==(const CRuleset&) const = default;
};

struct CHoliday {
    std::string id;
    std::string display;
    std::int32_t referenceOnly = 0;  // 1 = dates are calculated but not listed
    std::vector<CRuleset> rulesets;

    bool operator==(const CHoliday&) const = default;
};
