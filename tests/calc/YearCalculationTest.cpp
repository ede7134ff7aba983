// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/YearCalculation.h"
#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "tests/support/RuleBuilders.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using namespace rules;
using Texts = std::vector<std::string>;

struct CDateCase {
    const char* what;
    std::vector<CHoliday> holidays;
    int year;
    std::string id;  // the holiday whose dates are checked
    Texts dates;     // or {"unresolved"}
};

void ExpectDates(const std::vector<CDateCase>& cases) {
    for (const CDateCase& c : cases) {
        SCOPED_TRACE(c.what);
        CYearCalculation calculation;
        calculation.Run(c.holidays, c.year);
        EXPECT_EQ(DatesOf(calculation, c.id), c.dates);
    }
}

const CHoliday kChristmas = Holiday("XMAS", {Fixed(25, 12)});

TEST(YearCalculation, RuleDates) {
    // clang-format off
    ExpectDates({
        {"Whit Monday, 50 days after Easter", {Holiday("T", {DaysFrom(50, kAfter, "EASTER_REF")})}, 2007, "T", {"2007-05-28"}},
        {"Good Friday, 2 days before Easter", {Holiday("T", {DaysFrom(2, kBefore, "EASTER_REF")})}, 2007, "T", {"2007-04-06"}},
        {"any direction but 0 counts forward", {Holiday("T", {DaysFrom(2, 1, "EASTER_REF")})}, 2007, "T", {"2007-04-10"}},
        {"fixed date", {Holiday("T", {Fixed(3, 10)})}, 2007, "T", {"2007-10-03"}},
        {"29 February in a leap year", {Holiday("T", {Fixed(29, 2)})}, 2008, "T", {"2008-02-29"}},
        {"29 February in a common year", {Holiday("T", {Fixed(29, 2)})}, 2007, "T", {}},
        {"31 April", {Holiday("T", {Fixed(31, 4)})}, 2007, "T", {}},
        {"first Monday of September", {Holiday("T", {WeekdayOfMonth(0, kMonday, 9)})}, 2007, "T", {"2007-09-03"}},
        {"fourth Thursday of November", {Holiday("T", {WeekdayOfMonth(3, kThursday, 11)})}, 2007, "T", {"2007-11-22"}},
        {"last Sunday in October", {Holiday("T", {WeekdayOfMonth(5, kSunday, 10)})}, 2007, "T", {"2007-10-28"}},
        {"no fifth Monday in February", {Holiday("T", {WeekdayOfMonth(4, kMonday, 2)})}, 2007, "T", {}},
        {"fifth Thursday in November", {Holiday("T", {WeekdayOfMonth(4, kThursday, 11)})}, 2007, "T", {"2007-11-29"}},
        {"4th Sunday before Christmas is Advent", {kChristmas, Holiday("T", {WeekdayFrom(4, kSunday, kBefore, "XMAS")})}, 2007, "T", {"2007-12-02"}},
        {"Sunday on/after Easter is Easter", {Holiday("T", {WeekdayFrom(1, kSunday, kOnAfter, "EASTER_REF")})}, 2007, "T", {"2007-04-08"}},
        {"Sunday after Easter is a week later", {Holiday("T", {WeekdayFrom(1, kSunday, kAfter, "EASTER_REF")})}, 2007, "T", {"2007-04-15"}},
        {"Sunday before/on Easter is Easter", {Holiday("T", {WeekdayFrom(1, kSunday, kBeforeOn, "EASTER_REF")})}, 2007, "T", {"2007-04-08"}},
        {"Sunday before Easter is Palm Sunday", {Holiday("T", {WeekdayFrom(1, kSunday, kBefore, "EASTER_REF")})}, 2007, "T", {"2007-04-01"}},
        {"second Monday on/after Easter", {Holiday("T", {WeekdayFrom(2, kMonday, kOnAfter, "EASTER_REF")})}, 2007, "T", {"2007-04-16"}},
        {"count 0 and below mean the first", {Holiday("T", {WeekdayFrom(INT_MIN, kMonday, kOnAfter, "EASTER_REF")})}, 2007, "T", {"2007-04-09"}},
        {"unknown rule kind", {Holiday("T", {[] { CRuleset r = Fixed(1, 1); r.ruleKind = 3; return r; }()})}, 2007, "T", {}},
        {"unknown relative kind", {Holiday("T", {[] { CRuleset r = DaysFrom(1, kAfter, "EASTER_REF"); r.relativeKind = 2; return r; }()})}, 2007, "T", {}},
        {"unknown ordinal", {Holiday("T", {WeekdayOfMonth(6, kMonday, 5)})}, 2007, "T", {}},
        {"month 0 of weekday rule", {Holiday("T", {WeekdayOfMonth(0, kMonday, 0)})}, 2007, "T", {}},
        {"month 13 of weekday rule", {Holiday("T", {WeekdayOfMonth(5, kMonday, 13)})}, 2007, "T", {}},
        {"month weekday 7", {Holiday("T", {WeekdayOfMonth(0, 7, 5)})}, 2007, "T", {}},
        {"month weekday -1", {Holiday("T", {WeekdayOfMonth(5, -1, 5)})}, 2007, "T", {}},
        {"relative weekday 7", {Holiday("T", {WeekdayFrom(1, 7, kAfter, "EASTER_REF")})}, 2007, "T", {}},
        {"weekday direction 4 stays on the reference day", {Holiday("T", {WeekdayFrom(1, kMonday, 4, "EASTER_REF")})}, 2007, "T", {"2007-04-08"}},
        {"weekday direction -1 ignores the count", {Holiday("T", {WeekdayFrom(3, kMonday, -1, "EASTER_REF")})}, 2007, "T", {"2007-04-08"}},
        {"weekday 7 with direction 4", {Holiday("T", {WeekdayFrom(1, 7, 4, "EASTER_REF")})}, 2007, "T", {}},
        {"fixed month 13", {Holiday("T", {Fixed(1, 13)})}, 2007, "T", {}},
    });
    // clang-format on
}

