// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"
#include "core/ProgramInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = CCommandLine::Action;

struct ArgumentsCase {
    std::vector<std::string> arguments;  // after the program's name
    Action action;
    std::string file;
    int exitCode;
};

const ArgumentsCase kArgumentsCases[] = {
    {{}, Action::RunEditor, "", 0},
    {{"germany.hol"}, Action::RunEditor, "germany.hol", 0},
    {{"--", "-style"}, Action::RunEditor, "-style", 0},
    {{"bad\xff.hol"}, Action::RunEditor, "bad\xff.hol", 0},  // not UTF-8: the bytes are kept
    {{"--help"}, Action::PrintHelp, "", 0},
    {{"-h", "germany.hol"}, Action::PrintHelp, "", 0},
    {{"--version"}, Action::PrintVersion, "", 0},
    {{"-v"}, Action::PrintVersion, "", 0},
    {{"--open"}, Action::UsageError, "", 2},
    {{"-style", "fusion"}, Action::UsageError, "", 2},
    {{"--help-all"}, Action::UsageError, "", 2},
    {{"a.hol", "b.hol"}, Action::UsageError, "", 2},
};

TEST(CommandLine, StartsTheEditorWithAtMostOneFileAndRefusesEverythingElse) {
    for (const ArgumentsCase& test : kArgumentsCases) {
        std::vector<std::string> all = {"/usr/bin/tavrin"};
        all.insert(all.end(), test.arguments.begin(), test.arguments.end());
        const CCommandLine commandLine = ParseCommandLine(all);
        const std::string arguments = all.back();
        EXPECT_EQ(commandLine.action, test.action) << arguments;
        EXPECT_EQ(commandLine.file, test.file) << arguments;
        EXPECT_EQ(commandLine.ExitCode(), test.exitCode) << arguments;
    }
}

TEST(CommandLine, HelpVersionAndUsageErrorsNameTheProgram) {
    const QString usage = "Usage: tavrin [options] [file]\n";
    const QString help = ParseCommandLine({"/usr/bin/tavrin", "--help"}).text;
    EXPECT_TRUE(help.startsWith(usage)) << help.toStdString();
    EXPECT_TRUE(help.contains("--version")) << help.toStdString();
    EXPECT_EQ(ParseCommandLine({"/usr/bin/tavrin", "--version"}).text, QString("tavrin %1\n").arg(kProgramVersion));
    EXPECT_EQ(ParseCommandLine({"/usr/bin/tavrin", "--open"}).text, "tavrin: Unknown option 'open'.\n" + help);
    EXPECT_TRUE(
        ParseCommandLine({"/usr/bin/tavrin", "a.hol", "b.hol"}).text.startsWith("tavrin: Unexpected argument 'b.hol'"));
}

TEST(CommandLine, ExportYearCalendarTakesFileYearAndOutput) {
    const CCommandLine exporting = ParseCommandLine({"tavrin", "--export-year-calendar", "g.hol", "2026", "g.pdf"});
    EXPECT_EQ(exporting.action, Action::ExportYearCalendar);
    EXPECT_EQ(exporting.file, "g.hol");
    EXPECT_EQ(exporting.year, 2026);
    EXPECT_EQ(exporting.output, "g.pdf");
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"tavrin", "--export-year-calendar", "g.hol", "2026"},
          std::vector<std::string>{"tavrin", "--export-year-calendar", "g.hol", "next", "g.pdf"}}) {
        EXPECT_EQ(ParseCommandLine(wrong).action, Action::UsageError);
    }
}

}  // namespace
