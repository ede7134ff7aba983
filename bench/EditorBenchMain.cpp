// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/EditorBench.h"
#include "bench/StartupBench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSize>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>

// The editor's benchmarks run in US English and, unless QT_QPA_PLATFORM
// names another platform (xcb on a display), offscreen as the GUI tests do.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    // The files the benchmarks open stay out of the user's recent files.
    const QTemporaryDir settings;
    setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    if ((argc == 3 || argc == 5) && std::strcmp(argv[1], kStartupChildOption) == 0) {
        const QSize size = argc == 5 ? QSize(std::atoi(argv[3]), std::atoi(argv[4])) : QSize();
        return RunStartupChild(argv[2], size);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    CloseLargeDocumentEditors();
    benchmark::Shutdown();
    return 0;
}
