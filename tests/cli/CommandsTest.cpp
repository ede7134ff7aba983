// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliError.h"
#include "cli/Commands.h"
#include "cli/DocumentFiles.h"
#include "cli/JsonForm.h"
#include "core/LocaleNames.h"
#include "core/ProgramInfo.h"
#include "model/HolidayFile.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/RuleBuilders.h"
#include "tests/support/SampleDocuments.h"
#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/ScopedLocaleEnvironment.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string HolBytes(const CHolidays& document) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    return std::string(bytes.begin(), bytes.end());
}

// A fixed date on every 1 January, with a display text in Windows-1252.
CHolidays MakeNewYearDocument() {
    return MakeDocument(0x0407, {MakeFixedHoliday("NEU", "Neujahr \xE4", 1, 1)});
}

TEST(Convert, HolToJsonAndBackGivesTheSameBytes) {
    const CTemporaryFolder folder;
    const std::string original = HolBytes(MakeGermanHolidays());
    WriteTextFile(folder / "in.hol", original);

    const CRun toJson = RunCli({"convert", (folder / "in.hol").string(), (folder / "mid.json").string()});
    const CRun toHol = RunCli({"convert", (folder / "mid.json").string(), (folder / "out.HOL").string()});

    EXPECT_EQ(toJson.exitCode, 0) << toJson.errors;
    EXPECT_EQ(toHol.exitCode, 0) << toHol.errors;
    EXPECT_EQ(ReadTextFile(folder / "out.HOL"), original);
    EXPECT_NE(ReadTextFile(folder / "mid.json").find("\"display\": \"Bu\xC3\x9F- und Bettag\""), std::string::npos);
}

TEST(Convert, SameFormOnBothSidesRewritesTheFile) {
    const CTemporaryFolder folder;
    const std::string original = HolBytes(MakeGermanHolidays());
    WriteTextFile(folder / "a.hol", original);
    EXPECT_EQ(RunCli({"convert", (folder / "a.hol").string(), (folder / "b.hol").string()}).exitCode, 0);
    EXPECT_EQ(ReadTextFile(folder / "b.hol"), original);

    WriteTextFile(folder / "a.json", "{\"version\": 7}");
    EXPECT_EQ(RunCli({"convert", (folder / "a.json").string(), (folder / "b.json").string()}).exitCode, 0);
    EXPECT_EQ(DocumentFromJsonText(ReadTextFile(folder / "b.json")).GetVersion(), 7);
}

TEST(Convert, ReplacesAnExistingOutputFile) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "in.json", "{\"version\": 3}");
    WriteTextFile(folder / "out.hol", std::string(1000, 'x'));
    EXPECT_EQ(RunCli({"convert", (folder / "in.json").string(), (folder / "out.hol").string()}).exitCode, 0);
    EXPECT_EQ(ReadTextFile(folder / "out.hol").size(), 12u);
}

TEST(Convert, NotesBytesAfterTheLastHoliday) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "in.hol", HolBytes(MakeNewYearDocument()) + "tail");
    const CRun run = RunCli({"convert", (folder / "in.hol").string(), (folder / "out.hol").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.errors.find("the 4 bytes after the last holiday are not part of the document"), std::string::npos)
        << run.errors;
    EXPECT_EQ(ReadTextFile(folder / "out.hol"), HolBytes(MakeNewYearDocument()));
}

TEST(Convert, NotesTheCopyASaveThatDidNotFinishLeftBehind) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "in.hol", HolBytes(MakeNewYearDocument()));
    WriteTextFile(folder / "in.hol.tavrin-backup", "old");
    const CRun run = RunCli({"convert", (folder / "in.hol").string(), "-"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.errors.find("a save did not finish; the file's earlier content is kept in \"" +
                              (folder / "in.hol.tavrin-backup").string() + "\""),
              std::string::npos)
        << run.errors;
}

