// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DocumentCheck.h"
#include "model/ReferenceCycles.h"
#include "tests/support/RuleBuilders.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

CHoliday Fixed(const std::string& id, int day = 1, int month = 1) {
    return rules::Holiday(id, {rules::Fixed(day, month)});
}

CHoliday DaysAfter(const std::string& id, const std::string& reference) {
    CHoliday holiday = Fixed(id);
    holiday.rulesets[0].ruleKind = 2;
    holiday.rulesets[0].offsetDirection = 3;
    holiday.rulesets[0].offsetDays = 1;
    holiday.rulesets[0].offsetReference = reference;
    return holiday;
}

std::vector<std::string> Lines(const std::vector<CHoliday>& holidays, LCID language = 0x0407) {
    std::vector<std::string> lines;
    for (const CFinding& finding : CheckDocument(MakeDocument(language, holidays))) {
        lines.push_back(finding.Line());
    }
    return lines;
}

using Lines_t = std::vector<std::string>;

TEST(Check, ExampleFilesAreClean) {
    EXPECT_EQ(Lines(MakeGermanHolidays().Holidays()), Lines_t{});
}

TEST(Check, FindsIdProblems) {
    constexpr LCID kJapanese = 0x0411;  // code page 932
    const auto repeated = [](std::string_view piece, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += piece;
        }
        return text;
    };
    const std::string japanese40 = repeated("\x93\xFA", 40);  // "日" 40 times: 2 bytes each in 932
    const struct {
        std::string id;
        Lines_t lines;
        LCID language = 0x0407;
    } cases[] = {
        {"", {"#1: the ID is empty"}},
        {"ADVENT_REF", {"ADVENT_REF: the ID is reserved for a reference feast, so the holiday is never calculated"}},
        {"A,B", {"A,B: the ID contains a comma"}},
        {std::string(64, 'x'), {}},
        {std::string(65, 'x'), {std::string(65, 'x') + ": the ID has 65 bytes, more than the 64 the editor accepts"}},
        {std::string(64, '\xE4'), {}},  // 64 bytes in 1252, 128 as UTF-8
        {japanese40,
         {repeated("\xE6\x97\xA5", 40) + ": the ID has 80 bytes, more than the 64 the editor accepts"},
         kJapanese},
        {std::string(20, '\x80'), {}, kJapanese},  // no character of 932: shown as 80 characters "\x80"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Lines({Fixed(c.id)}, c.language), c.lines) << c.id;
    }
}

TEST(Check, FindsRepeatedIds) {
    EXPECT_EQ(Lines({Fixed("A"), Fixed("B"), Fixed("A"), Fixed("A")}),
              (Lines_t{"A: holiday 1 has the same ID and resolves first, so this one is never calculated",
                       "A: holiday 1 has the same ID and resolves first, so this one is never calculated"}));
}

// The calculation gives a repeated ID to the holiday that resolves first: the
// second A, in the first pass; B then resolves from it. No cycle stops them.
TEST(Check, RepeatedIdBelongsToTheHolidayThatResolvesFirst) {
    EXPECT_EQ(Lines({DaysAfter("A", "B"), DaysAfter("B", "A"), Fixed("A", 1, 6)}),
              Lines_t{"A: holiday 3 has the same ID and resolves first, so this one is never calculated"});
}

