// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ReferenceFeasts.h"

#include <gtest/gtest.h>

namespace {

struct MonthDay {
    int month;
    int day;
};

// Anonymous Gregorian computus (Meeus/Jones/Butcher).
MonthDay GregorianEaster(int year) {
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monthDay = h + l - 7 * m + 114;
    return {monthDay / 31, monthDay % 31 + 1};
}

// Meeus's Julian computus, as a Julian calendar date.
MonthDay JulianEaster(int year) {
    const int a = year % 4;
    const int b = year % 7;
    const int c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int monthDay = d + e + 114;
    return {monthDay / 31, monthDay % 31 + 1};
}

CDateTime Date(int year, MonthDay monthDay) {
    return CDateTime(year, monthDay.month, monthDay.day);
}

}  // namespace

TEST(ReferenceFeasts, EasterMatchesTheAnonymousGregorianComputusFrom1583To9999) {
    for (int year = 1583; year <= 9999; ++year) {
        const CDateTime easter = GetEasterDate(year);
        ASSERT_TRUE(easter == Date(year, GregorianEaster(year))) << year << ": " << easter.Dump();
        ASSERT_EQ(easter.GetDayOfWeek(), 6) << year;
        ASSERT_EQ(easter.GetSecondsOfDay(), 0) << year;
    }
}

TEST(ReferenceFeasts, OrthodoxEasterIsJulianEasterPlus13DaysFrom1900To2099) {
    for (int year = 1900; year <= 2099; ++year) {
        CDateTime expected = Date(year, JulianEaster(year));
        expected += CDateTimeSpan(13, 0, 0, 0);
        const CDateTime orthodox = GetOrthodoxEasterDate(year);
        ASSERT_TRUE(orthodox == expected) << year << ": " << orthodox.Dump();
        ASSERT_EQ(orthodox.GetDayOfWeek(), 6) << year;
    }
}

TEST(ReferenceFeasts, AdventIsTheSundayFrom27NovemberTo3December) {
    for (int year = 1; year <= 9999; ++year) {
        const CDateTime advent = GetAdventDate(year);
        ASSERT_EQ(advent.GetDayOfWeek(), 6) << year;
        const int daysToChristmas = (CDateTime(year, 12, 25) - advent).GetDays();
        ASSERT_GE(daysToChristmas, 22) << year;  // the fourth Sunday before Christmas
        ASSERT_LE(daysToChristmas, 28) << year;
        const bool inNovember = advent.GetMonth() == 11 && advent.GetDay() >= 27;
        const bool inDecember = advent.GetMonth() == 12 && advent.GetDay() <= 3;
        ASSERT_TRUE(inNovember || inDecember) << year << ": " << advent.Dump();
    }
}

TEST(ReferenceFeasts, DayNumbersAreThoseOfTheDatesInEveryYearWithDays) {
    for (int year = 0; year <= 9999; ++year) {
        const CYearDays days(year);
        ASSERT_EQ(GetEasterDayNumber(days), GetEasterDate(year).GetDayNumber()) << year;
        ASSERT_EQ(GetOrthodoxEasterDayNumber(days), GetOrthodoxEasterDate(year).GetDayNumber()) << year;
        ASSERT_EQ(GetAdventDayNumber(days), GetAdventDate(year).GetDayNumber()) << year;
    }
}

TEST(ReferenceFeasts, KnownYearsIncludingBothEasterExceptions) {
    struct Case {
        int year;
        MonthDay easter;
        MonthDay orthodox;
        MonthDay advent;
    };
    const Case cases[] = {
        {1954, {4, 18}, {4, 25}, {11, 28}},                                     // d = 28, e = 6: moved
        {1981, {4, 19}, {4, 26}, {11, 29}},                                     // d = 29, e = 6: moved
        {2000, {4, 23}, {4, 30}, {12, 3}},  {2005, {3, 27}, {5, 1}, {11, 27}},  // Christmas on a Sunday
        {2006, {4, 16}, {4, 23}, {12, 3}},                                      // Christmas on a Monday
        {2007, {4, 8}, {4, 8}, {12, 2}},    {2008, {3, 23}, {4, 27}, {11, 30}},
        {2024, {3, 31}, {5, 5}, {12, 1}},   {2038, {4, 25}, {4, 25}, {11, 28}},  // d = 29, e = 5: not moved
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(GetEasterDate(c.year) == Date(c.year, c.easter)) << c.year;
        EXPECT_TRUE(GetOrthodoxEasterDate(c.year) == Date(c.year, c.orthodox)) << c.year;
        EXPECT_TRUE(GetAdventDate(c.year) == Date(c.year, c.advent)) << c.year;
    }
    // d = 28, e = 6, but (11 M + 11) mod 30 = 24: stays on 25 April.
    EXPECT_TRUE(GetEasterDate(1734) == CDateTime(1734, 4, 25));
    // The fixed 13-day offset, one day short of the true 14 in 2100.
    EXPECT_TRUE(GetOrthodoxEasterDate(2100) == CDateTime(2100, 5, 1));
}