TEST(Convert, FailuresLeaveNoFileBehind) {
    const CTemporaryFolder folder;
    const std::string good = (folder / "good.json").string();
    WriteTextFile(good, "{}");
    WriteTextFile(folder / "bad.json", R"({"holidays": [{"rulesets": [{"fixedMonth": "May"}]}]})");
    WriteTextFile(folder / "short.hol", HolBytes(MakeGermanHolidays()).substr(0, 100));
    std::filesystem::create_directory(folder / "taken.hol");

    const struct {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{"convert", good, (folder / "missing" / "out.hol").string()}, "its folder does not exist"},
        {{"convert", good, (folder / "taken.hol").string()}, "cannot write"},
        {{"convert", good, (folder / "out.txt").string()}, "must end in .hol or .json"},
        {{"convert", (folder / "none.hol").string(), (folder / "out.hol").string()}, "cannot read"},
        {{"convert", (folder / "bad.json").string(), (folder / "out.hol").string()},
         "holidays[0].rulesets[0].fixedMonth: expected an integer, found a string"},
        {{"convert", (folder / "short.hol").string(), (folder / "out.json").string()}, "cannot load"},
    };
    for (const auto& c : cases) {
        const CRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments[2];
        EXPECT_EQ(run.errors.rfind("tavrin-cli: ", 0), 0u) << run.errors;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    }
    // Only the inputs remain: no output, no temporary file.
    std::vector<std::string> names = folder.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bad.json", "good.json", "short.hol", "taken.hol"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "taken.hol"));
}

TEST(Convert, DashOrToStdoutWritesTheJsonFormToStandardOutput) {
    const CTemporaryFolder folder;
    const std::string file = (folder / "in.hol").string();
    WriteTextFile(file, HolBytes(MakeGermanHolidays()));
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"convert", file, "-"}, {"convert", "--to-stdout", file}}) {
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(run.out, DocumentToJsonText(MakeGermanHolidays()));
    }
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"in.hol"});
}

TEST(Convert, TextconvShowsTheJsonFormOrTheErrorAndTheBytes) {
    const CTemporaryFolder folder;
    const std::string good = (folder / "good.hol").string();
    const std::string cut = (folder / "cut.hol").string();
    WriteTextFile(good, HolBytes(MakeNewYearDocument()));
    WriteTextFile(cut, std::string("\x07\x04\0\0d\0\0\0\x01\0\0\0\x03NEU\x01", 17));
    const std::pair<std::string, std::string> cases[] = {
        {good, DocumentToJsonText(MakeNewYearDocument())},
        {cut, "tavrin-cli: cannot load \"" + cut +
                  "\": holiday 1 of 1 has a text of 1 byte at byte 16, but only 0 bytes of the file remain\n"
                  "00000000  07 04 00 00 64 00 00 00  01 00 00 00 03 4e 45 55  |....d........NEU|\n"
                  "00000010  01                                                |.|\n"
                  "00000011\n"},
        {(folder / "none.hol").string(),
         "tavrin-cli: cannot read \"" + (folder / "none.hol").string() + "\": the file does not exist\n"},
    };
    for (const auto& [file, shown] : cases) {
        const CRun run = RunCli({"convert", "--textconv", file});
        EXPECT_EQ(run.exitCode, 0) << file;
        EXPECT_EQ(run.out, shown);
        EXPECT_EQ(run.errors, "");
    }
}

TEST(Convert, RefusesInputsThatAreNotFiles) {
    const CHangGuard guard(10);  // a named pipe must not wait for a writer
    const CTemporaryFolder folder;
    MakeFifo(folder / "fifo.hol");
    MakeSocket(folder / "socket.json");
    std::filesystem::create_symlink("/dev/zero", folder / "zero.hol");
    std::filesystem::create_directory(folder / "folder.hol");
    const std::pair<const char*, const char*> cases[] = {
        {"fifo.hol", "a named pipe"},
        {"socket.json", "a socket"},
        {"zero.hol", "a device"},
        {"folder.hol", "a folder"},
    };
    for (const auto& [name, what] : cases) {
        const CRun run = RunCli({"convert", (folder / name).string(), (folder / "out.json").string()});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errors, "tavrin-cli: cannot read \"" + (folder / name).string() + "\": it is " + what +
                                  ", not a holiday file\n");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "out.json"));
}

