// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The days of one year as day numbers (CDateTime::GetDayNumber), for
// computing many dates of the year without validating and dividing for each
// as a date value does. Years outside 0..9999 have no days here.
class CYearDays {
public:
    CYearDays() = default;  // a year without days
    explicit CYearDays(int year);

    int Year() const { return year; }
    bool HasDays() const { return first <= last; }
    int First() const { return first; }  // day number of 1 January
    int Last() const { return last; }    // day number of 31 December
    bool Contains(std::int64_t day) const { return day >= first && day <= last; }

    // 0 for a month outside 1..12, and in a year without days.
    int DaysInMonth(std::int32_t month) const {
        if (!HasDays() || month < 1 || month > 12) {
            return 0;
        }
        return kDaysInMonth[static_cast<std::size_t>(month)] + (month == 2 && leap ? 1 : 0);
    }

    // The day number of (month, day), or 0 when the year has no such date.
    // Counted from 1 January: the days before the month, then the day, as a
    // date value numbers the days of a year from its 1 January.
    int DayNumber(std::int32_t month, std::int32_t day) const {
        if (day < 1 || day > DaysInMonth(month)) {
            return 0;
        }
        const int leapDay = month > 2 && leap ? 1 : 0;
        return first + kDaysBeforeMonth[static_cast<std::size_t>(month)] + leapDay + day - 1;
    }

private:
    // Indexed by month 1..12 of a common year; index 0 holds 0.
    static constexpr std::array<int, 13> kDaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    static constexpr std::array<int, 13> kDaysBeforeMonth = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

    int year = 0;
    int first = 1;
    int last = 0;
    bool leap = false;
};