TEST(YearCalculation, YearsOfARuleset) {
    const auto everyFourth = [](int interval) {
        return std::vector<CHoliday>{Holiday("T", {Years(Fixed(1, 5), 2000, 2100, interval)})};
    };
    // clang-format off
    ExpectDates({
        {"interval 4 in 2000", everyFourth(4), 2000, "T", {"2000-05-01"}},
        {"interval 4 in 2008", everyFourth(4), 2008, "T", {"2008-05-01"}},
        {"interval 4 not in 2001", everyFourth(4), 2001, "T", {}},
        {"before validFrom", everyFourth(4), 1996, "T", {}},
        {"validTo is inclusive", everyFourth(4), 2100, "T", {"2100-05-01"}},
        {"after validTo", everyFourth(1), 2101, "T", {}},
        {"interval 0 applies in validFrom", everyFourth(0), 2000, "T", {"2000-05-01"}},
        {"interval 0 applies only there", everyFourth(0), 2004, "T", {}},
        {"negative interval counts as positive", everyFourth(-4), 2004, "T", {"2004-05-01"}},
        {"negative interval skips others", everyFourth(-4), 2002, "T", {}},
        {"interval INT_MIN from far back",
         {Holiday("T", {Years(Fixed(1, 5), 2007 + INT_MIN, INT_MAX, INT_MIN)})}, 2007, "T", {"2007-05-01"}},
        {"interval INT_MIN a year later",
         {Holiday("T", {Years(Fixed(1, 5), 2007 + INT_MIN, INT_MAX, INT_MIN)})}, 2008, "T", {}},
        {"validFrom after validTo never applies", {Holiday("T", {Years(Fixed(1, 5), 2010, 2000)})}, 2005, "T", {}},
        {"no applying ruleset: resolved without dates", {Holiday("T", {Years(Fixed(1, 5), 1900, 2005)})}, 2007, "T", {}},
        {"no rulesets: resolved without dates", {Holiday("T", {})}, 2007, "T", {}},
    });
    // clang-format on
}