// Either form: the .hol bytes are written at once, the JSON text in pieces.
TEST(Convert, FailedWriteKeepsTheOutputFile) {
    for (const char* output : {"out.hol", "out.json"}) {
        const CTemporaryFolder folder;
        WriteTextFile(folder / "in.json", "{\"version\": 3}");
        const std::string old(1000, 'x');
        WriteTextFile(folder / output, old);
        CRun run;
        {
            const CFileSizeLimit limit(4);
            run = RunCli({"convert", (folder / "in.json").string(), (folder / output).string()});
        }
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.errors, "tavrin-cli: cannot write \"" + (folder / output).string() + "\": File too large\n");
        EXPECT_EQ(ReadTextFile(folder / output), old);
        std::vector<std::string> names = folder.Names();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"in.json", output}));
    }
}

// A JSON text that no reading could load again is refused before anything
// is written, naming its size and the limit.
TEST(Convert, RefusesAJsonTextLargerThanAHolidayFileMayBe) {
    const CHolidays document = MakeGermanHolidays();
    const std::uint64_t size = DocumentJsonSize(document);
    EXPECT_EQ(size, DocumentToJsonText(document).size());
    EXPECT_NO_THROW(RefuseJsonBeyondReadLimit(document, "out.json", size));
    try {
        RefuseJsonBeyondReadLimit(document, "out.json", size - 1);
        ADD_FAILURE() << "not refused";
    } catch (const CCliError& error) {
        EXPECT_EQ(std::string(error.what()),
                  fmt::format("cannot write out.json: its JSON text would have {} bytes, more than the {} bytes "
                              "(0 MiB) a holiday file may have (write it as .hol)",
                              size, size - 1));
    }
}

TEST(Dates, ListsEachYearsHolidaysInPreviewOrder) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "de.hol", HolBytes(MakeGermanHolidays()));
    const CRun run = RunCli({"dates", (folder / "de.hol").string(), "2023", "2024"});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(
        run.out.starts_with("2023-01-01\tNEUJAHR\tNeujahr\n"
                            "2023-04-07\tKARFREITAG\tKarfreitag\n"))
        << run.out;
    EXPECT_NE(run.out.find("2023-11-22\tBUSS_UND_BETTAG\tBu\xC3\x9F- und Bettag\n"), std::string::npos);
    EXPECT_NE(run.out.find("2024-12-31\tSILVESTER\tSilvester\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2 * 17);
}

TEST(Dates, LastYearDefaultsToTheFirst) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "n.hol", HolBytes(MakeNewYearDocument()));
    const CRun run = RunCli({"dates", (folder / "n.hol").string(), "2030"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "2030-01-01\tNEU\tNeujahr \xC3\xA4\n");
}

TEST(Dates, EscapesLineBreaksAndTabsInTexts) {
    CHolidays document = MakeNewYearDocument();
    CHoliday holiday = document.GetHoliday(0);
    holiday.display = "a\tb\r\nc\\";
    document.SetHoliday(holiday);
    const CTemporaryFolder folder;
    WriteTextFile(folder / "n.hol", HolBytes(document));
    EXPECT_EQ(RunCli({"dates", (folder / "n.hol").string(), "2030"}).out, "2030-01-01\tNEU\ta\\tb\\r\\nc\\\\\n");
}

TEST(Dates, ExplainAddsWhereEachDateComesFromAsAFourthField) {
    using namespace rules;
    const CHolidays document = MakeDocument(
        0x0409,
        {MakeFixedHoliday("A\tB", "Tab", 25, 12),
         Holiday("T", {WithShifts(DaysFrom(1, kAfter, "A\tB"), {OnWeekdayShiftTo(kMonday, 1, kTuesday, kAfter)})})});
    const CTemporaryFolder folder;
    WriteTextFile(folder / "t.hol", HolBytes(document));
    const CRun run = RunCli({"dates", "--explain", (folder / "t.hol").string(), "2022"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.out,
              "2022-12-25\tA\\tB\tTab\tRuleset 1: 25 December\n"
              "2022-12-27\tT\tT display\tRuleset 1: 1 day after A\\tB (25 Dec 2022); moved by shift rule 1 from "
              "Monday 26 December\n");
}

TEST(Dates, RefusesAbsurdYearRanges) {
    const CTemporaryFolder folder;
    const std::string file = (folder / "n.hol").string();
    WriteTextFile(file, HolBytes(MakeNewYearDocument()));
    const struct {
        std::vector<std::string> years;
        const char* message;
    } cases[] = {
        {{"0"}, "the first year 0 is outside the years 1 to 9999"},
        {{"2000", "10000"}, "the last year 10000 is outside the years 1 to 9999"},
        {{"-5", "2000"}, "the first year -5 is outside"},
        {{"2001", "2000"}, "the last year 2000 is before the first year 2001"},
        {{"99999999999"}, "FIRST"},
        {{"twenty"}, "FIRST"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"dates", file};
        arguments.insert(arguments.end(), c.years.begin(), c.years.end());
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << c.years[0];
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
        EXPECT_EQ(run.out, "");
    }
}

TEST(Dates, ReachesTheLastYearOfTheDateRange) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "n.json",
                  R"({"holidays": [{"id": "E", "rulesets": [{"validTo": 9999, "fixedDay": 31, "fixedMonth": 12}]}]})");
    const CRun run = RunCli({"dates", (folder / "n.json").string(), "9999"});
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.out, "9999-12-31\tE\t\n");
}

