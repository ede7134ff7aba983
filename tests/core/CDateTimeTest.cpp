// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CArchive.h"
#include "core/CDateTime.h"
#include "core/Clock.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

struct Ymd {
    int year;
    int month;
    int day;
};

// An independent calendar: steps one day forward by month lengths written out
// here, without the day-number formula or the cycle split.
Ymd NextDay(Ymd date) {
    const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
    const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.day < lengths[date.month - 1]) {
        return {date.year, date.month, date.day + 1};
    }
    if (date.month < 12) {
        return {date.year, date.month + 1, 1};
    }
    return {date.year + 1, 1, 1};
}

CDateTime Loaded(std::int32_t dayNumber, std::int32_t secondsOfDay) {
    CArchive out = CArchive::ForStoring();
    out.WriteInt32(dayNumber);
    out.WriteInt32(secondsOfDay);
    CArchive in = CArchive::ForLoading(out.Buffer());
    CDateTime value;
    value.Serialize(in);
    return value;
}

}  // namespace

TEST(DateValue, DayNumbersAndDatesAgreeWithACalendarWalkFromYear1To9999) {
    Ymd walk{1, 1, 1};
    for (int number = CDateTime::kFirstDayNumber; number <= CDateTime::kLastDayNumber; ++number) {
        ASSERT_EQ(CDateTime::GetDayNumber(walk.year, walk.month, walk.day), number)
            << walk.year << "-" << walk.month << "-" << walk.day;
        const CDateTime fromNumber = Loaded(number, 0);
        ASSERT_EQ(fromNumber.GetYear(), walk.year) << "day number " << number;
        ASSERT_EQ(fromNumber.GetMonth(), walk.month) << "day number " << number;
        ASSERT_EQ(fromNumber.GetDay(), walk.day) << "day number " << number;
        ASSERT_EQ(fromNumber.GetDayOfWeek(), (number + 6) % 7);
        walk = NextDay(walk);
    }
    EXPECT_EQ(walk.year, 10000);
}

TEST(DateValue, InvalidDatesHaveDayNumberZero) {
    const std::vector<Ymd> invalid = {
        {2007, 13, 1},
        {2007, 0, 1},
        {2007, 4, 31},
        {-1, 1, 1},
        {2007, 1, 0},
        {1900, 2, 29},
        {2007, 2, 29},
        {2007, 1, -5},
        {std::numeric_limits<int>::max(), 1, 1},
        {5879611, 12, 31},
        {std::numeric_limits<int>::min(), 1, 1},
    };
    for (const Ymd& date : invalid) {
        EXPECT_EQ(CDateTime::GetDayNumber(date.year, date.month, date.day), 0)
            << date.year << "-" << date.month << "-" << date.day;
    }
}

TEST(DateValue, KnownDayNumbersAndWeekdays) {
    struct Case {
        Ymd date;
        int dayNumber;
        int weekday;
    };
    const std::vector<Case> cases = {
        {{1, 1, 1}, 1, 0},         {{2007, 1, 1}, 732677, 0}, {{9999, 12, 31}, 3652059, 4},
        {{0, 1, 1}, 1, 0},      // year 0 counts from 1 like year 1
        {{0, 12, 31}, 366, 1},  // and is a leap year
        {{2024, 6, 9}, 739046, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CDateTime::GetDayNumber(c.date.year, c.date.month, c.date.day), c.dayNumber);
        EXPECT_EQ(CDateTime::GetDayOfWeek(c.date.year, c.date.month, c.date.day), c.weekday);
    }
}

