// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

// Alpha on 1 January; Beta and Zeta on 1 May, in that order.
std::vector<CHoliday> OldHolidays() {
    return {MakeFixedHoliday("A", "Alpha", 1, 1), MakeFixedHoliday("B", "Beta", 1, 5),
            MakeFixedHoliday("Z", "Zeta", 1, 5)};
}

TEST(Diff, ListsTheHolidaysOnlyOneFileHas) {
    const std::vector<CHoliday> old = OldHolidays();
    const CHoliday& alpha = old[0];
    const CHoliday& beta = old[1];
    const CHoliday& zeta = old[2];
    CHoliday betaMoved = MakeFixedHoliday("B", "Beta", 2, 5);
    CHoliday betaRenamed = MakeFixedHoliday("B", "Beta\tneu", 1, 5);
    CHoliday alphaTwice = alpha;  // two rulesets that give the same day list it twice
    alphaTwice.rulesets.push_back(alpha.rulesets[0]);
    const struct {
        const char* change;
        std::optional<std::vector<CHoliday>> holidays;  // none: no NEW file
        const char* newName;
        std::vector<std::string> years;
        int exitCode;
        std::string out;
    } cases[] = {
        {"other bytes and order, same holidays", std::vector{zeta, beta, alpha}, "new.json", {"2024", "2025"}, 0, ""},
        {"added",
         std::vector{alpha, beta, zeta, MakeFixedHoliday("C", "Gamma", 3, 3)},
         "new.hol",
         {"2024"},
         1,
         "+ 2024-03-03\tC\tGamma\n"},
        {"moved",
         std::vector{alpha, betaMoved, zeta},
         "new.hol",
         {"2024", "2025"},
         1,
         "- 2024-05-01\tB\tBeta\n+ 2024-05-02\tB\tBeta\n- 2025-05-01\tB\tBeta\n+ 2025-05-02\tB\tBeta\n"},
        {"display changed",
         std::vector{alpha, betaRenamed, zeta},
         "new.hol",
         {"2024"},
         1,
         "- 2024-05-01\tB\tBeta\n+ 2024-05-01\tB\tBeta\\tneu\n"},
        {"listed twice", std::vector{alphaTwice, beta, zeta}, "new.hol", {"2024"}, 1, "+ 2024-01-01\tA\tAlpha\n"},
        {"removed twice listed",
         std::vector{beta},
         "new.hol",
         {"2024"},
         1,
         "- 2024-01-01\tA\tAlpha\n- 2024-05-01\tZ\tZeta\n"},
        {"missing NEW", std::nullopt, "none.hol", {"2024"}, 2, ""},
        {"year out of range", std::vector{alpha}, "new.hol", {"0"}, 2, ""},
    };
    for (const auto& c : cases) {
        const CTemporaryFolder folder;
        WriteTextFile(folder / "old.hol", DocumentToHolBytes(MakeDocument(0x0407, old)));
        if (c.holidays) {
            CHolidays document = MakeDocument(0x0407, *c.holidays);
            document.SetVersion(101);
            SaveDocument(document, folder / c.newName);
        }
        std::vector<std::string> arguments{"diff", (folder / "old.hol").string(), (folder / c.newName).string()};
        arguments.insert(arguments.end(), c.years.begin(), c.years.end());
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.change << ": " << run.errors;
        EXPECT_EQ(run.out, c.out) << c.change;
        EXPECT_EQ(run.errors.empty(), c.exitCode != 2) << c.change << ": " << run.errors;
    }
}

// The file `ics` writes of `file` for the years, beside it.
std::string ExportCalendar(const std::filesystem::path& file, const char* firstYear, const char* lastYear) {
    const std::string calendar = std::filesystem::path(file).replace_extension(".ics").string();
    const CRun run = RunCli({"ics", file.string(), firstYear, lastYear, "-o", calendar});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return calendar;
}

TEST(DiffWithCalendar, TheExportOfTheSameFileGivesNoDifference) {
    CHoliday twice = MakeFixedHoliday("TWICE", "Zweimal", 4, 1);  // two rulesets, one event
    twice.rulesets.push_back(twice.rulesets[0]);
    CHoliday hidden = MakeFixedHoliday("REF", "Nur Bezug", 5, 1);
    hidden.referenceOnly = CHoliday::kReferenceOnly;
    const CTemporaryFolder folder;
    SaveDocument(MakeDocument(0x0407, {MakeFixedHoliday("A,B;C", "Tag, der; Arbeit\\ \xE4", 1, 1),
                                       MakeFixedHoliday(std::string("\0 \xFF", 3), "Zeile 1\r\nZeile 2\x01\tx", 2, 1),
                                       twice, hidden}),
                 folder / "odd.hol");
    std::filesystem::copy_file(ExamplePath("germany.hol"), folder / "germany.hol");
    std::filesystem::copy_file(ExamplePath("usa.hol"), folder / "usa.hol");
    for (const char* name : {"germany.hol", "usa.hol", "odd.hol"}) {
        const std::filesystem::path holidays = folder / name;
        const std::string calendar = ExportCalendar(holidays, "1990", "2030");
        for (const auto& [before, after] : {std::pair{holidays.string(), calendar}, {calendar, holidays.string()}}) {
            const CRun run = RunCli({"diff", before, after, "1990", "2030"});
            EXPECT_EQ(run.exitCode, 0) << before << ": " << run.errors;
            EXPECT_EQ(run.out + run.errors, "") << before;
        }
    }
}

