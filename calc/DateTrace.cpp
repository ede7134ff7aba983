// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/DateTrace.h"

#include <utility>

void CDateTracer::BeginRuleset(int ruleset) {
    currentRuleset = ruleset;
}

void CDateTracer::Collected(int day, int referenceDay) {
    trace.dates.push_back({currentRuleset, day, referenceDay, {}, day});
}

void CDateTracer::Shifted(std::size_t index, int shiftRule, int toDay, bool dropped) {
    CTracedDate& date = trace.dates[index];
    date.shifts.push_back({currentRuleset, shiftRule, date.day, dropped ? date.day : toDay, dropped});
    date.day = dropped ? date.day : toDay;
}

void CDateTracer::EndShiftRules() {
    std::size_t kept = 0;
    for (std::size_t index = 0; index < trace.dates.size(); ++index) {
        if (trace.dates[index].Dropped()) {
            trace.dropped.push_back(std::move(trace.dates[index]));
        } else if (kept++ != index) {
            trace.dates[kept - 1] = std::move(trace.dates[index]);  // never onto itself
        }
    }
    trace.dates.resize(kept);
}
