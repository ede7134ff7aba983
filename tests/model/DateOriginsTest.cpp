// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DateOrigins.h"

#include "core/CodePage.h"
#include "model/CHolidays.h"
#include "model/PreviewReport.h"
#include "tests/support/RandomHolidays.h"
#include "tests/support/RuleBuilders.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace rules;
using Texts = std::vector<std::string>;

const CCodePage kWindows1252(1252);

// "YYYY-MM-DD <text>" of each origin, whose text names its ruleset.
Texts Shown(const std::vector<CDateOrigin>& origins) {
    Texts texts;
    for (const CDateOrigin& origin : origins) {
        EXPECT_TRUE(origin.text.starts_with(fmt::format("Ruleset {}: ", origin.ruleset + 1))) << origin.text;
        texts.push_back(fmt::format("{:04}-{:02}-{:02} {}", origin.date.GetYear(), origin.date.GetMonth(),
                                    origin.date.GetDay(), origin.text));
    }
    return texts;
}

CRuleset Shifted(CRuleset ruleset, CShiftRule rule) {
    return WithShifts(std::move(ruleset), {std::move(rule)});
}

const CHoliday kChristmas = Holiday("XMAS", {Fixed(25, 12)});

TEST(DateOrigins, ExplainEveryRuleKindAndShiftAction) {
    // clang-format off
    const struct {
        const char* what;
        std::vector<CHoliday> holidays;  // the last one is explained
        int year;
        Texts dates;
        Texts dropped = {};
    } cases[] = {
        {"fixed date", {kChristmas}, 2007, {"2007-12-25 Ruleset 1: 25 December"}},
        {"n-th weekday of a month", {Holiday("T", {WeekdayOfMonth(3, kThursday, 11)})}, 2007, {"2007-11-22 Ruleset 1: fourth Thursday of November"}},
        {"last weekday of a month", {Holiday("T", {WeekdayOfMonth(5, kSunday, 10)})}, 2007, {"2007-10-28 Ruleset 1: last Sunday of October"}},
        {"days after a reference feast", {Holiday("T", {DaysFrom(39, kAfter, "EASTER_REF")})}, 2026, {"2026-05-14 Ruleset 1: 39 days after EASTER_REF (5 Apr 2026)"}},
        {"a day before a holiday", {kChristmas, Holiday("T", {DaysFrom(1, kBefore, "XMAS")})}, 2026, {"2026-12-24 Ruleset 1: 1 day before XMAS (25 Dec 2026)"}},
        {"no days from a reference", {Holiday("T", {DaysFrom(0, kBefore, "EASTER_REF")})}, 2026, {"2026-04-05 Ruleset 1: the day of EASTER_REF (5 Apr 2026)"}},
        {"a negative number of days before", {Holiday("T", {DaysFrom(-2, kBefore, "EASTER_REF")})}, 2026, {"2026-04-07 Ruleset 1: 2 days after EASTER_REF (5 Apr 2026)"}},
        {"n-th weekday before a holiday", {kChristmas, Holiday("T", {WeekdayFrom(4, kSunday, kBefore, "XMAS")})}, 2007, {"2007-12-02 Ruleset 1: fourth Sunday before XMAS (25 Dec 2007)"}},
        {"weekday on or after", {Holiday("T", {WeekdayFrom(1, kSunday, kOnAfter, "EASTER_REF")})}, 2007, {"2007-04-08 Ruleset 1: Sunday on or after EASTER_REF (8 Apr 2007)"}},
        {"weekday direction outside the choices", {Holiday("T", {WeekdayFrom(1, kMonday, 4, "EASTER_REF")})}, 2007, {"2007-04-08 Ruleset 1: the day of EASTER_REF (8 Apr 2007), which weekday direction 4 does not move"}},
        {"each date of a reference with two", {Holiday("A", {Fixed(1, 6), Fixed(1, 5)}), Holiday("T", {DaysFrom(1, kAfter, "A")})}, 2007, {"2007-06-02 Ruleset 1: 1 day after A (1 Jun 2007)", "2007-05-02 Ruleset 1: 1 day after A (1 May 2007)"}},
        {"the second ruleset", {Holiday("T", {Years(Fixed(1, 1), 1900, 1999), Fixed(2, 1)})}, 2007, {"2007-01-02 Ruleset 2: 2 January"}},
        {"a reference-only holiday", {Holiday("T", {Fixed(23, 11)}, true)}, 2007, {"2007-11-23 Ruleset 1: 23 November"}},
        {"an ID shown in the code page", {Holiday("\xC4", {Fixed(1, 5)}), Holiday("T", {DaysFrom(1, kAfter, "\xC4")})}, 2007, {"2007-05-02 Ruleset 1: 1 day after \xC3\x84 (1 May 2007)"}},
        {"moved to a weekday", {Holiday("T", {Shifted(Fixed(25, 12), OnWeekdayShiftTo(kSunday, 1, kMonday, kAfter))})}, 2011, {"2011-12-26 Ruleset 1: 25 December\nmoved by shift rule 1 from Sunday 25 December"}},
        {"moved into the year", {Holiday("LAST", {Fixed(31, 12)}), Holiday("T", {Shifted(DaysFrom(1, kAfter, "LAST"), OnWeekdayShiftTo(kSaturday, 1, kFriday, kBefore))})}, 2010, {"2010-12-31 Ruleset 1: 1 day after LAST (31 Dec 2010)\nmoved by shift rule 1 from Saturday 1 January 2011"}},
        {"moved to the nearest date of a holiday", {Holiday("MAY", {Fixed(1, 5)}), Holiday("T", {Shifted(DaysFrom(0, kAfter, "EASTER_REF"), OnHolidayMoveTo("EASTER_REF", "MAY"))})}, 2007, {"2007-05-01 Ruleset 1: the day of EASTER_REF (8 Apr 2007)\nmoved by shift rule 1 from Sunday 8 April to the nearest date of MAY"}},
        {"a shift rule that matches but does not move", {Holiday("NONE", {}), Holiday("MAY", {Fixed(1, 5)}), Holiday("T", {Shifted(Fixed(1, 5), OnHolidayMoveTo("MAY", "NONE"))})}, 2007, {"2007-05-01 Ruleset 1: 1 May\nshift rule 1 applies on Tuesday 1 May but does not move it"}},
        {"dropped", {Holiday("T", {Shifted(Fixed(25, 12), OnWeekdayDrop(kSaturday)), Fixed(26, 12)})}, 2010, {"2010-12-26 Ruleset 2: 26 December"}, {"2010-12-25 Ruleset 1: 25 December\ndropped by shift rule 1 on Saturday 25 December"}},
        {"moved by the shift rules of two rulesets", {Holiday("T", {Shifted(Fixed(25, 12), OnWeekdayShiftTo(kSunday, 1, kMonday, kAfter)), Shifted(Fixed(2, 1), OnWeekdayShiftTo(kMonday, 1, kTuesday, kAfter))})}, 2011, {"2011-12-27 Ruleset 1: 25 December\nmoved by shift rule 1 from Sunday 25 December; moved by shift rule 1 of ruleset 2 from Monday 26 December", "2011-01-02 Ruleset 2: 2 January"}},
        {"unresolved", {Holiday("T", {DaysFrom(1, kAfter, "MISSING")})}, 2007, {}},
        {"displaced by a holiday of the same ID", {Holiday("T", {Fixed(1, 5)}), Holiday("T", {Fixed(2, 5)})}, 2007, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CHolidays document = MakeDocument(0x0407, c.holidays);
        const int position = static_cast<int>(c.holidays.size()) - 1;
        EXPECT_EQ(Shown(ExplainHolidayDates(document, position, c.year, kWindows1252)), c.dates);
        EXPECT_EQ(Shown(ExplainDroppedDates(document, position, c.year, kWindows1252)), c.dropped);
    }
}

// Over random documents: the explained dates of each holiday in a year are
// its preview lines, one origin per line with the line's date, and only
// holidays that resolved their ID have any.
TEST(DateOrigins, EveryPreviewLineHasOneOriginOfItsDate) {
    CRandomDocuments documents(2718);
    std::vector<std::string> ids;
    int lines = 0;
    for (int round = 0; round < 4000 && !testing::Test::HasFailure(); ++round) {
        SCOPED_TRACE(round);
        CHolidays document = MakeDocument(0x0409, documents.Next(ids));
        const int year = documents.Between(2000, 2012);
        const std::vector<CPreviewEntry> entries = CollectPreviewEntries(document, year);
        std::map<int, std::vector<CDateOrigin>> origins;
        for (int position = 0; position < document.GetHolidayCount(); ++position) {
            origins[position] = ExplainHolidayDates(document, position, year, kWindows1252);
            const bool resolved = document.Calculation().Outcomes()[static_cast<std::size_t>(position)].state ==
                                  CYearCalculation::CHolidayOutcome::State::Resolved;
            EXPECT_TRUE(resolved || origins[position].empty()) << position;
            for (const CDateOrigin& dropped : ExplainDroppedDates(document, position, year, kWindows1252)) {
                EXPECT_NE(dropped.text.find("dropped by shift rule"), std::string::npos) << dropped.text;
            }
        }
        std::map<int, std::size_t> linesOfHoliday;
        for (std::size_t line = 0; line < entries.size(); ++line) {
            const CPreviewEntry& entry = entries[line];
            const CHoliday holiday = document.GetHoliday(entry.holiday);
            EXPECT_EQ(holiday.id + holiday.display, entry.id + entry.display) << line;
            const CDateOrigin* origin = OriginOfPreviewLine(entries, line, origins[entry.holiday]);
            ASSERT_NE(origin, nullptr) << line;
            EXPECT_EQ(origin->date, entry.date) << origin->text;
            ++linesOfHoliday[entry.holiday];
            ++lines;
        }
        for (const auto& [position, ofHoliday] : origins) {
            if (document.GetHoliday(position).referenceOnly == CHoliday::kListed) {
                EXPECT_EQ(ofHoliday.size(), linesOfHoliday[position]) << position;  // no origin left over
            }
        }
    }
    EXPECT_GT(lines, 1000);  // the documents are not trivially empty
}

}  // namespace