TEST(YearCalculation, ExtremeCountsAndOffsetsGiveNoDateAndNoOverflow) {
    // clang-format off
    ExpectDates({
        {"INT_MAX days after", {Holiday("T", {DaysFrom(INT_MAX, kAfter, "EASTER_REF")})}, 2007, "T", {}},
        {"INT_MIN days after", {Holiday("T", {DaysFrom(INT_MIN, kAfter, "EASTER_REF")})}, 2007, "T", {}},
        {"INT_MIN days before", {Holiday("T", {DaysFrom(INT_MIN, kBefore, "EASTER_REF")})}, 2007, "T", {}},
        {"a negative count of days before moves forward", {Holiday("T", {DaysFrom(-1, kBefore, "EASTER_REF")})}, 2007, "T", {"2007-04-09"}},
        {"INT_MAX-th Sunday after", {Holiday("T", {WeekdayFrom(INT_MAX, kSunday, kAfter, "EASTER_REF")})}, 2007, "T", {}},
        {"INT_MAX-th Sunday before", {Holiday("T", {WeekdayFrom(INT_MAX, kSunday, kBefore, "EASTER_REF")})}, 2007, "T", {}},
        {"before day number 1", {Holiday("A", {Fixed(1, 1)}), Holiday("T", {DaysFrom(1, kBefore, "A")})}, 1, "T", {}},
        {"after 31 December 9999", {Holiday("A", {Fixed(31, 12)}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 9999, "T", {}},
        {"shift beyond the day numbers removes the date",
         {Holiday("T", {WithShifts(Fixed(1, 1), {OnWeekdayShiftTo(kMonday, INT_MAX, kMonday, kAfter)})})}, 2007, "T", {}},
        {"no dates in a year beyond 9999", {Holiday("T", {Years(Fixed(1, 1), 0, INT_MAX)})}, 10000, "T", {}},
        {"no dates in a negative year", {Holiday("T", {Years(Fixed(1, 1), INT_MIN, 0)})}, -5, "T", {}},
        {"no reference feasts beyond 9999", {}, INT_MAX, "EASTER_REF", {}},
    });
    // clang-format on
}

TEST(YearCalculation, ShiftRules) {
    const auto sundayToMonday = WithShifts(Fixed(25, 12), {OnWeekdayShiftTo(kSunday, 1, kMonday, kAfter)});
    const CHoliday target = Holiday("TARGET", {Fixed(1, 5)});
    // 8 May 2007 is a Tuesday; targets around it.
    const auto nearest = [](std::vector<std::pair<int, int>> targetDays) {
        std::vector<CRuleset> rulesets;
        for (const auto& [day, month] : targetDays) {
            rulesets.push_back(Fixed(day, month));
        }
        CShiftRule onTuesday = OnWeekdayShiftTo(kTuesday, 1, kMonday, kAfter);
        onTuesday.action = 1;
        onTuesday.shiftTarget = "NEAR";
        return std::vector<CHoliday>{Holiday("NEAR", rulesets), Holiday("T", {WithShifts(Fixed(8, 5), {onTuesday})})};
    };
    // clang-format off
    ExpectDates({
        {"Sunday moves to Monday", {Holiday("T", {sundayToMonday})}, 2011, "T", {"2011-12-26"}},
        {"a Tuesday stays", {Holiday("T", {sundayToMonday})}, 2012, "T", {"2012-12-25"}},
        {"dropped on a Saturday", {Holiday("T", {WithShifts(Fixed(1, 1), {OnWeekdayDrop(kSaturday)})})}, 2011, "T", {}},
        {"kept on a Sunday", {Holiday("T", {WithShifts(Fixed(1, 1), {OnWeekdayDrop(kSaturday)})})}, 2012, "T", {"2012-01-01"}},
        {"consecutive drops close the gap",
         {Holiday("T", {Fixed(6, 1), Fixed(13, 1), WithShifts(Fixed(15, 1), {OnWeekdayDrop(kSaturday)})})}, 2007, "T", {"2007-01-15"}},
        {"on Easter moved to another holiday", {target, Holiday("T", {WithShifts(Fixed(8, 4), {OnHolidayMoveTo("EASTER_REF", "TARGET")})})}, 2007, "T", {"2007-05-01"}},
        {"not on Easter stays", {target, Holiday("T", {WithShifts(Fixed(8, 4), {OnHolidayMoveTo("EASTER_REF", "TARGET")})})}, 2008, "T", {"2008-04-08"}},
        {"nearest target wins", nearest({{11, 5}, {7, 5}}), 2007, "T", {"2007-05-07"}},
        {"tie goes to the earlier in the list (later date)", nearest({{10, 5}, {6, 5}}), 2007, "T", {"2007-05-10"}},
        {"tie goes to the earlier in the list (earlier date)", nearest({{6, 5}, {10, 5}}), 2007, "T", {"2007-05-06"}},
        {"target on the day itself", nearest({{1, 1}, {8, 5}}), 2007, "T", {"2007-05-08"}},
        {"target without dates leaves the date", nearest({}), 2007, "T", {"2007-05-08"}},
        {"only the first matching rule acts",
         {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayShiftTo(kTuesday, 1, kWednesday, kAfter), OnWeekdayDrop(kWednesday)})})}, 2007, "T", {"2007-05-09"}},
        {"a later applying ruleset tests all dates again",
         {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayShiftTo(kTuesday, 1, kWednesday, kAfter)}),
                        WithShifts(Fixed(1, 1), {OnWeekdayDrop(kWednesday)})})}, 2007, "T", {"2007-01-01"}},
        {"second Friday before", {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayShiftTo(kTuesday, 2, kFriday, kBefore)})})}, 2007, "T", {"2007-04-27"}},
        {"condition weekday 7 never matches", {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayDrop(7)})})}, 2007, "T", {"2007-05-08"}},
        {"shift weekday 7 does not move", {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayShiftTo(kTuesday, 1, 7, kAfter)})})}, 2007, "T", {"2007-05-08"}},
        {"shift direction 4 does not move", {Holiday("T", {WithShifts(Fixed(8, 5), {OnWeekdayShiftTo(kTuesday, 1, kMonday, 4)})})}, 2007, "T", {"2007-05-08"}},
        {"unknown action keeps the date and stops the rules",
         {Holiday("T", {WithShifts(Fixed(8, 5), {[] { CShiftRule r = OnWeekdayDrop(kTuesday); r.action = 3; return r; }(), OnWeekdayDrop(kTuesday)})})}, 2007, "T", {"2007-05-08"}},
        {"unknown condition kind never matches",
         {Holiday("T", {WithShifts(Fixed(8, 5), {[] { CShiftRule r = OnWeekdayDrop(kTuesday); r.conditionKind = 2; return r; }()})})}, 2007, "T", {"2007-05-08"}},
    });
    // clang-format on
}

