// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/EditorBench.h"

#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/CScriptedDialogs.h"
#include "tests/support/SampleDocuments.h"

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>

// The editor window's actions on large documents, driven through the same
// entry points as a user's clicks and picks. Each action ends with the idle
// turn that follows it on screen: pending events (painting included) and the
// enabling of the controls.
namespace {

// A shown window with scripted dialogs holding a generated document of
// `count` holidays, opened from a file with File > Open.
class CLargeDocumentEditor {
public:
    explicit CLargeDocumentEditor(int count) : path(folder.filePath(QStringLiteral("large.hol"))) {
        SaveHolidayFile(MakeRandomHolidays(count), QFile::encodeName(path).toStdString());
        window.show();
        Open();
    }

    void Open() {
        if (window.View().Document().GetHolidayCount() > 0) {
            dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
        }
        dialogs.openFiles.push_back(path);
        window.View().MenuAction(ids::kFileOpen)->trigger();
        Idle();
    }

    // Picks the item as a user does, which runs the list's handler.
    void Pick(int listId, int position) {
        CComboList* list = window.View().List(listId);
        list->setCurrentIndex(position);
        emit list->activated(position);
        Idle();
    }

    void Click(int buttonId) {
        window.View().Button(buttonId)->click();
        Idle();
    }

    void AddHoliday(const std::string& id) {
        dialogs.newIds.push_back(id);
        Click(ids::kAddHoliday);
    }

    void DeleteSelectedHoliday() {
        dialogs.okCancelAnswers.push_back(true);
        Click(ids::kDeleteHoliday);
    }

    // Opens the list's drop-down and closes it again.
    void OpenAndCloseList(int listId) {
        CComboList* list = window.View().List(listId);
        list->showPopup();
        Idle();
        list->hidePopup();
        Idle();
    }

    int PositionOfLanguage(LCID language) const {
        const CComboList* languages = window.View().List(ids::kLanguageList);
        for (int position = 0; position < languages->Count(); ++position) {
            if (languages->Data(position).toUInt() == language) {
                return position;
            }
        }
        return -1;
    }

    int HolidayCount() const { return window.View().Document().GetHolidayCount(); }

private:
    void Idle() {
        QCoreApplication::processEvents();
        emit QAbstractEventDispatcher::instance()->aboutToBlock();
    }

    QTemporaryDir folder;
    QString path;
    CScriptedDialogs dialogs;
    CEditorWindow window{&dialogs};
};

// One window per size, shared by the cases; each case leaves the document
// as it found it.
std::map<int, std::unique_ptr<CLargeDocumentEditor>> editors;

CLargeDocumentEditor& EditorWith(int count) {
    std::unique_ptr<CLargeDocumentEditor>& editor = editors[count];
    if (!editor) {
        editor = std::make_unique<CLargeDocumentEditor>(count);
    }
    return *editor;
}

int HolidayCount(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_EditorOpen(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    for (auto _ : state) {
        editor.Open();
    }
}

void BM_EditorSelectHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    int step = 0;
    for (auto _ : state) {
        // Spread over the list, so that holidays of every kind are shown.
        editor.Pick(ids::kIdList, (++step * 7919) % editor.HolidayCount());
    }
}

void BM_EditorAddHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    for (auto _ : state) {
        editor.AddHoliday("Added");
        state.PauseTiming();
        editor.DeleteSelectedHoliday();
        state.ResumeTiming();
    }
}

void BM_EditorDeleteHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddHoliday("Deleted");
        state.ResumeTiming();
        editor.DeleteSelectedHoliday();
    }
}

void BM_EditorRefresh(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    for (auto _ : state) {
        editor.Click(ids::kRefresh);
    }
}

void BM_EditorYearChange(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    int step = 0;
    for (auto _ : state) {
        editor.Pick(ids::kYearList, 124 + ++step % 2);  // 2024, 2025
    }
}

// English (United States) and Russian (Russia): code pages 1252 and 1251.
void BM_EditorLanguageChange(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    const int languages[] = {editor.PositionOfLanguage(0x0419), editor.PositionOfLanguage(0x0409)};
    int step = 0;
    for (auto _ : state) {
        editor.Pick(ids::kLanguageList, languages[++step % 2]);
    }
    editor.Pick(ids::kLanguageList, languages[1]);
}

// The ID list opened after a deletion, which makes it measure its items'
// widths again.
void BM_EditorOpenIdList(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorWith(HolidayCount(state));
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddHoliday("Listed");
        editor.DeleteSelectedHoliday();
        state.ResumeTiming();
        editor.OpenAndCloseList(ids::kIdList);
    }
}

void HolidayCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_EditorOpen)->Apply(HolidayCounts);
BENCHMARK(BM_EditorSelectHoliday)->Apply(HolidayCounts);
BENCHMARK(BM_EditorAddHoliday)->Apply(HolidayCounts);
BENCHMARK(BM_EditorDeleteHoliday)->Apply(HolidayCounts);
BENCHMARK(BM_EditorRefresh)->Apply(HolidayCounts);
BENCHMARK(BM_EditorYearChange)->Apply(HolidayCounts);
BENCHMARK(BM_EditorLanguageChange)->Apply(HolidayCounts);
BENCHMARK(BM_EditorOpenIdList)->Apply(HolidayCounts);

}  // namespace

void CloseLargeDocumentEditors() {
    editors.clear();
}
