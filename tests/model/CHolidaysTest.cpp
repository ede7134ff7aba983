// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "core/Clock.h"
#include "model/CHolidays.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CHoliday MakeFixed(const std::string& id, int day, int month) {
    CHoliday holiday;
    holiday.id = id;
    holiday.display = id + " day";
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.fixedDay = day;
    ruleset.fixedMonth = month;
    holiday.rulesets.push_back(ruleset);
    return holiday;
}

std::vector<std::string> IdsOf(const CHolidays& document) {
    std::vector<std::string> ids;
    for (const CHoliday& holiday : document.Holidays()) {
        ids.push_back(holiday.id);
    }
    return ids;
}

// A document with A, B and C, calculated for 2007.
CHolidays MakeAbc() {
    CHolidays document;
    document.SetHoliday(MakeFixed("A", 1, 5));
    document.SetHoliday(MakeFixed("B", 2, 5));
    document.SetHoliday(MakeFixed("C", 3, 5));
    document.GetDayHolidayCount(CDateTime(2007, 1, 1));
    return document;
}

TEST(Document, NewDocumentIsEmptyWithDefaults) {
    const CHolidays document;
    EXPECT_EQ(document.GetHolidayCount(), 0);
    EXPECT_EQ(document.GetVersion(), 100);
    EXPECT_EQ(document.GetCalcYear(), 0);
    EXPECT_EQ(document.GetLanguage(), GetUserDefaultLCID());
}

TEST(Document, ClearRestoresDefaultsAndEmptiesTables) {
    CHolidays document = MakeAbc();
    document.SetLanguage(0x0407);
    document.SetVersion(7);
    ASSERT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 1)), 1);

    document.Clear();

    EXPECT_EQ(document.GetHolidayCount(), 0);
    EXPECT_EQ(document.GetVersion(), 100);
    EXPECT_EQ(document.GetCalcYear(), 0);
    EXPECT_EQ(document.GetLanguage(), GetUserDefaultLCID());
    EXPECT_EQ(document.Calculation().Occurrences("A"), nullptr);
    EXPECT_EQ(document.Calculation().Occurrences("EASTER_REF"), nullptr);
}

TEST(Document, SetHolidayWithExistingIdReplacesInPlace) {
    CHolidays document = MakeAbc();
    document.SetHoliday(MakeFixed("B", 9, 5));

    EXPECT_EQ(IdsOf(document), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(document.GetHoliday(1).rulesets[0].fixedDay, 9);
    // and recalculated the held year
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 2)), 0);
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 9)), 1);
}

TEST(Document, SetHolidayWithNewIdAppendsEvenIfItSortsEarlier) {
    CHolidays document = MakeAbc();
    document.SetHoliday(MakeFixed("0", 4, 5));
    EXPECT_EQ(IdsOf(document), (std::vector<std::string>{"A", "B", "C", "0"}));
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 4)), 1);
}

TEST(Document, RemoveFirstKeepsOrderOfTheOthersAndRecalculates) {
    CHolidays document = MakeAbc();
    document.RemoveHoliday("A");
    EXPECT_EQ(IdsOf(document), (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(document.FindHoliday("B"), 0);
    EXPECT_EQ(document.FindHoliday("C"), 1);
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 1)), 0);
}

TEST(Document, RemoveAndRenameOfUnknownIdChangeNothing) {
    CHolidays document = MakeAbc();
    const std::vector<CHoliday> before = document.Holidays();
    document.RemoveHoliday("a");
    document.RenameHoliday("X", "Y");
    EXPECT_EQ(document.Holidays(), before);
}

TEST(Document, RenameKeepsReferencesToTheOldId) {
    CHolidays document;
    document.SetHoliday(MakeFixed("A", 1, 5));
    CHoliday relative = MakeFixed("R", 1, 1);
    relative.rulesets[0].ruleKind = 2;
    relative.rulesets[0].offsetDays = 1;
    relative.rulesets[0].offsetDirection = 3;
    relative.rulesets[0].offsetReference = "A";
    document.SetHoliday(relative);
    ASSERT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 2)), 1);

    document.RenameHoliday("A", "B");

    EXPECT_EQ(document.GetHoliday(0).id, "B");
    EXPECT_EQ(document.GetHoliday(0).rulesets, MakeFixed("A", 1, 5).rulesets);
    EXPECT_EQ(document.GetHoliday(1).rulesets[0].offsetReference, "A");
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2007, 5, 2)), 0);
    EXPECT_EQ(document.Calculation().Occurrences("R"), nullptr);
}

