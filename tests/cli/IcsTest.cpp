// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "core/ProgramInfo.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/SampleDocuments.h"
#include "tests/support/ScopedEnvironmentVariable.h"

#include <gtest/gtest.h>

#include <fmt/format.h>
#include <libical/ical.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr const char* kStampSeconds = "1700000000";  // 2023-11-14T22:13:20Z

// A VEVENT as libical reads it back.
struct CEvent {
    std::string dateAndSummary;  // "YYYY-MM-DD<TAB>SUMMARY"
    std::string uid;
    bool oneTransparentHolidayDay;  // all day, ends the next day, TRANSP and CATEGORIES as a holiday's
};

std::vector<CEvent> ReadEvents(const std::string& text) {
    std::vector<CEvent> events;
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    if (calendar == nullptr) {
        ADD_FAILURE() << "libical cannot parse:\n" << text;
        return events;
    }
    EXPECT_EQ(icalcomponent_count_errors(calendar), 0);
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const icaltimetype end = icalcomponent_get_dtend(event);  // from DURATION when there is no DTEND
        icaltimetype nextDay = start;
        icaltime_adjust(&nextDay, 1, 0, 0, 0);
        icalproperty* transp = icalcomponent_get_first_property(event, ICAL_TRANSP_PROPERTY);
        icalproperty* categories = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
        events.push_back(
            {fmt::format("{:04}-{:02}-{:02}\t{}", start.year, start.month, start.day, icalcomponent_get_summary(event)),
             icalcomponent_get_uid(event),
             start.is_date == 1 && end.is_date == 1 && icaltime_compare(end, nextDay) == 0 && transp != nullptr &&
                 icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT && categories != nullptr &&
                 icalproperty_get_categories(categories) == std::string("Holidays")});
    }
    icalcomponent_free(calendar);
    return events;
}

// The calendar's X-WR-CALNAME as libical reads it, "" when it has none.
std::string CalendarName(const std::string& text) {
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    std::string name;
    for (icalproperty* property = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); property != nullptr;
         property = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
        if (icalproperty_get_x_name(property) == std::string("X-WR-CALNAME")) {
            name = icalproperty_get_x(property);
        }
    }
    icalcomponent_free(calendar);
    return name;
}

TEST(Ics, EveryEventIsAHolidayThatDatesLists) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", kStampSeconds);
    for (const char* name : {"germany.hol", "usa.hol"}) {
        const std::string file = ExamplePath(name).string();
        const CRun ics = RunCli({"ics", file, "2023", "2027"});
        ASSERT_EQ(ics.exitCode, 0) << ics.errors;

        // "DATE<TAB>ID<TAB>DISPLAY" without the ID; the example texts need no escaping.
        std::vector<std::string> expected;
        std::istringstream dates(RunCli({"dates", file, "2023", "2027"}).out);
        for (std::string line; std::getline(dates, line);) {
            expected.push_back(line.substr(0, 11) + line.substr(line.find('\t', 11) + 1));
        }
        std::vector<std::string> listed;
        std::set<std::string> uids;
        for (const CEvent& event : ReadEvents(ics.out)) {
            listed.push_back(event.dateAndSummary);
            uids.insert(event.uid);
            EXPECT_TRUE(event.oneTransparentHolidayDay) << event.dateAndSummary;
        }
        EXPECT_EQ(listed, expected) << name;
        EXPECT_EQ(uids.size(), listed.size()) << name;
    }
}

TEST(Ics, TextsAndIdsOfAnyBytesComeBackUnchanged) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", kStampSeconds);
    const std::string longText(40, '\xC4');  // 80 bytes in UTF-8: the line must be folded
    const struct {
        std::string id;
        std::string display;  // Windows-1252
        const char* uid;
        std::string summary;       // UTF-8
        bool twoRulesets = false;  // both giving the day: still one event
    } cases[] = {
        {"A,B;C", "Tag, der; Arbeit\\ \xE4\xF6\xFC\xDF", "20240101-0407-A%2CB%3BC@odd.tavrin.invalid",
         "Tag, der; Arbeit\\ \xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F"},
        {"a%2C", longText, "20240102-0407-a%252C@odd.tavrin.invalid", fmt::format("{:\xC3\x84>40}", "")},
        {std::string("\0 \xFF", 3), "Zeile 1\r\nZeile 2\x01", "20240103-0407-%00%20%FF@odd.tavrin.invalid",
         "Zeile 1\nZeile 2\xEF\xBF\xBD"},
        {"TWICE", "Zweimal", "20240104-0407-TWICE@odd.tavrin.invalid", "Zweimal", true},
    };
    std::vector<CHoliday> holidays;
    for (const auto& c : cases) {
        holidays.push_back(MakeFixedHoliday(c.id, c.display, static_cast<int>(holidays.size()) + 1, 1));
        if (c.twoRulesets) {
            holidays.back().rulesets.push_back(holidays.back().rulesets[0]);
        }
    }
    const CTemporaryFolder folder;
    WriteTextFile(folder / "odd.hol", DocumentToHolBytes(MakeDocument(0x0407, holidays)));

    const CRun run = RunCli({"ics", (folder / "odd.hol").string(), "2024"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::vector<CEvent> events = ReadEvents(run.out);
    ASSERT_EQ(events.size(), std::size(cases));
    for (std::size_t i = 0; i < events.size(); ++i) {
        EXPECT_EQ(events[i].dateAndSummary, fmt::format("2024-01-{:02}\t{}", i + 1, cases[i].summary));
        EXPECT_EQ(events[i].uid, cases[i].uid);
    }
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.ends_with('\r')) << line;
        EXPECT_LE(line.size(), 76u) << line;  // 75 octets and the CR
    }
}