TEST(Preview, PrintsTheEditorsReport) {
    const CTemporaryFolder folder;
    WriteTextFile(folder / "n.json", DocumentToJsonText(MakeNewYearDocument()));
    EXPECT_EQ(RunCli({"preview", (folder / "n.json").string(), "2024"}).out, "01 Jan\tNeujahr \xC3\xA4\n");
    EXPECT_EQ(RunCli({"preview", "--crlf", (folder / "n.json").string(), "2024"}).out, "01 Jan\tNeujahr \xC3\xA4\r\n");
    EXPECT_EQ(RunCli({"preview", (folder / "n.json").string(), "0"}).exitCode, 2);
}

// The date is the user's locale's text, the display text the file's.
TEST(Preview, DatesInTheUserLocaleAndDisplayTextsInTheFilesCodePage) {
    const CScopedLocaleEnvironment russian("ru_RU.UTF-8");
    SetLocaleNames(MakeUserLocaleNames());
    const CRun run = RunCli({"preview", ExamplePath("germany.hol").string(), "2024"});
    SetLocaleNames(MakeEnglishLocaleNames());
    EXPECT_TRUE(run.out.starts_with("01 \xD1\x8F\xD0\xBD\xD0\xB2.\tNeujahr\n")) << run.out;  // "01 янв."
    EXPECT_NE(run.out.find("20 \xD0\xBD\xD0\xBE\xD1\x8F\xD0\xB1.\tBu\xC3\x9F- und Bettag\n"), std::string::npos)
        << run.out;  // "20 нояб.", "Buß"
}

TEST(CommandLine, WrongUsageEndsWithExitCodeTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"convert", "only-one.hol"},
        {"convert", "--to-stdout", "in.hol", "out.json"},
        {"preview", "x.hol"},
        {"check"},
        {"dates", "x.hol", "2000", "2001", "2002"},
    };
    for (const auto& arguments : cases) {
        const CRun run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << (arguments.empty() ? "(none)" : arguments[0]);
        EXPECT_NE(run.errors, "");
    }
    EXPECT_EQ(RunCli({"--help"}).exitCode, 0);
}

TEST(CommandLine, VersionAndWhatWasNotUnderstood) {
    const std::string usa = ExamplePath("usa.hol").string();
    const struct {
        std::vector<std::string> arguments;
        std::string out;
        std::string errors;
    } cases[] = {
        {{"--version"}, std::string("tavrin-cli ") + kProgramVersion + "\n", ""},
        {{"frobnicate", usa}, "", "tavrin-cli: 'frobnicate' is not a command; see tavrin-cli --help\n"},
        {{"--frob"}, "", "tavrin-cli: '--frob' is not an option; see tavrin-cli --help\n"},
        {{"check", "--frob", usa}, "", "tavrin-cli: '--frob' is not an option of check; see tavrin-cli check --help\n"},
        {{"dates", usa, "2000", "2001", "2002"},
         "",
         "tavrin-cli: '2002' is one argument too many for dates; see tavrin-cli dates --help\n"},
        {{"check"}, "", "tavrin-cli: FILE is required; see tavrin-cli check --help\n"},
    };
    for (const auto& c : cases) {
        const CRun run = RunCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.out.empty() ? 2 : 0) << c.arguments[0];
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.errors, c.errors);
    }
}

