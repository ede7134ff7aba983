// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/StartupBench.h"

#include "editor/CEditorWindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QProcess>
#include <QSize>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

// Start-up: how much later the editor window is on screen than an empty
// dialog. Each is shown by a fresh process of this program, so that every
// one-time cost (ICU data, fonts, styles, the locale list) counts, and all
// share the same libraries and application set-up. A third kind, an empty
// dialog as large as the editor window, shows what the window's size alone
// costs: painting and handing over a frame grows with its pixels.
namespace {

constexpr char kEmptyDialog[] = "empty-dialog";
constexpr char kEditorWindow[] = "editor-window";

// Notes the first paint event of the window it watches.
class CFirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// Nanoseconds from starting the child until it reports its first frame, or
// a negative number when it failed.
double ShownAfter(const char* kind, const QSize& size = {}) {
    using Clock = std::chrono::steady_clock;
    QStringList arguments{QString::fromLatin1(kStartupChildOption), QString::fromLatin1(kind)};
    if (size.isValid()) {
        arguments << QString::number(size.width()) << QString::number(size.height());
    }
    QProcess child;
    const Clock::time_point start = Clock::now();
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForReadyRead(60'000)) {
        return -1;
    }
    const Clock::time_point shown = Clock::now();
    if (!child.waitForFinished(60'000) || child.exitCode() != 0 || child.readAllStandardOutput().trimmed() != "shown") {
        return -1;
    }
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(shown - start).count());
}

// Manual time: the editor window's. The counters give the three times in
// milliseconds and the ratios of the window and of the large dialog to the
// empty dialog over all iterations; the kinds take turns, so that all see
// the same load.
void BM_StartupShown(benchmark::State& state) {
    const QSize windowSize = CEditorWindow().size();
    double emptyDialogTotal = 0;
    double sizedDialogTotal = 0;
    double editorWindowTotal = 0;
    for (auto _ : state) {
        const double emptyDialog = ShownAfter(kEmptyDialog);
        const double sizedDialog = ShownAfter(kEmptyDialog, windowSize);
        const double editorWindow = ShownAfter(kEditorWindow);
        if (emptyDialog < 0 || sizedDialog < 0 || editorWindow < 0) {
            state.SkipWithError("the start-up child process failed");
            return;
        }
        emptyDialogTotal += emptyDialog;
        sizedDialogTotal += sizedDialog;
        editorWindowTotal += editorWindow;
        state.SetIterationTime(editorWindow * 1e-9);
    }
    using benchmark::Counter;
    state.counters["emptyDialog_ms"] = Counter(emptyDialogTotal * 1e-6, Counter::kAvgIterations);
    state.counters["sizedDialog_ms"] = Counter(sizedDialogTotal * 1e-6, Counter::kAvgIterations);
    state.counters["editorWindow_ms"] = Counter(editorWindowTotal * 1e-6, Counter::kAvgIterations);
    state.counters["ratio"] = editorWindowTotal / emptyDialogTotal;
    state.counters["sizedRatio"] = sizedDialogTotal / emptyDialogTotal;
}
BENCHMARK(BM_StartupShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int RunStartupChild(const char* kind, const QSize& size) {
    std::unique_ptr<QWidget> window;
    if (std::strcmp(kind, kEditorWindow) == 0) {
        window = std::make_unique<CEditorWindow>();
    } else if (std::strcmp(kind, kEmptyDialog) == 0) {
        window = std::make_unique<QDialog>();
        if (size.isValid()) {
            window->setFixedSize(size);
        }
    } else {
        return 2;
    }
    CFirstPaint firstPaint;
    window->installEventFilter(&firstPaint);
    window->show();
    // The whole frame, children included, is painted by the time the event
    // that painted the window has been handled.
    while (!firstPaint.painted) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}
