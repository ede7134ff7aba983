// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PreviewReport.h"

#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "tests/cli/CliTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CHoliday Fixed(const std::string& id, const std::string& display, int day, int month) {
    return MakeFixedHoliday(id, display, day, month);
}

TEST(PreviewReport, WalksEveryDayOfTheYear) {
    const struct {
        int year;
        std::string report;
    } cases[] = {
        {2024, "01 Jan\tfirst\r\n29 Feb\tleap\r\n31 Dec\tlast\r\n"},
        {2023, "01 Jan\tfirst\r\n31 Dec\tlast\r\n"},
    };
    CHolidays document =
        MakeDocument(0x0409, {Fixed("L", "last", 31, 12), Fixed("F", "first", 1, 1), Fixed("P", "leap", 29, 2)});
    for (const auto& c : cases) {
        EXPECT_EQ(BuildPreviewReport(document, c.year, "\r\n"), c.report) << c.year;
    }
}

// The entries as a date cursor walks them, asking the document day by day.
std::vector<std::string> DayByDay(CHolidays& document, int year) {
    std::vector<std::string> lines;
    CDateTime cursor;
    if (!cursor.SetDateTime(year, 1, 1, 0, 0, 0)) {
        return lines;
    }
    for (int visited = 0; visited < 366 && cursor.GetYear() == year; ++visited) {
        for (int index = 0; index < document.GetDayHolidayCount(cursor); ++index) {
            std::string display;
            std::string id;
            document.GetDayHoliday(cursor, index, display, id);
            lines.push_back(cursor.Dump() + " " + id + " " + display);
        }
        cursor += CDateTimeSpan(1, 0, 0, 0);
    }
    return lines;
}

TEST(PreviewReport, EntriesAreThoseOfADayByDayWalk) {
    CHolidays german = MakeGermanHolidays();
    CHolidays always = MakeDocument(0x0409, {Fixed("L", "last", 31, 12), Fixed("F", "first", 1, 1),
                                             Fixed("P", "leap", 29, 2), Fixed("M", "march", 1, 3)});
    for (int position = 0; position < always.GetHolidayCount(); ++position) {
        CHoliday holiday = always.GetHoliday(position);
        holiday.rulesets[0].validFrom = 0;
        holiday.rulesets[0].validTo = 10000;
        always.SetHoliday(holiday);
    }
    // Year 0 has one day to walk: the day after its 1 January lies in year 1.
    for (const int year : {2024, 0, 1, 4, 1900, 2000, 2023, 9999, 10000}) {
        for (CHolidays* document : {&german, &always}) {
            std::vector<std::string> lines;
            for (const CPreviewEntry& entry : CollectPreviewEntries(*document, year)) {
                lines.push_back(entry.date.Dump() + " " + entry.id + " " + entry.display);
            }
            EXPECT_EQ(lines, DayByDay(*document, year)) << year;
        }
    }
}

TEST(PreviewReport, SameDayHolidaysFollowThePerDayList) {
    // B is defined 0 days after C, which comes later in the list: C resolves first.
    CHoliday b = Fixed("B", "second", 1, 1);
    b.rulesets[0].ruleKind = 2;
    b.rulesets[0].offsetReference = "C";
    CHolidays document = MakeDocument(0x0409, {Fixed("A", "first", 5, 5), b, Fixed("C", "third", 5, 5)});
    const std::vector<CPreviewEntry> entries = CollectPreviewEntries(document, 2024);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].id, "A");
    EXPECT_EQ(entries[1].id, "C");
    EXPECT_EQ(entries[2].id, "B");
    EXPECT_EQ(BuildPreviewReport(document, 2024, "\n"), "05 May\tfirst\n05 May\tthird\n05 May\tsecond\n");
}

TEST(PreviewReport, DecodesDisplayTextsWithTheLanguagesCodePage) {
    CHolidays german = MakeDocument(0x0407, {Fixed("X",
                                                   "Gr\xFC\xDF"
                                                   "e \x81",
                                                   3, 3)});
    EXPECT_EQ(BuildPreviewReport(german, 2024, "\n"),
              "03 Mar\tGr\xC3\xBC\xC3\x9F"
              "e \xC2\x81\n");
    CHolidays utf8 = MakeDocument(0x0000, {Fixed("X", "bad \xFF", 3, 3)});
    EXPECT_EQ(BuildPreviewReport(utf8, 2024, "\n"), "03 Mar\tbad \\xFF\n");
}

TEST(PreviewReport, YearsTheDateValueRefusesGiveNothing) {
    CHolidays document = MakeDocument(0x0409, {Fixed("F", "first", 1, 1)});
    EXPECT_EQ(BuildPreviewReport(document, -1, "\n"), "");
    CHolidays empty = MakeDocument(0x0409, {});
    EXPECT_EQ(BuildPreviewReport(empty, 2024, "\n"), "");
}

TEST(PreviewReport, EndsAtTheLastDayOfTheDateRange) {
    CHolidays document = MakeDocument(0x0409, {Fixed("E", "end", 31, 12)});
    CHoliday holiday = document.GetHoliday(0);
    holiday.rulesets[0].validTo = 9999;
    document.SetHoliday(holiday);
    EXPECT_EQ(BuildPreviewReport(document, 9999, "\n"), "31 Dec\tend\n");
}

}  // namespace
