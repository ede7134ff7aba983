#pragma once

#include <QString>
#include <QStringList>

// What the program's arguments ask for: `tavrin [FILE]`, `--help` or
// `--version`.
struct CCommandLine {
    enum class Action {
        RunEditor,     // start the editor, with `file` when one is given
        PrintHelp,     // print `text` to standard output, exit code 0
        PrintVersion,  // print `text` to standard output, exit code 0
        UsageError,    // print `text` to standard error, exit code 2
    };

    Action action = Action::RunEditor;
    QString file;  // RunEditor: the file to open as given, empty for none
    QString text;  // everything else: the text to print, ending with a newline

    int ExitCode() const;
};

// Reads the arguments, the program's name first. It needs no application
// object, so that help, version and usage errors need no display.
CCommandLine ParseCommandLine(const QStringList& arguments);
