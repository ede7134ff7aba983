// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/DocumentFiles.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// The commands of tavrin-cli as functions. Each writes its result to `out`,
// notes and error messages to `errors`, and returns the exit code: 0 for
// success, 2 for an error (with a message naming the problem); check returns 1
// when it found something. An output file is never left half written, and
// standard output is flushed before success is reported: output that cannot
// be written is an error.
//
// A file to read named kStandardStream ("-") is standard input, read as
// CInputReader says; only one input of a command can be standard input.

// The years the listing commands accept.
constexpr int kFirstListedYear = 1;
constexpr int kLastListedYear = 9999;

// The output name that stands for standard output.
inline const std::filesystem::path kStandardOutput = kStandardStream;

// Standard input as the commands read it: the stream, and its form when
// --format names it (otherwise it is told from its first bytes).
struct CStandardInput {
    std::istream& stream;
    std::optional<EDocumentForm> form;
};

// Converts between .hol and .json (either way, or to the same form), chosen by
// the file endings. An output named kStandardOutput gets the JSON form,
// written to `out`.
int RunConvert(const std::filesystem::path& in, const std::filesystem::path& outFile, const CStandardInput& input,
               std::ostream& out, std::ostream& errors);

// The JSON form of the file on `out` for git's text conversion: for a file
// that cannot be read or is no document, the error message and a hex dump of
// its bytes (as `hexdump -C` writes it) instead, so that `git diff` still
// shows a change. Exit code 0 either way; 2 only when `out` cannot be written.
int RunTextconv(const std::filesystem::path& file, const CStandardInput& input, std::ostream& out,
                std::ostream& errors);

// For each year from first to last, the year's holidays in preview order, one
// line each: "YYYY-MM-DD<TAB>ID<TAB>DISPLAY\n", the texts as UTF-8 (with a
// tab, carriage return, line feed or backslash in them written as \t, \r, \n
// or \\, so each line keeps its fields). With `explain`, a fourth field
// says where the date comes from (DateOrigins.h, its lines joined by "; ").
int RunDates(const std::filesystem::path& file, int firstYear, int lastYear, bool explain, const CStandardInput& input,
             std::ostream& out, std::ostream& errors);

// How `ics` names the calendar and its events.
struct CIcsNames {
    std::optional<std::string> name;       // X-WR-CALNAME; else the file's name without its ending
    std::optional<std::string> uidDomain;  // after the '@' of each UID; else made from the name
};

// The holidays of the years as an iCalendar file (HolidayCalendar.h), written
// to `outFile` when given and not kStandardOutput, else to `out`. A calendar
// without events is written with a note on `errors`.
int RunIcs(const std::filesystem::path& file, int firstYear, int lastYear, const CIcsNames& names,
           const std::optional<std::filesystem::path>& outFile, const CStandardInput& input, std::ostream& out,
           std::ostream& errors);

// The holidays that change from `oldFile` to `newFile`, year by year, one line
// each: "- " for a holiday on a day that only the old file has, "+ " for one
// only the new file has, then the line of RunDates (the day's order and what
// counts as the same holiday: HolidayDiff.h). Either file may be an iCalendar
// file (ReadHolidayCalendar): its lines have an empty ID, a holiday file
// beside it gives the holidays that `ics` writes as events, and holidays are
// the same when their display texts are. With `datesOnly` only the number of
// holidays of each day counts. A note on `errors` says how many timed events
// an iCalendar file holds, which are left out. Exit code 0 when the files give
// the same holidays (nothing is written), 1 when they differ, 2 on an error.
int RunDiff(const std::filesystem::path& oldFile, const std::filesystem::path& newFile, int firstYear, int lastYear,
            bool datesOnly, const CStandardInput& input, std::ostream& out, std::ostream& errors);

// The preview report of the year as the editor builds it, with `lineEnd`
// ending each line.
int RunPreview(const std::filesystem::path& file, int year, std::string_view lineEnd, const CStandardInput& input,
               std::ostream& out, std::ostream& errors);

// The findings of CheckDocument, one a line; exit code 1 when there are any.
int RunCheck(const std::filesystem::path& file, const CStandardInput& input, std::ostream& out, std::ostream& errors);

// Ends a run that wrote to `out` (standard output): flushes it and returns
// `exitCode`, or 2 with a message when the output cannot be written (a full
// disk, a closed pipe).
int FinishOutput(std::ostream& out, std::ostream& errors, int exitCode);
