// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliApp.h"

#include "cli/Commands.h"
#include "core/ProgramInfo.h"

#include <CLI/CLI.hpp>

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

namespace {

constexpr int kUsageError = 2;

// "tavrin-cli: <problem>; see tavrin-cli [COMMAND] --help", the command being
// the one the arguments chose, if any.
std::string UsageMessage(const CLI::App& app, const std::string& problem) {
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    const std::string help = chosen.empty() ? "tavrin-cli --help" : "tavrin-cli " + chosen[0]->get_name() + " --help";
    return fmt::format("tavrin-cli: {}; see {}\n", problem, help);
}

// The first word the parser left over, said as what it is not: a command
// where a command was to come, an option, or an argument too many.
std::string ExtraWordMessage(const CLI::App& app, const std::vector<std::string>& arguments) {
    const std::vector<std::string> extras = app.remaining(true);
    const std::string word = extras.empty() ? std::string() : extras[0];
    const bool isOption = word.size() > 1 && word[0] == '-';
    // The word belongs to the command when it comes after the command's name.
    const std::vector<CLI::App*> chosen = app.get_subcommands();
    const auto at = [&arguments](const std::string& text) {
        return std::find(arguments.begin(), arguments.end(), text) - arguments.begin();
    };
    if (chosen.empty() || at(word) < at(chosen[0]->get_name())) {
        return fmt::format("tavrin-cli: '{}' is not {}; see tavrin-cli --help\n", word,
                           isOption ? "an option" : "a command");
    }
    const std::string& name = chosen[0]->get_name();
    return UsageMessage(app, isOption ? fmt::format("'{}' is not an option of {}", word, name)
                                      : fmt::format("'{}' is one argument too many for {}", word, name));
}

// The form --format names.
std::optional<EDocumentForm> FormNamed(const std::string& name) {
    if (name == "hol") {
        return EDocumentForm::Hol;
    }
    if (name == "json") {
        return EDocumentForm::Json;
    }
    if (name == "ics") {
        return EDocumentForm::Ics;
    }
    return std::nullopt;
}

}  // namespace

int RunTavrinCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& errors) {
    CLI::App app{"Converts, lists and checks holiday definition files (.hol) and their JSON form (.json).",
                 "tavrin-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tavrin-cli ") + kProgramVersion, "Print the version and exit");
    app.footer(
        "A FILE of - is standard input: JSON when it starts with { and a \" or }, else .hol (--format says "
        "which); an output file of - is standard output.");
    // The command the arguments chose, run once they are all read.
    std::function<int(const CStandardInput&)> command;

    // Standard input's form, for every command that reads a file; iCalendar
    // only where the command reads it.
    std::string formatName;
    const auto addFormat = [&formatName](CLI::App* subcommand, bool readsIcs = false) {
        subcommand
            ->add_option("--format", formatName,
                         readsIcs ? "The form of a file that is - (standard input): hol, json or ics"
                                  : "The form of a FILE that is - (standard input): hol or json")
            ->check([readsIcs](const std::string& name) {
                if (name == "ics" && !readsIcs) {
                    return std::string("this command reads .hol and .json, not iCalendar");
                }
                return FormNamed(name)
                           ? std::string()
                           : std::string(readsIcs ? "the forms are hol, json and ics" : "the forms are hol and json");
            });
    };

    std::filesystem::path inPath;
    std::filesystem::path outPath;
    bool toStdout = false;
    bool textconv = false;
    CLI::App* convert = app.add_subcommand("convert", "Convert between .hol and .json, chosen by the file endings");
    convert->add_option("IN", inPath, "File to read (.hol or .json), or - for standard input")->required();
    CLI::Option* outOption =
        convert->add_option("OUT", outPath, "File to write (.hol or .json), or - for the JSON form on standard output");
    CLI::Option* toStdoutOption =
        convert->add_flag("--to-stdout", toStdout, "Write the JSON form to standard output (as OUT - does)")
            ->excludes(outOption);
    convert
        ->add_flag("--textconv", textconv,
                   "For git's textconv: the JSON form on standard output, or for a file that cannot be read the "
                   "error and a hex dump of the file; exit code 0 either way")
        ->excludes(outOption)
        ->excludes(toStdoutOption);
    addFormat(convert);
    convert->callback([&] {
        if (!toStdout && !textconv && outOption->count() == 0) {
            throw CLI::RequiredError("OUT or --to-stdout");
        }
        command = [&](const CStandardInput& input) {
            if (textconv) {
                return RunTextconv(inPath, input, out, errors);
            }
            return RunConvert(inPath, toStdout ? kStandardOutput : outPath, input, out, errors);
        };
    });

    std::filesystem::path file;
    int firstYear = 0;
    int lastYear = 0;
    CLI::App* dates =
        app.add_subcommand("dates", "List each year's holidays, one line each: YYYY-MM-DD<TAB>ID<TAB>DISPLAY");
    dates->add_option("FILE", file, "Holiday file (.hol or .json), or - for standard input")->required();
    dates->add_option("FIRST", firstYear, "First year (1 to 9999)")->required();
    dates->add_option("LAST", lastYear, "Last year (default: FIRST)");
    bool explain = false;
    dates->add_flag(
        "--explain", explain,
        "Add a fourth field: the ruleset that gives the date, what from, and the shift rules that moved it");
    addFormat(dates);
    dates->callback([&] {
        command = [&](const CStandardInput& input) {
            return RunDates(file, firstYear, dates->count("LAST") > 0 ? lastYear : firstYear, explain, input, out,
                            errors);
        };
    });

    std::filesystem::path icsOut;
    std::string calendarName;
    std::string uidDomain;
    CLI::App* ics = app.add_subcommand(
        "ics", "Write each year's holidays as an iCalendar file (.ics), one all-day event per holiday and day");
    ics->add_option("FILE", file, "Holiday file (.hol or .json), or - for standard input")->required();
    ics->add_option("FIRST", firstYear, "First year (1 to 9999)")->required();
    ics->add_option("LAST", lastYear, "Last year (default: FIRST)");
    CLI::Option* icsOutOption =
        ics->add_option("-o,--output", icsOut, "File to write, or - for standard output (the default)");
    CLI::Option* nameOption =
        ics->add_option("--name", calendarName, "The calendar's name (X-WR-CALNAME; default: FILE without its ending)");
    CLI::Option* uidDomainOption = ics->add_option(
        "--uid-domain", uidDomain, "What follows the @ of each event's UID (default: made from the calendar's name)");
    addFormat(ics);
    ics->footer(
        "An event's UID is made of its date, the file's language, the holiday's ID and the calendar's name or "
        "--uid-domain, so it is the same on every run and differs between files. DTSTAMP is the time in "
        "SOURCE_DATE_EPOCH when that is set, else now. The days reach from 0001-01-02 to 3000-12-31, as far as "
        "libical writes them.");
    ics->callback([&] {
        command = [&](const CStandardInput& input) {
            const CIcsNames names{nameOption->count() > 0 ? std::optional(calendarName) : std::nullopt,
                                  uidDomainOption->count() > 0 ? std::optional(uidDomain) : std::nullopt};
            return RunIcs(file, firstYear, ics->count("LAST") > 0 ? lastYear : firstYear, names,
                          icsOutOption->count() > 0 ? std::optional(icsOut) : std::nullopt, input, out, errors);
        };
    });

    std::filesystem::path newFile;
    bool datesOnly = false;
    CLI::App* diff = app.add_subcommand(
        "diff",
        "List the holidays that differ: \"- \" and a dates line for those only OLD has, \"+ \" for those only "
        "NEW has; exit code 1 if any");
    diff->add_option("OLD", file, "Holiday file (.hol or .json), iCalendar file (.ics), or - for standard input")
        ->required();
    diff->add_option("NEW", newFile, "Holiday file (.hol or .json), iCalendar file (.ics), or - for standard input")
        ->required();
    diff->add_option("FIRST", firstYear, "First year (1 to 9999)")->required();
    diff->add_option("LAST", lastYear, "Last year (default: FIRST)");
    diff->add_flag("--dates-only", datesOnly, "Compare only the number of holidays on each day");
    addFormat(diff, true);
    diff->footer(
        "Two holidays of a day are the same when their ID and display text are. A holiday listed twice on a "
        "day counts twice. Within a day the \"-\" lines come first. In an iCalendar file every all-day event "
        "is a holiday on each of its days (recurrences expanded), SUMMARY its display text; its lines have an "
        "empty ID, and with one on either side holidays are the same when their display texts are. Standard "
        "input that starts with BEGIN:VCALENDAR is iCalendar.");
    diff->callback([&] {
        command = [&](const CStandardInput& input) {
            return RunDiff(file, newFile, firstYear, diff->count("LAST") > 0 ? lastYear : firstYear, datesOnly, input,
                           out, errors);
        };
    });

    int year = 0;
    bool crlf = false;
    CLI::App* preview = app.add_subcommand(
        "preview",
        "Print the editor's preview of a year: the date as \"%d %b\" in your locale, a tab, the display text");
    preview->add_option("FILE", file, "Holiday file (.hol or .json), or - for standard input")->required();
    preview->add_option("YEAR", year, "Year (1 to 9999)")->required();
    preview->add_flag("--crlf", crlf, "End lines with CR LF, as the editor's preview text does (default: LF)");
    addFormat(preview);
    preview->callback([&] {
        command = [&](const CStandardInput& input) {
            return RunPreview(file, year, crlf ? "\r\n" : "\n", input, out, errors);
        };
    });

    CLI::App* check = app.add_subcommand(
        "check", "List problems of a holiday file, one a line with the holiday's ID; exit code 1 if any");
    check->add_option("FILE", file, "Holiday file (.hol or .json), or - for standard input")->required();
    addFormat(check);
    check->callback([&] { command = [&](const CStandardInput& input) { return RunCheck(file, input, out, errors); }; });

    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    int exitCode = 0;
    try {
        app.parse(reversed);
        if (command) {
            exitCode = command({in, FormNamed(formatName)});
        }
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {  // --help, --version
            exitCode = app.exit(error, out, errors);
        } else {
            // A word not understood explains the rest: "frobnicate" also
            // leaves the command missing.
            errors << (app.remaining(true).empty() ? UsageMessage(app, error.what())
                                                   : ExtraWordMessage(app, arguments));
            exitCode = kUsageError;
        }
    }
    return FinishOutput(out, errors, exitCode);
}
