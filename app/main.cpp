// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CEditorApp.h"
#include "app/CommandLine.h"
#include "app/Display.h"
#include "app/YearCalendarExport.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    // Read before the QApplication exists, which needs a display.
    const CCommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.action == CCommandLine::Action::ExportYearCalendar) {
        // Drawn without a window, so without a display.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        int qtArgc = 1;
        const QGuiApplication application(qtArgc, argv);
        return ExportYearCalendar(commandLine.file, commandLine.year, commandLine.output, stderr);
    }
    if (commandLine.action != CCommandLine::Action::RunEditor) {
        std::FILE* stream = commandLine.action == CCommandLine::Action::UsageError ? stderr : stdout;
        std::fputs(commandLine.text.toLocal8Bit().constData(), stream);
        return commandLine.ExitCode();
    }
    if (!HasDisplay()) {
        std::fputs(kNoDisplayMessage, stderr);
        return kNoDisplayExitCode;
    }
    // Qt sees only the program's name: every argument was read above, and a
    // file named like one of Qt's own options (-style) is still a file.
    int qtArgc = 1;
    CEditorApp app(qtArgc, argv);
    return app.Run(commandLine.file);
}