TEST(Check, FindsValuesOutsideTheEditorsChoices) {
    const struct {
        void (*change)(CRuleset&);
        const char* line;
    } cases[] = {
        {[](CRuleset& r) { r.ruleKind = 3; }, "X: ruleset 1: ruleKind 3 is not one of the editor's choices (0 to 2)"},
        {[](CRuleset& r) { r.fixedDay = 0; }, "X: ruleset 1: fixedDay 0 is not one of the editor's choices (1 to 31)"},
        {[](CRuleset& r) { r.fixedMonth = 13; },
         "X: ruleset 1: fixedMonth 13 is not one of the editor's choices (1 to 12)"},
        {[](CRuleset& r) { r.weekdayOrdinal = 6; },
         "X: ruleset 1: weekdayOrdinal 6 is not one of the editor's choices (0 to 5)"},
        {[](CRuleset& r) { r.monthWeekday = 7; },
         "X: ruleset 1: monthWeekday 7 is not one of the editor's choices (0 to 6)"},
        {[](CRuleset& r) { r.weekdayMonth = 0; },
         "X: ruleset 1: weekdayMonth 0 is not one of the editor's choices (1 to 12)"},
        {[](CRuleset& r) { r.relativeKind = -1; },
         "X: ruleset 1: relativeKind -1 is not one of the editor's choices (0 to 1)"},
        {[](CRuleset& r) { r.offsetDirection = 1; },
         "X: ruleset 1: offsetDirection 1 is not one of the editor's choices (0 or 3)"},
        {[](CRuleset& r) { r.relativeWeekday = 9; },
         "X: ruleset 1: relativeWeekday 9 is not one of the editor's choices (0 to 6)"},
        {[](CRuleset& r) { r.weekdayDirection = 4; },
         "X: ruleset 1: weekdayDirection 4 is not one of the editor's choices (0 to 3)"},
        {[](CRuleset& r) {
             r.shiftRules.resize(2);
             r.shiftRules[1].conditionKind = 2;
         },
         "X: ruleset 1, shift rule 2: conditionKind 2 is not one of the editor's choices (0 to 1)"},
        {[](CRuleset& r) {
             r.shiftRules.resize(1);
             r.shiftRules[0].conditionWeekday = 7;
         },
         "X: ruleset 1, shift rule 1: conditionWeekday 7 is not one of the editor's choices (0 to 6)"},
        {[](CRuleset& r) {
             r.shiftRules.resize(1);
             r.shiftRules[0].action = 3;
         },
         "X: ruleset 1, shift rule 1: action 3 is not one of the editor's choices (0 to 2)"},
        {[](CRuleset& r) {
             r.shiftRules.resize(1);
             r.shiftRules[0].shiftWeekday = -1;
         },
         "X: ruleset 1, shift rule 1: shiftWeekday -1 is not one of the editor's choices (0 to 6)"},
        {[](CRuleset& r) {
             r.shiftRules.resize(1);
             r.shiftRules[0].shiftDirection = 5;
         },
         "X: ruleset 1, shift rule 1: shiftDirection 5 is not one of the editor's choices (0 to 3)"},
    };
    for (const auto& c : cases) {
        CHoliday holiday = Fixed("X");
        c.change(holiday.rulesets[0]);
        const Lines_t lines = Lines({holiday});
        ASSERT_FALSE(lines.empty()) << c.line;
        EXPECT_EQ(lines[0], c.line);
    }
    CHoliday flagged = Fixed("X");
    flagged.referenceOnly = 2;
    EXPECT_EQ(Lines({flagged}), Lines_t{"X: referenceOnly 2 is not one of the editor's choices (0 or 1)"});
}

TEST(Check, FindsReferencesToMissingHolidays) {
    CHoliday shifted = Fixed("S");
    shifted.rulesets[0].shiftRules.resize(2);
    shifted.rulesets[0].shiftRules[0].conditionKind = 1;
    shifted.rulesets[0].shiftRules[0].conditionHoliday = "GONE";
    shifted.rulesets[0].shiftRules[1].action = 1;
    shifted.rulesets[0].shiftRules[1].shiftTarget = "ORTHODOX_EASTER_REF";
    CHoliday unused = Fixed("U");
    unused.rulesets[0].offsetReference = "NOT_USED_BY_A_FIXED_DATE";

    EXPECT_EQ(Lines({DaysAfter("R", "MISSING"), shifted, unused, DaysAfter("OK", "S")}),
              (Lines_t{"R: ruleset 1, offsetReference \"MISSING\" names no holiday",
                       "R: the holiday resolves in no year from 1900 to 2100",
                       "S: ruleset 1, shift rule 1, conditionHoliday \"GONE\" names no holiday",
                       "S: the holiday resolves in no year from 1900 to 2100",
                       "OK: the holiday resolves in no year from 1900 to 2100"}));
}