TEST(Document, FindHolidayIsCaseSensitive) {
    const CHolidays document = MakeAbc();
    EXPECT_EQ(document.FindHoliday("B"), 1);
    EXPECT_EQ(document.FindHoliday("b"), -1);
    EXPECT_EQ(document.FindHoliday(""), -1);
}

TEST(Document, ReferenceIds) {
    EXPECT_EQ(CHolidays::GetReferenceCount(), 3);
    EXPECT_EQ(CHolidays::GetReferenceId(0), "EASTER_REF");
    EXPECT_EQ(CHolidays::GetReferenceId(1), "ORTHODOX_EASTER_REF");
    EXPECT_EQ(CHolidays::GetReferenceId(2), "ADVENT_REF");
    EXPECT_EQ(CHolidays::GetReferenceId(3), "");
    EXPECT_EQ(CHolidays::GetReferenceId(-1), "");
    EXPECT_TRUE(CHolidays::IsReferenceId("ADVENT_REF"));
    EXPECT_FALSE(CHolidays::IsReferenceId("advent_ref"));
    EXPECT_FALSE(CHolidays::IsReferenceId("ADVENT_REF "));
}

TEST(Document, GetHolidayOutsideTheListGivesAnEmptyHoliday) {
    const CHolidays document = MakeAbc();
    EXPECT_EQ(document.GetHoliday(3), CHoliday{});
    EXPECT_EQ(document.GetHoliday(-1), CHoliday{});
}

TEST(Document, NewRulesetTakesTodaysDayMonthAndWeekday) {
    const CRuleset ruleset = NewRulesetOn(CDateTime(2024, 5, 15));  // a Wednesday
    EXPECT_EQ(ruleset.fixedDay, 15);
    EXPECT_EQ(ruleset.fixedMonth, 5);
    EXPECT_EQ(ruleset.weekdayMonth, 5);
    EXPECT_EQ(ruleset.monthWeekday, 2);
    EXPECT_EQ(ruleset.relativeWeekday, 2);
    // the other defaults
    EXPECT_EQ(ruleset.validFrom, 1900);
    EXPECT_EQ(ruleset.validTo, 2100);
    EXPECT_EQ(ruleset.interval, 1);
    EXPECT_EQ(ruleset.weekdayOrdinal, 1);
    EXPECT_EQ(ruleset.offsetReference, "EASTER_REF");
    EXPECT_EQ(ruleset.weekdayReference, "EASTER_REF");
    EXPECT_EQ(ruleset.weekdayCount, 1);
}

// The day comes from whoever makes the ruleset; a ruleset itself is a plain
// value that never reads the clock.
TEST(Document, EveryNewRulesetTakesTheDayItIsMadeOn) {
    const CRuleset first = NewRulesetOn(CDateTime(2024, 5, 15));
    const CRuleset second = NewRulesetOn(CDateTime(2024, 12, 1));  // a Sunday
    EXPECT_EQ(first.fixedMonth, 5);
    EXPECT_EQ(second.fixedDay, 1);
    EXPECT_EQ(second.fixedMonth, 12);
    EXPECT_EQ(second.relativeWeekday, 6);
    const CScopedFixedClock clock({2024, 5, 15, 10, 30, 0});
    EXPECT_EQ(CRuleset(), MakeFixedRuleset());  // 1 January, a Monday
}

TEST(Document, CopyOfAHolidayIsIndependent) {
    CHolidays document = MakeAbc();
    CHoliday copy = document.GetHoliday(0);
    copy.rulesets[0].shiftRules.push_back(CShiftRule{});
    copy.rulesets[0].shiftRules[0].shiftCount = 5;
    EXPECT_TRUE(document.GetHoliday(0).rulesets[0].shiftRules.empty());
    document.SetHoliday(copy);
    EXPECT_EQ(document.GetHoliday(0).rulesets[0].shiftRules[0].shiftCount, 5);
}

TEST(Document, ChangesRecalculateYearZeroOfANewDocument) {
    CHolidays document;
    document.SetHoliday(MakeFixed("A", 1, 5));
    EXPECT_EQ(document.GetCalcYear(), 0);
    EXPECT_NE(document.Calculation().Occurrences("A"), nullptr);
}

}  // namespace
