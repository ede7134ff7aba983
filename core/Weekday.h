// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Weekdays are numbered 0 = Monday ... 6 = Sunday everywhere: dates, the
// fields of rules, the weekday lists and the locale's day names.
enum EWeekday : std::int32_t { kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

inline constexpr int kDaysPerWeek = 7;

constexpr bool IsWeekday(std::int64_t weekday) {
    return weekday >= kMonday && weekday <= kSunday;
}

// The weekday of a running day number; day number 1 (1 January of year 1) is
// a Monday. Any day number, negative ones included.
constexpr int WeekdayOfDayNumber(std::int64_t dayNumber) {
    const std::int64_t remainder = (dayNumber + 6) % kDaysPerWeek;  // (-7, 7)
    return static_cast<int>(remainder < 0 ? remainder + kDaysPerWeek : remainder);
}

static_assert(WeekdayOfDayNumber(1) == kMonday && WeekdayOfDayNumber(0) == kSunday &&
              WeekdayOfDayNumber(-6) == kMonday);