TEST(Check, FindsCyclesOfReferences) {
    EXPECT_EQ(Lines({DaysAfter("SELF", "SELF")}),
              (Lines_t{"SELF: the holiday refers to itself, so it never resolves in a year where that rule applies",
                       "SELF: the holiday resolves in no year from 1900 to 2100"}));
    const Lines_t lines = Lines({DaysAfter("A", "B"), Fixed("FREE"), DaysAfter("B", "A")});
    EXPECT_EQ(lines.at(0),
              "A: the holiday is in a cycle of references with \"B\", so none of them resolves in a year "
              "where those rules apply");
    EXPECT_EQ(lines.at(2),
              "B: the holiday is in a cycle of references with \"A\", so none of them resolves in a year "
              "where those rules apply");
}

TEST(Check, FindsRulesetsThatNeverApplyAndHolidaysWithoutDates) {
    CHoliday reversed = Fixed("REVERSED");
    reversed.rulesets[0].validFrom = 2010;
    reversed.rulesets[0].validTo = 2000;
    CHoliday rare = Fixed("RARE");
    rare.rulesets[0].interval = 1000;  // applies in 1900 only: still a date
    CHoliday feb30 = Fixed("FEB30", 30, 2);
    CHoliday none = Fixed("NONE");
    none.rulesets.clear();
    EXPECT_EQ(Lines({reversed, rare, feb30, none}),
              (Lines_t{"REVERSED: ruleset 1 never applies: validFrom 2010 is after validTo 2000",
                       "REVERSED: the holiday has no date in any year from 1900 to 2100",
                       "FEB30: the holiday has no date in any year from 1900 to 2100",
                       "NONE: the holiday has no date in any year from 1900 to 2100"}));
}

TEST(Check, SaysWhenTheCalculationsLimitLeftAHolidayWithoutDates) {
    // Level k has two rulesets a day after level k-1: 2^k dates in 2000, so
    // level 20 finds no room left.
    std::vector<CHoliday> levels = {Fixed("L0")};
    levels[0].rulesets[0].validFrom = levels[0].rulesets[0].validTo = 2000;
    for (int level = 1; level <= 20; ++level) {
        levels.push_back(DaysAfter("L" + std::to_string(level), "L" + std::to_string(level - 1)));
        levels.back().rulesets.push_back(levels.back().rulesets[0]);
    }
    EXPECT_EQ(Lines(levels),
              Lines_t{"L20: the holiday has no date because the calculation reached its limit of 1000000 dates held "
                      "at once"});
}

TEST(ReferenceCycles, FindsEveryCycleOnce) {
    const struct {
        std::vector<std::vector<int>> references;
        std::vector<std::vector<int>> cycles;
    } cases[] = {
        {{}, {}},
        {{{1}, {2}, {}}, {}},
        {{{0}}, {{0}}},
        {{{1}, {0}}, {{0, 1}}},
        {{{1}, {2}, {0}, {3, 0}}, {{0, 1, 2}, {3}}},
        {{{1, 3}, {2}, {1}, {4}, {3}}, {{1, 2}, {3, 4}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindReferenceCycles(c.references), c.cycles);
    }
}

TEST(ReferenceCycles, LongChainsDoNotExhaustTheStack) {
    const int count = 200000;
    std::vector<std::vector<int>> references(count);
    for (int i = 0; i + 1 < count; ++i) {
        references[static_cast<std::size_t>(i)].push_back(i + 1);
    }
    references.back().push_back(0);
    const auto cycles = FindReferenceCycles(references);
    ASSERT_EQ(cycles.size(), 1u);
    EXPECT_EQ(cycles[0].size(), static_cast<std::size_t>(count));
}

}  // namespace
