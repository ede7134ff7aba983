#pragma once

#include <QApplication>

// The application: owns the QApplication, runs the editor window modally as
// the program's only event loop, and ends when the window has closed.
class CEditorApp {
public:
    CEditorApp(int& argc, char** argv);

    // Runs the editor window; returns the process exit code.
    int Run();

private:
    QApplication application;
};
