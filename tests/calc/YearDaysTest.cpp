// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/DaySet.h"
#include "calc/YearDays.h"
#include "core/CDateTime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(YearDays, DayNumbersAreThoseOfTheDateValueInEveryYearWithDays) {
    for (int year = -1; year <= 10000; ++year) {
        const CYearDays days(year);
        const bool hasDays = year >= 0 && year <= 9999;
        ASSERT_EQ(days.HasDays(), hasDays) << year;
        for (int month = -1; month <= 13; ++month) {
            ASSERT_EQ(days.DaysInMonth(month), hasDays ? CDateTime::GetDaysInMonth(year, month) : 0) << year;
            for (int day = -1; day <= 32; ++day) {
                const int expected = hasDays ? CDateTime::GetDayNumber(year, month, day) : 0;
                ASSERT_EQ(days.DayNumber(month, day), expected) << year << "-" << month << "-" << day;
            }
        }
        if (hasDays) {
            ASSERT_EQ(days.First(), CDateTime::GetDayNumber(year, 1, 1)) << year;
            ASSERT_EQ(days.Last(), CDateTime::GetDayNumber(year, 12, 31)) << year;
        }
    }
}

TEST(DaySet, WalksItsDaysInOrderAcrossWordBoundaries) {
    const std::vector<int> inserted = {366, 1, 64, 65, 128, 129, 200, 64};
    const std::vector<int> walked = {1, 64, 65, 128, 129, 200, 366};
    CDaySet set;
    for (const int day : inserted) {
        set.Insert(day);
    }
    std::vector<int> days;
    for (int day = set.NextFrom(1); day != 0; day = set.NextFrom(day + 1)) {
        days.push_back(day);
    }
    EXPECT_EQ(days, walked);
    EXPECT_EQ(set.NextFrom(-5), 1);
    EXPECT_EQ(set.NextFrom(367), 0);
    set.Clear();
    EXPECT_EQ(set.NextFrom(1), 0);
}

}  // namespace