TEST(DiffWithCalendar, AChangedRuleGivesItsLinesWithAnEmptyIdOnTheCalendarsSide) {
    const CTemporaryFolder folder;
    SaveDocument(MakeDocument(0x0407, OldHolidays()), folder / "old.hol");
    const std::string calendar = ExportCalendar(folder / "old.hol", "2024", "2024");
    std::vector<CHoliday> changed = OldHolidays();
    changed[0].display = "Alpha neu";
    changed[1].rulesets[0].fixedDay = 2;  // Beta on 2 May
    const std::string holidays = (folder / "new.hol").string();
    SaveDocument(MakeDocument(0x0407, changed), holidays);
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {
        {{"diff", calendar, holidays, "2024"},
         "- 2024-01-01\t\tAlpha\n+ 2024-01-01\tA\tAlpha neu\n- 2024-05-01\t\tBeta\n+ 2024-05-02\tB\tBeta\n"},
        {{"diff", holidays, calendar, "2024"},
         "- 2024-01-01\tA\tAlpha neu\n+ 2024-01-01\t\tAlpha\n+ 2024-05-01\t\tBeta\n- 2024-05-02\tB\tBeta\n"},
        {{"diff", "--dates-only", calendar, holidays, "2024"}, "- 2024-05-01\t\tZeta\n+ 2024-05-02\tB\tBeta\n"},
    };
    for (const auto& c : cases) {
        const CRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << run.errors;
        EXPECT_EQ(run.out, c.out) << c.arguments[1];
    }
}

// Line 4: every 1 January but 2025; line 11: a timed event; line 16: two
// days at Christmas in 2024 and 2025.
constexpr const char* kHandWrittenCalendar =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
    "BEGIN:VEVENT\r\nUID:new-year@example.org\r\nDTSTART;VALUE=DATE:20200101\r\nRRULE:FREQ=YEARLY\r\n"
    "EXDATE;VALUE=DATE:20250101\r\nSUMMARY:Neujahr\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:meeting@example.org\r\nDTSTART:20240501T100000Z\r\nSUMMARY:Sitzung\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:christmas@example.org\r\nDTSTART;VALUE=DATE:20241225\r\nDTEND;VALUE=DATE:20241227\r\n"
    "RRULE:FREQ=YEARLY;COUNT=2\r\nSUMMARY:Weih\r\n nachten\r\nEND:VEVENT\r\n"
    "END:VCALENDAR\r\n";

TEST(DiffWithCalendar, RecurringEventsAreExpandedAndTimedOnesLeftOut) {
    const CTemporaryFolder folder;
    const std::string holidays = (folder / "h.hol").string();
    SaveDocument(MakeDocument(0x0407, {MakeFixedHoliday("NEUJAHR", "Neujahr", 1, 1),
                                       MakeFixedHoliday("XMAS1", "Weihnachten", 25, 12),
                                       MakeFixedHoliday("XMAS2", "Weihnachten", 26, 12)}),
                 holidays);
    const CRun run = RunCli({"diff", "-", holidays, "2024", "2026"}, kHandWrittenCalendar);
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_EQ(run.out,
              "+ 2025-01-01\tNEUJAHR\tNeujahr\n+ 2026-12-25\tXMAS1\tWeihnachten\n+ 2026-12-26\tXMAS2\tWeihnachten\n");
    EXPECT_EQ(run.errors,
              "tavrin-cli: note: standard input: the event that begins on line 11 has a time of day, so it is left out "
              "(only all-day events are holidays)\n");
}

TEST(DiffWithCalendar, AFaultNamesTheLineWhereItsComponentBegins) {
    const std::string calendar = kHandWrittenCalendar;
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {calendar.substr(0, calendar.find("SUMMARY:Weih")) + "nonsense\r\n" +
             calendar.substr(calendar.find("SUMMARY:Weih")),
         "the event that begins on line 16 cannot be read: Got a data line, but could not find a property name or "
         "component begin tag: nonsense"},
        {calendar.substr(0, calendar.find("END:VEVENT")), "the file ends inside the VEVENT that begins on line 4"},
        {"\xEF\xBB\xBF"
         "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\nEND:VEVENT\r\n",
         "line 3 lies outside BEGIN:VCALENDAR"},
    };
    for (const auto& c : cases) {
        const CRun run = RunCli({"diff", "--format", "ics", "-", ExamplePath("germany.hol").string(), "2024"}, c.text);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errors.rfind(fmt::format("tavrin-cli: cannot load standard input: {}", c.message), 0), 0u)
            << run.errors;
    }
}

}  // namespace