TEST(YearCalculation, Resolvability) {
    const auto untilOld2005 = [] { return Holiday("OLD", {Years(Fixed(1, 5), 1900, 2005)}); };
    // clang-format off
    ExpectDates({
        {"reference to an unknown ID", {Holiday("T", {DaysFrom(1, kAfter, "NOBODY")})}, 2007, "T", {"unresolved"}},
        {"references are case-sensitive", {Holiday("a", {Fixed(1, 1)}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 2007, "T", {"unresolved"}},
        {"a holiday referring to itself", {Holiday("T", {DaysFrom(1, kAfter, "T")})}, 2007, "T", {"unresolved"}},
        {"a cycle of two", {Holiday("A", {DaysFrom(1, kAfter, "T")}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 2007, "T", {"unresolved"}},
        {"depending on a cycle", {Holiday("A", {DaysFrom(1, kAfter, "B")}), Holiday("B", {DaysFrom(1, kAfter, "A")}),
                                  Holiday("T", {Fixed(1, 1), DaysFrom(1, kAfter, "A")})}, 2007, "T", {"unresolved"}},
        {"relative to a holiday without dates", {untilOld2005(), Holiday("T", {DaysFrom(3, kAfter, "OLD")})}, 2007, "T", {}},
        {"and one more level", {untilOld2005(), Holiday("M", {DaysFrom(3, kAfter, "OLD")}), Holiday("T", {DaysFrom(1, kAfter, "M")})}, 2007, "T", {}},
        {"a ruleset that does not apply is not looked at", {Holiday("T", {Years(DaysFrom(1, kAfter, "NOBODY"), 1900, 2000), Fixed(1, 1)})}, 2007, "T", {"2007-01-01"}},
        {"a missing condition holiday that is never tested",
         {Holiday("T", {WithShifts(Fixed(30, 2), {OnHolidayMoveTo("NOBODY", "NOBODY")})})}, 2007, "T", {}},
        {"a missing condition holiday that is tested",
         {Holiday("T", {WithShifts(Fixed(1, 3), {OnHolidayMoveTo("NOBODY", "EASTER_REF")})})}, 2007, "T", {"unresolved"}},
        {"a missing target whose rule never matches",
         {Holiday("T", {WithShifts(Fixed(1, 3), {OnHolidayMoveTo("EASTER_REF", "NOBODY")})})}, 2007, "T", {"2007-03-01"}},
        {"a missing target whose rule matches",
         {Holiday("T", {WithShifts(Fixed(8, 4), {OnHolidayMoveTo("EASTER_REF", "NOBODY")})})}, 2007, "T", {"unresolved"}},
        {"a second holiday with the same ID is skipped", {Holiday("T", {Fixed(1, 1)}), Holiday("T", {Fixed(2, 1)})}, 2007, "T", {"2007-01-01"}},
        {"a holiday carrying a reserved ID is skipped", {Holiday("EASTER_REF", {Fixed(1, 1)})}, 2007, "EASTER_REF", {"2007-04-08"}},
        {"dates may leave the year", {Holiday("A", {Fixed(31, 12)}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 2007, "T", {"2008-01-01"}},
        {"two applying rulesets give two dates", {Holiday("T", {Fixed(1, 5), Years(Fixed(1, 5), 2000, 2010)})}, 2007, "T", {"2007-05-01", "2007-05-01"}},
        {"one date per occurrence of the reference", {Holiday("A", {Fixed(1, 5), Fixed(1, 6)}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 2007, "T", {"2007-05-02", "2007-06-02"}},
    });
    // clang-format on
}

TEST(YearCalculation, ReferenceFeastsAreResolvedButNotListed) {
    CYearCalculation calculation;
    calculation.Run({}, 2024);
    EXPECT_EQ(DatesOf(calculation, "EASTER_REF"), Texts{"2024-03-31"});
    EXPECT_EQ(DatesOf(calculation, "ORTHODOX_EASTER_REF"), Texts{"2024-05-05"});
    EXPECT_EQ(DatesOf(calculation, "ADVENT_REF"), Texts{"2024-12-01"});
    EXPECT_EQ(calculation.DayEntryCount(CDateTime(2024, 3, 31).GetDayOfYear()), 0);
    EXPECT_EQ(calculation.HeldDateCount(), 3u);
}

// The IDs listed on a day, in entry order, checked against the displays.
Texts Listed(CHolidays& document, int year, int month, int day) {
    const CDateTime date(year, month, day);
    Texts ids;
    for (int index = 0; index < document.GetDayHolidayCount(date); ++index) {
        std::string display;
        std::string id;
        document.GetDayHoliday(date, index, display, id);
        EXPECT_EQ(display, document.GetHoliday(document.FindHoliday(id)).display);
        ids.push_back(id);
    }
    return ids;
}

TEST(DayTables, HolidaysEnterInTheOrderTheyResolve) {
    CHolidays document = MakeDocument(0x0409, {
                                                  Holiday("A", {DaysFrom(0, kAfter, "B")}),
                                                  Holiday("C", {Fixed(1, 5)}),
                                                  Holiday("B", {Fixed(1, 5)}),
                                                  Holiday("D", {DaysFrom(0, kAfter, "A")}),
                                              });
    // Pass 1 resolves C and B (A and D wait for B and A); pass 2 resolves A,
    // then D after it in the same pass.
    EXPECT_EQ(Listed(document, 2007, 5, 1), (Texts{"C", "B", "A", "D"}));
}

TEST(DayTables, TwoDatesOnOneDayGiveTwoEntries) {
    CHolidays document = MakeDocument(0x0409, {Holiday("T", {Fixed(1, 5), Years(Fixed(1, 5), 2000, 2010)})});
    EXPECT_EQ(Listed(document, 2007, 5, 1), (Texts{"T", "T"}));
}

TEST(DayTables, ReferenceOnlyHolidaysAreNotListedButUsable) {
    CHolidays document = MakeDocument(0x0409, {
                                                  Holiday("R", {Fixed(1, 5)}, true),
                                                  Holiday("T", {DaysFrom(1, kAfter, "R")}),
                                              });
    EXPECT_EQ(Listed(document, 2007, 5, 1), Texts{});
    EXPECT_EQ(Listed(document, 2007, 5, 2), Texts{"T"});
}

TEST(DayTables, OnlyDatesOfTheYearAreListed) {
    CHolidays document = MakeDocument(0x0409, {
                                                  Holiday("A", {Fixed(31, 12)}),
                                                  Holiday("T", {DaysFrom(1, kAfter, "A")}),
                                              });
    EXPECT_EQ(Listed(document, 2007, 12, 31), Texts{"A"});
    EXPECT_EQ(Listed(document, 2007, 1, 1), Texts{});
}

TEST(DayTables, LeapDayReadsDaySixtyAndEveryOtherYearRecalculates) {
    CHolidays document = MakeDocument(0x0409, {Holiday("LEAP", {Fixed(29, 2)}), Holiday("MARCH", {Fixed(1, 3)})});
    EXPECT_EQ(Listed(document, 2007, 3, 1), Texts{"MARCH"});  // day 60 of 2007
    EXPECT_EQ(document.GetCalcYear(), 2007);
    EXPECT_EQ(Listed(document, 2008, 2, 29), Texts{"LEAP"});  // day 60 of 2008
    EXPECT_EQ(document.GetCalcYear(), 2008);
    EXPECT_EQ(Listed(document, 2008, 3, 1), Texts{"MARCH"});
    EXPECT_EQ(Listed(document, 2007, 3, 1), Texts{"MARCH"});
    EXPECT_EQ(document.GetCalcYear(), 2007);
}

TEST(DayTables, IndexOutsideTheDayLeavesBothTextsEmpty) {
    CHolidays document = MakeDocument(0x0409, {Holiday("T", {Fixed(1, 5)})});
    for (const int index : {-1, 1, INT_MAX, INT_MIN}) {
        std::string display = "old";
        std::string id = "old";
        document.GetDayHoliday(CDateTime(2007, 5, 1), index, display, id);
        EXPECT_EQ(display, "");
        EXPECT_EQ(id, "");
    }
}

TEST(DayTables, CycleIsListedNowhereAndCausesNoError) {
    CHolidays document = MakeDocument(0x0409, {
                                                  Holiday("A", {DaysFrom(1, kAfter, "B")}),
                                                  Holiday("B", {DaysFrom(1, kAfter, "A")}),
                                                  Holiday("C", {DaysFrom(1, kAfter, "A")}),
                                                  Holiday("D", {Fixed(1, 1)}),
                                              });
    for (int day = 1; day <= 365; ++day) {
        CDateTime date(2007, 1, 1);
        date += CDateTimeSpan(day - 1, 0, 0, 0);
        const int expected = day == 1 ? 1 : 0;
        ASSERT_EQ(document.GetDayHolidayCount(date), expected) << day;
    }
}

TEST(DayTables, GermanHolidaysOf2024) {
    CHolidays document = MakeGermanHolidays();
    Texts lines;
    CDateTime date(2024, 1, 1);
    while (date.GetYear() == 2024) {
        for (const std::string& id : Listed(document, 2024, date.GetMonth(), date.GetDay())) {
            lines.push_back(fmt::format("{:02}-{:02} {}", date.GetMonth(), date.GetDay(), id));
        }
        date += CDateTimeSpan(1, 0, 0, 0);
    }
    EXPECT_EQ(lines, (Texts{
                         "01-01 NEUJAHR",
                         "03-29 KARFREITAG",
                         "03-31 OSTERSONNTAG",
                         "04-01 OSTERMONTAG",
                         "05-01 TAG_DER_ARBEIT",
                         "05-09 CHRISTI_HIMMELFAHRT",
                         "05-19 PFINGSTSONNTAG",
                         "05-20 PFINGSTMONTAG",
                         "05-30 FRONLEICHNAM",
                         "10-03 TAG_DER_DEUTSCHEN_EINHEIT",
                         "10-31 REFORMATIONSTAG",
                         "11-01 ALLERHEILIGEN",
                         "11-20 BUSS_UND_BETTAG",
                         "12-24 HEILIGABEND",
                         "12-25 WEIHNACHTSTAG_1",
                         "12-26 WEIHNACHTSTAG_2",
                         "12-31 SILVESTER",
                     }));
    EXPECT_EQ(Listed(document, 1989, 10, 3), Texts{});
    EXPECT_EQ(Listed(document, 2023, 11, 22), Texts{"BUSS_UND_BETTAG"});  // 23 November 2023 is a Thursday
    EXPECT_EQ(Listed(document, 2022, 11, 16), Texts{"BUSS_UND_BETTAG"});  // 23 November 2022 is a Wednesday
}

TEST(DateLimit, DoublingChainStopsAtTheLimit) {
    // Level k has two rulesets 0 days after level k-1: 2^k dates, all on 1 January.
    std::vector<CHoliday> levels = {Holiday("L0", {Fixed(1, 1)})};
    for (int level = 1; level <= 24; ++level) {
        const std::string below = "L" + std::to_string(level - 1);
        levels.push_back(
            Holiday("L" + std::to_string(level), {DaysFrom(0, kAfter, below), DaysFrom(0, kAfter, below)}));
    }
    CYearCalculation calculation;
    calculation.Run(levels, 2007);

    EXPECT_EQ(calculation.HeldDateCount(), CYearCalculation::kMaxDates);
    EXPECT_EQ(static_cast<std::size_t>(calculation.DayEntryCount(1)), CYearCalculation::kMaxDates - 3);
    EXPECT_EQ(calculation.Occurrences("L18")->size(), 1u << 18);  // complete
    EXPECT_LT(calculation.Occurrences("L19")->size(), 1u << 19);  // cut at the limit
    ASSERT_NE(calculation.Occurrences("L24"), nullptr);           // still resolved
    EXPECT_TRUE(calculation.Occurrences("L24")->empty());
}

}  // namespace
