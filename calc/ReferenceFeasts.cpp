// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ReferenceFeasts.h"

#include "core/Weekday.h"

// All divisions truncate toward zero, as the computus tables assume; for
// years >= 0 every operand is non-negative.

namespace {

// Gauss's computus for the Gregorian calendar: Easter Sunday as days after
// 1 March, [21, 55].
int EasterAfterFirstOfMarch(int year) {
    const int k = year / 100;
    const int g = (k - (k - 17) / 25) / 3;  // (k - 17) / 25 is 0 for k < 17
    const int m = (15 + k - k / 4 - g) % 30;
    const int n = (4 + k - k / 4) % 7;
    const int a = year % 19;
    const int b = year % 4;
    const int s = year % 7;
    const int d = (19 * a + m) % 30;                // days from 21 March to the Paschal full moon
    const int e = (2 * b + 4 * s + 6 * d + n) % 7;  // days from there to the Sunday after
    int days = 21 + d + e;                          // 22 March + d + e
    // Easter never falls after 25 April: 26 April becomes 19 April, and 25 April
    // becomes 18 April when the lunar cycle would otherwise repeat the date.
    if (d == 29 && e == 6) {
        days -= 7;
    } else if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19) {
        days -= 7;
    }
    return days;
}

// Julian computus; the Julian date is moved to the Gregorian calendar by a
// fixed 13 days, the difference between the calendars from 1900 to 2099.
// Days after 1 March, [34, 68].
int OrthodoxEasterAfterFirstOfMarch(int year) {
    const int a = year % 19;
    const int b = year % 4;
    const int s = year % 7;
    const int d = (19 * a + 15) % 30;
    const int e = (2 * b + 4 * s + 6 * d + 6) % 7;
    return 34 + d + e;
}

// The fourth Sunday before Christmas: 22 days before 25 December when
// Christmas is a Monday, up to 28 days when it is a Sunday.
int AdventBeforeChristmas(int christmasWeekday) {
    return 22 + christmasWeekday;  // christmasWeekday: 0 = Monday ... 6 = Sunday
}

// 1 March of the year plus the given number of days.
CDateTime DaysAfterFirstOfMarch(int year, int days) {
    CDateTime date(year, 3, 1);
    date += CDateTimeSpan(days, 0, 0, 0);
    return date;
}

}  // namespace

CDateTime GetEasterDate(int year) {
    return DaysAfterFirstOfMarch(year, EasterAfterFirstOfMarch(year));
}

CDateTime GetOrthodoxEasterDate(int year) {
    return DaysAfterFirstOfMarch(year, OrthodoxEasterAfterFirstOfMarch(year));
}

CDateTime GetAdventDate(int year) {
    CDateTime date(year, 12, 25);
    date -= CDateTimeSpan(AdventBeforeChristmas(date.GetDayOfWeek()), 0, 0, 0);
    return date;
}

int GetEasterDayNumber(const CYearDays& year) {
    return year.DayNumber(3, 1) + EasterAfterFirstOfMarch(year.Year());
}

int GetOrthodoxEasterDayNumber(const CYearDays& year) {
    return year.DayNumber(3, 1) + OrthodoxEasterAfterFirstOfMarch(year.Year());
}

int GetAdventDayNumber(const CYearDays& year) {
    const int christmas = year.DayNumber(12, 25);
    return christmas - AdventBeforeChristmas(WeekdayOfDayNumber(christmas));
}
