// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

// Where the dates of one holiday come from, as its evaluation for a year
// computes them (CYearCalculation::TraceHoliday). Days are day numbers
// (CDateTime::GetDayNumber).

// A shift rule that matched a date.
struct CTracedShift {
    int ruleset = 0;    // 0-based index of the ruleset that holds the shift rule
    int shiftRule = 0;  // 0-based index of the shift rule in that ruleset
    int fromDay = 0;    // the day it matched
    int toDay = 0;      // the day after its action; fromDay when the action left it (or dropped it)
    bool dropped = false;
};

// One date of the holiday: the rule that gave it and what the shift rules did to it.
struct CTracedDate {
    int ruleset = 0;                   // 0-based index of the ruleset whose rule gave the date
    int ruleDay = 0;                   // the day the rule gave
    int referenceDay = 0;              // a relative rule: the date of its reference it was computed from; else 0
    std::vector<CTracedShift> shifts;  // in the order they acted; a dropped date ends with the one that dropped it
    int day = 0;                       // the day after the shifts (the day it was dropped from, if dropped)

    bool Dropped() const { return !shifts.empty() && shifts.back().dropped; }
};

// What the tracer gives: the holiday's dates in the order of its occurrence
// list, and the dates its shift rules dropped, in the order they were dropped.
struct CHolidayTrace {
    std::vector<CTracedDate> dates;
    std::vector<CTracedDate> dropped;
};

// Records the events of one evaluation. The evaluation collects days at the
// end of a list and lets shift rules move or drop them; the tracer keeps one
// record per collected day, parallel to that list. Its members are defined
// out of line, so that the calculation's evaluation, which calls them only
// when it is traced, stays as small as it was.
class CDateTracer {
public:
    // The applying ruleset whose rule and shift rules come next.
    void BeginRuleset(int ruleset);

    // The rule of the current ruleset collected a day; `referenceDay`: the
    // day of the reference a relative rule computed it from, else 0.
    void Collected(int day, int referenceDay);

    // Shift rule `shiftRule` of the current ruleset matched the collected day
    // at `index` (counted from the holiday's first collected day, before any
    // of this pass's drops) and moved it to `toDay`, or dropped it.
    void Shifted(std::size_t index, int shiftRule, int toDay, bool dropped);

    // The shift rules of the current ruleset went over every collected day:
    // the list closes the gaps of the dropped days, keeping the order.
    void EndShiftRules();

    CHolidayTrace& Trace() { return trace; }

private:
    int currentRuleset = 0;
    CHolidayTrace trace;
};
