// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

// What the program's arguments ask for: `tavrin [FILE]`, `--help` or
// `--version`.
struct CCommandLine {
    enum class Action {
        RunEditor,           // start the editor, with `file` when one is given
        PrintHelp,           // print `text` to standard output, exit code 0
        PrintVersion,        // print `text` to standard output, exit code 0
        UsageError,          // print `text` to standard error, exit code 2
        ExportYearCalendar,  // write the year calendar of `file` for `year` to `output` as PDF
    };

    Action action = Action::RunEditor;
    std::filesystem::path file;  // RunEditor, ExportYearCalendar: the file, as the argument's bytes; empty for none
    QString text;                // everything else: the text to print, ending with a newline
    int year = 0;                // ExportYearCalendar
    std::filesystem::path output = {};  // ExportYearCalendar: the PDF file

    int ExitCode() const;
};

// Reads the arguments (as the system gives them, in bytes), the program's
// name first. It needs no application object, so that help, version and
// usage errors need no display.
CCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