// Two files with the same ID give different UIDs (a calendar program that
// imports both keeps both), and the same file gives the same UIDs every time.
TEST(Ics, CalendarNameAndUidsComeFromTheFileOrTheOptions) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", kStampSeconds);
    const CTemporaryFolder folder;
    const std::string germany = (folder / "de.hol").string();
    const std::string austria = DocumentToHolBytes(MakeDocument(0x0C07, {MakeFixedHoliday("NEUJAHR", "N", 1, 1)}));
    WriteTextFile(germany, DocumentToHolBytes(MakeDocument(0x0407, {MakeFixedHoliday("NEUJAHR", "N", 1, 1)})));
    const struct {
        std::vector<std::string> arguments;  // after "ics"
        std::string input;
        const char* name;  // X-WR-CALNAME, "" for none
        const char* uid;
    } cases[] = {
        {{germany, "2024"}, "", "de", "20240101-0407-NEUJAHR@de.tavrin.invalid"},
        {{"-", "2024"}, austria, "", "20240101-0C07-NEUJAHR@tavrin.invalid"},
        {{"-", "2024", "--name", "\xC3\x96sterreich, Wien"},
         austria,
         "\xC3\x96sterreich, Wien",
         "20240101-0C07-NEUJAHR@%C3%96sterreich%2C%20Wien.tavrin.invalid"},
        {{germany, "2024", "--uid-domain", "feiertage.example.org"},
         "",
         "de",
         "20240101-0407-NEUJAHR@feiertage.example.org"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"ics"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CRun run = RunCli(arguments, c.input);
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(CalendarName(run.out), c.name);
        const std::vector<CEvent> events = ReadEvents(run.out);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].uid, c.uid);
    }
}

TEST(Ics, AnExportWithoutEventsSaysSo) {
    const CRun run = RunCli({"ics", ExamplePath("usa.hol").string(), "1800", "1801"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(ReadEvents(run.out).size(), 0u);
    EXPECT_EQ(run.errors,
              "tavrin-cli: note: the file has no holiday from 1800 to 1801, so the calendar holds no event\n");
}

TEST(Ics, DaysBeyondWhatLibicalWritesAreRefused) {
    const CTemporaryFolder folder;
    const std::string file = (folder / "n.json").string();
    WriteTextFile(file, R"({"holidays": [
        {"id": "N", "display": "New", "rulesets": [{"validFrom": 1, "validTo": 9999, "fixedDay": 1, "fixedMonth": 1}]},
        {"id": "E", "display": "End", "rulesets": [{"validFrom": 1, "validTo": 9999, "fixedDay": 31, "fixedMonth": 12}]}]})");

    // The day after the last one libical writes: DURATION instead of DTEND.
    const CRun last = RunCli({"ics", file, "3000"});
    ASSERT_EQ(last.exitCode, 0) << last.errors;
    const std::vector<CEvent> events = ReadEvents(last.out);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].dateAndSummary, "3000-12-31\tEnd");
    EXPECT_TRUE(events[1].oneTransparentHolidayDay);

    for (const char* year : {"1", "3001"}) {
        const CRun run = RunCli({"ics", file, year});
        EXPECT_EQ(run.exitCode, 2) << year;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.errors, fmt::format("tavrin-cli: the holiday \"N\" on {:0>4}-01-01 cannot be written into an "
                                          "iCalendar file: libical writes the days from 0001-01-02 to 3000-12-31\n",
                                          year));
    }
}

TEST(Ics, StampComesFromSourceDateEpochAndProductNamesTheVersion) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", kStampSeconds);
    const std::string file = ExamplePath("usa.hol").string();
    const CRun run = RunCli({"ics", file, "2024"});
    EXPECT_EQ(RunCli({"ics", file, "2024"}).out, run.out);
    EXPECT_NE(run.out.find(std::string("\r\nPRODID:-//Tavrin//Tavrin ") + kProgramVersion + "//EN\r\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("\r\nDTSTAMP:20231114T221320Z\r\n"), std::string::npos);
}

TEST(Ics, WritesTheOutputFileOrNothing) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", kStampSeconds);
    const CTemporaryFolder folder;
    const std::string file = ExamplePath("usa.hol").string();
    const std::string output = (folder / "us.ics").string();
    const CRun written = RunCli({"ics", file, "2024", "-o", output});
    EXPECT_EQ(written.exitCode, 0) << written.errors;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(ReadTextFile(output), RunCli({"ics", file, "2024"}).out);

    const struct {
        const char* epoch;
        std::vector<std::string> arguments;
        const char* message;
    } failures[] = {
        {"soon", {"2024"}, "SOURCE_DATE_EPOCH \"soon\" is not a number of seconds from 0 to 32535215999"},
        {"32535216000", {"2024"}, "SOURCE_DATE_EPOCH \"32535216000\" is not"},
        {kStampSeconds, {"2024", "-o", (folder / "none" / "x.ics").string()}, "its folder does not exist"},
    };
    for (const auto& f : failures) {
        const CScopedEnvironmentVariable epoch("SOURCE_DATE_EPOCH", f.epoch);
        std::vector<std::string> arguments{"ics", file};
        arguments.insert(arguments.end(), f.arguments.begin(), f.arguments.end());
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << f.message;
        EXPECT_NE(run.errors.find(f.message), std::string::npos) << run.errors;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"us.ics"});
}

}  // namespace
