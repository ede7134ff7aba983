// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <filesystem>

class CEditorWindow;

// The application: owns the QApplication, runs the editor window modally as
// the program's only event loop, and ends when the window has closed.
class CEditorApp {
public:
    CEditorApp(int& argc, char** argv);

    // Runs the editor window, showing `file` first when one is given;
    // returns the process exit code.
    int Run(const std::filesystem::path& file);

    // Shows the file named on the command line as File > Open of it does; a
    // file that cannot be opened is reported in the same way and leaves the
    // window as it was. An empty name opens nothing.
    static void OpenStartFile(CEditorWindow& window, const std::filesystem::path& file);

private:
    QApplication application;
};