TEST(CommandLine, DashIsStandardInputInTheFormItsBytesShowOrFormatNames) {
    const CScopedEnvironmentVariable stamp("SOURCE_DATE_EPOCH", "0");
    const std::string usa = ExamplePath("usa.hol").string();
    const std::string usaHol = ReadTextFile(usa);
    const std::string usaDates = RunCli({"dates", usa, "2024"}).out;
    // Language 0x0022207B: the bytes start with '{', ' ', '"' as a JSON object does.
    const std::string oddHol = HolBytes(MakeDocument(0x0022207B, {MakeFixedHoliday("NEU", "x", 1, 1)}));
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        std::string out;
        std::string error;  // the message's start
    } cases[] = {
        {{"dates", "-", "2024"}, usaHol, usaDates, ""},
        {{"dates", "-", "2024"}, " \r\n\t" + RunCli({"convert", usa, "-"}).out, usaDates, ""},
        {{"dates", "-", "2024"}, "{}", "", ""},
        {{"dates", "--format", "hol", "-", "2024"}, oddHol, "2024-01-01\tNEU\tx\n", ""},
        {{"dates", "-", "2024"}, oddHol, "", "tavrin-cli: cannot load standard input: the JSON text is not valid"},
        {{"ics", usa, "2024", "-o", "-"}, "", RunCli({"ics", usa, "2024"}).out, ""},
        {{"diff", "-", "-", "2024"}, usaHol, "", "tavrin-cli: standard input can be read only once"},
        {{"diff", "-", usa, "2024"}, RunCli({"ics", usa, "2024"}).out, "", ""},
        {{"dates", "-", "2024"},
         RunCli({"ics", usa, "2024"}).out,
         "",
         "tavrin-cli: cannot load standard input: it is an iCalendar file, which only diff reads"},
        {{"check", "--format", "json", usa}, "", "", "tavrin-cli: --format names the form of standard input"},
        {{"check", "--format", "ics", "-"}, "", "", "tavrin-cli: --format: this command reads .hol and .json"},
    };
    for (const auto& c : cases) {
        const CRun run = RunCli(c.arguments, c.input);
        EXPECT_EQ(run.out, c.out) << c.arguments[1];
        EXPECT_EQ(run.errors.substr(0, c.error.size()), c.error) << run.errors;
        EXPECT_EQ(run.exitCode, c.error.empty() ? 0 : 2) << run.errors;
    }
    EXPECT_FALSE(std::filesystem::exists("-"));
}

// Takes what is written into its buffer, but cannot pass it on: flushing
// fails as it does for standard output on a full disk.
class CUnflushableBuffer : public std::streambuf {
public:
    CUnflushableBuffer() { setp(buffer.data(), buffer.data() + buffer.size()); }

protected:
    int overflow(int) override { return traits_type::eof(); }
    int sync() override { return pptr() == pbase() ? 0 : -1; }

private:
    std::array<char, 1 << 16> buffer{};
};

TEST(CommandLine, StandardOutputThatCannotBeWrittenIsAnError) {
    const CTemporaryFolder folder;
    const std::string file = (folder / "in.hol").string();
    const std::string other = (folder / "other.hol").string();
    WriteTextFile(file, HolBytes(MakeNewYearDocument()));
    WriteTextFile(other, HolBytes(MakeDocument(0x0407, {MakeFixedHoliday("A,B", "x", 2, 1)})));
    const std::vector<std::string> cases[] = {
        {"convert", file, "-"},
        {"dates", file, "2024"},
        {"preview", file, "2024"},
        {"check", other},
        {"diff", file, other, "2024"},
        {"ics", file, "2024"},
        {"--help"},
    };
    for (const auto& arguments : cases) {
        CUnflushableBuffer buffer;
        std::ostream out(&buffer);
        std::istringstream in;
        std::ostringstream errors;
        EXPECT_EQ(RunTavrinCli(arguments, in, out, errors), 2) << arguments[0];
        EXPECT_EQ(errors.str(), "tavrin-cli: cannot write to standard output\n") << arguments[0];
    }
}

}  // namespace