TEST(DateValue, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(CDateTime::IsLeapYear(0));
    EXPECT_TRUE(CDateTime::IsLeapYear(2000));
    EXPECT_TRUE(CDateTime::IsLeapYear(2008));
    EXPECT_FALSE(CDateTime::IsLeapYear(1900));
    EXPECT_FALSE(CDateTime::IsLeapYear(2007));
    EXPECT_EQ(CDateTime::GetDaysInMonth(2000, 2), 29);
    EXPECT_EQ(CDateTime::GetDaysInMonth(1900, 2), 28);
    EXPECT_EQ(CDateTime::GetDaysInMonth(2007, 12), 31);
    EXPECT_EQ(CDateTime::GetDaysInMonth(2007, 13), 0);
    EXPECT_EQ(CDateTime::GetDaysInMonth(-4, 2), 0);
    EXPECT_EQ(CDateTime::GetDayOfYear(2008, 3, 1), 61);
    EXPECT_EQ(CDateTime::GetDayOfYear(2007, 3, 1), 60);
    EXPECT_EQ(CDateTime::GetDayOfYear(2007, 12, 31), 365);
    EXPECT_EQ(CDateTime::GetDayOfYear(2007, 13, 1), 0);
    EXPECT_EQ(CDateTime::GetDayOfYear(2007, 12, std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

TEST(DateValue, SettersRefuseInvalidValuesAndChangeNothing) {
    CDateTime value(2007, 4, 5);
    value.SetTime(10, 20, 30);
    const CDateTime before = value;
    EXPECT_FALSE(value.SetDate(1900, 2, 29));
    EXPECT_FALSE(value.SetDate(2007, 2, 29));
    EXPECT_FALSE(value.SetTime(24, 0, 0));
    EXPECT_FALSE(value.SetTime(12, 60, 0));
    EXPECT_FALSE(value.SetTime(12, 0, -1));
    EXPECT_TRUE(value == before);
    EXPECT_EQ(value.GetDay(), 5);
    EXPECT_EQ(value.GetHour(), 10);

    EXPECT_TRUE(value.SetDate(2000, 2, 29));
    EXPECT_EQ(value.GetSecondsOfDay(), 10 * 3600 + 20 * 60 + 30);  // time kept
    EXPECT_TRUE(value.SetTime(23, 59, 59));
    EXPECT_EQ(value.GetSecondsOfDay(), 86399);

    // A valid date with an invalid time: the date stays set.
    EXPECT_FALSE(value.SetDateTime(2010, 1, 2, 25, 0, 0));
    EXPECT_EQ(value.GetYear(), 2010);
    EXPECT_EQ(value.GetSecondsOfDay(), 86399);
}

TEST(DateValue, IsoWeekNumbers) {
    struct Case {
        Ymd date;
        int week;
    };
    const std::vector<Case> cases = {
        {{2007, 12, 31}, 1}, {{2008, 12, 29}, 1},  {{2010, 1, 1}, 53},   {{2010, 1, 3}, 53},
        {{2010, 1, 4}, 1},   {{2004, 12, 31}, 53}, {{2009, 12, 31}, 53}, {{2005, 1, 2}, 53},
        {{2005, 1, 3}, 1},   {{2023, 12, 31}, 52}, {{2021, 1, 3}, 53},   {{2007, 4, 5}, 14},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CDateTime::GetWeekOfYear(c.date.year, c.date.month, c.date.day), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day;
        EXPECT_EQ(CDateTime(c.date.year, c.date.month, c.date.day).GetWeekOfYear(), c.week);
    }
}

// ISO 8601 directly from its definition: a week belongs to the year of its
// Thursday, and week 1 is the one holding 4 January.
TEST(DateValue, IsoWeeksMatchTheThursdayRuleFrom1600To2400) {
    for (int year = 1600; year <= 2400; ++year) {
        const int jan4 = CDateTime::GetDayNumber(year, 1, 4);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= CDateTime::GetDaysInMonth(year, m); ++d) {
                const int number = CDateTime::GetDayNumber(year, m, d);
                const int thursday = number - (number + 6) % 7 + 3;
                const CDateTime thursdayDate = Loaded(thursday, 0);
                const int weekYear = thursdayDate.GetYear();
                const int weekYearJan4 = weekYear == year ? jan4 : CDateTime::GetDayNumber(weekYear, 1, 4);
                const int firstMonday = weekYearJan4 - (weekYearJan4 + 6) % 7;
                const int expected = (thursday - firstMonday) / 7 + 1;
                ASSERT_EQ(CDateTime::GetWeekOfYear(year, m, d), expected) << year << "-" << m << "-" << d;
            }
        }
    }
}

TEST(DateValue, WholeDaySpansMoveAcrossMonthAndYearEnds) {
    const CDateTimeSpan oneDay(1, 0, 0, 0);
    struct Case {
        Ymd start;
        bool add;
        CDateTimeSpan span;
        Ymd expected;
    };
    const std::vector<Case> cases = {
        {{2007, 12, 31}, true, oneDay, {2008, 1, 1}},
        {{2008, 3, 1}, false, oneDay, {2008, 2, 29}},
        {{2007, 3, 1}, false, oneDay, {2007, 2, 28}},
        {{2007, 4, 5}, true, CDateTimeSpan(-3, 0, 0, 0), {2007, 4, 2}},
        {{2007, 4, 5}, false, CDateTimeSpan(-3, 0, 0, 0), {2007, 4, 8}},
        {{2000, 1, 1}, true, CDateTimeSpan(366, 0, 0, 0), {2001, 1, 1}},
        {{2007, 1, 1}, true, CDateTimeSpan(0, 24, 0, 0), {2007, 1, 2}},
    };
    for (const Case& c : cases) {
        CDateTime value(c.start.year, c.start.month, c.start.day);
        if (c.add) {
            value += c.span;
        } else {
            value -= c.span;
        }
        EXPECT_TRUE(value == CDateTime(c.expected.year, c.expected.month, c.expected.day)) << value.Dump();
    }
    EXPECT_EQ(CDateTimeSpan(-3, 0, 0, 0).GetDays(), -3);
}

TEST(DateValue, PartDaySpansCarryIntoTheDayInBothDirections) {
    CDateTime value;
    value.SetDateTime(2007, 1, 1, 23, 0, 0);
    value += CDateTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(value.Dump(), "02.01.2007, 01:00:00");
    value += CDateTimeSpan(0, -2, 0, 0);  // a negative span: borrows from the day
    EXPECT_EQ(value.Dump(), "01.01.2007, 23:00:00");
    value -= CDateTimeSpan(0, -2, 0, 0);  // subtracting a negative span: carries
    EXPECT_EQ(value.Dump(), "02.01.2007, 01:00:00");
    value -= CDateTimeSpan(0, 1, 30, 0);
    EXPECT_EQ(value.Dump(), "01.01.2007, 23:30:00");
}

TEST(DateValue, ComparisonAndDifference) {
    CDateTime early;
    early.SetDateTime(2007, 4, 5, 12, 0, 0);
    CDateTime late;
    late.SetDateTime(2007, 4, 5, 12, 0, 1);
    EXPECT_TRUE(late > early);
    EXPECT_FALSE(early > late);
    EXPECT_FALSE(early == late);
    EXPECT_EQ((late - early).GetTotalSeconds(), 1);
    EXPECT_EQ((early - late).GetTotalSeconds(), -1);
    EXPECT_EQ((CDateTime(2008, 1, 1) - CDateTime(2007, 1, 1)).GetDays(), 365);
    EXPECT_TRUE(CDateTime(2007, 4, 6) > late);
    EXPECT_TRUE(late.GetDateOnly() == CDateTime(2007, 4, 5));
}

TEST(DateValue, ExtremeSpansStopAtTheEndsOfTheDayNumberRange) {
    const auto huge = CDateTimeSpan::FromSeconds(std::numeric_limits<std::int64_t>::max());
    const auto hugeNegative = CDateTimeSpan::FromSeconds(std::numeric_limits<std::int64_t>::min());
    CDateTime value(2007, 4, 5);
    value += huge;
    EXPECT_EQ(value.GetDayNumber(), std::numeric_limits<std::int32_t>::max());
    EXPECT_GE(value.GetSecondsOfDay(), 0);
    EXPECT_LT(value.GetSecondsOfDay(), 86400);
    value -= huge;
    value -= huge;
    EXPECT_EQ(value.GetDayNumber(), std::numeric_limits<std::int32_t>::min());
    value -= hugeNegative;
    EXPECT_EQ(value.GetDayNumber(), std::numeric_limits<std::int32_t>::max());
    EXPECT_GE(value.GetDayOfWeek(), 0);
    EXPECT_GE(value.GetMonth(), 1);
    EXPECT_LE(value.GetMonth(), 12);

    EXPECT_EQ(huge.GetDays(), std::numeric_limits<int>::max());
    EXPECT_EQ(hugeNegative.GetDays(), std::numeric_limits<int>::min());
    EXPECT_EQ((hugeNegative - huge).GetTotalSeconds(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ((huge - hugeNegative).GetTotalSeconds(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(CDateTimeSpan(std::numeric_limits<int>::min(), std::numeric_limits<int>::min(),
                            std::numeric_limits<int>::min(), std::numeric_limits<int>::min())
                  .GetTotalSeconds(),
              -(((2147483648LL * 24 + 2147483648LL) * 60 + 2147483648LL) * 60 + 2147483648LL));
}

TEST(DateValue, DayNumbersBelowOneFollowTheProlepticCalendar) {
    const CDateTime zero = Loaded(0, 0);
    EXPECT_EQ(zero.Dump(), "31.12.0000, 00:00:00");
    EXPECT_EQ(zero.GetDayOfWeek(), 6);
    const CDateTime lowest = Loaded(std::numeric_limits<std::int32_t>::min(), 0);
    EXPECT_LT(lowest.GetYear(), 0);
    EXPECT_GE(lowest.GetDay(), 1);
    EXPECT_LE(lowest.GetDay(), 31);
    EXPECT_GE(lowest.GetDayOfWeek(), 0);
    EXPECT_LE(lowest.GetDayOfWeek(), 6);
}

TEST(DateValue, SerializeStoresTwoLittleEndianInt32AndLoadingRecomputesFields) {
    CDateTime value;
    value.SetDateTime(2007, 1, 1, 0, 0, 1);
    CArchive out = CArchive::ForStoring();
    value.Serialize(out);
    const std::vector<std::uint8_t> expected = {0x05, 0x2E, 0x0B, 0x00, 0x01, 0x00, 0x00, 0x00};
    EXPECT_EQ(out.Buffer(), expected);  // 732677 = 0x000B2E05, then 1 second

    CArchive in = CArchive::ForLoading(out.Buffer());
    CDateTime loaded;
    loaded.Serialize(in);
    EXPECT_TRUE(loaded == value);
    EXPECT_EQ(loaded.Dump(), "01.01.2007, 00:00:01");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(DateValue, LoadingRefusesDamagedDataAndKeepsTheValue) {
    const CDateTime original(2007, 4, 5);
    for (const std::int32_t badSeconds : {-1, 86400, std::numeric_limits<std::int32_t>::max()}) {
        CArchive out = CArchive::ForStoring();
        out.WriteInt32(732677);
        out.WriteInt32(badSeconds);
        CArchive in = CArchive::ForLoading(out.Buffer());
        CDateTime value = original;
        EXPECT_THROW(value.Serialize(in), CArchiveBadValue) << badSeconds;
        EXPECT_TRUE(value == original);
        EXPECT_EQ(value.GetDay(), 5);
    }
    CArchive shortData = CArchive::ForLoading({1, 2, 3, 4, 5});
    CDateTime value = original;
    EXPECT_THROW(value.Serialize(shortData), CArchiveEndOfData);
    EXPECT_TRUE(value == original);
}

TEST(DateValue, NowReadsTheInstalledClock) {
    CScopedFixedClock clock(CLocalTime{2024, 2, 29, 13, 45, 7});
    const CDateTime now = CDateTime::Now();
    EXPECT_EQ(now.Dump(), "29.02.2024, 13:45:07");
    EXPECT_EQ(now.GetDayOfWeek(), 3);
}

TEST(DateValue, NowFromTheSystemClockIsAPlausibleDate) {
    const CDateTime now = CDateTime::Now();
    EXPECT_GE(now.GetYear(), 2020);
    EXPECT_GT(now.GetDayNumber(), CDateTime::GetDayNumber(2020, 1, 1));
}
