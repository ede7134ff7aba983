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
#include <QLineEdit>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The editor window's actions on large documents, driven through the same
// entry points as a user's clicks and picks, each timing a change the user
// sees: another file, other texts, another year, a changed preview. Each
// action ends with the idle turn that follows it on screen: pending events
// (painting included) and the enabling of the controls. Every case runs with
// View > Live Preview off (live = 0) and on (live = 1).
namespace {

// A generated document of `count` holidays of every kind of rule, whose
// display texts read differently in code pages 1252 and 1251.
CHolidays LargeDocument(int count, unsigned seed) {
    CHolidays random = MakeRandomHolidays(count, seed);
    std::vector<CHoliday> holidays = random.Holidays();
    for (std::size_t i = 0; i < holidays.size(); ++i) {
        holidays[i].display =
            "Gedenktag f\xFCr die Stra\xDF"
            "e " +
            std::to_string(i);
    }
    return CHolidays(0x0407, 100, std::move(holidays));
}

// A shown window with scripted dialogs and two files of `count` holidays,
// the first of them opened with File > Open.
class CLargeDocumentEditor {
public:
    explicit CLargeDocumentEditor(int count) {
        for (unsigned seed : {1U, 2U}) {
            paths.push_back(folder.filePath(QStringLiteral("large%1.hol").arg(seed)));
            SaveHolidayFile(LargeDocument(count, seed), QFile::encodeName(paths.back()).toStdString());
        }
        window.show();
        Open(0);
    }

    void Open(std::size_t file) {
        DropWithoutSaving();
        dialogs.openFiles.push_back(paths.at(file));
        Command(ids::kFileOpen);
    }

    // Lets the memory that the last actions left to be freed in the
    // background be given back first, as it is before a user's next action:
    // otherwise freeing 100,000 holidays would share the machine with the
    // next case.
    void Settle() { window.View().WaitForBackgroundFreeing(); }

    void New() {
        DropWithoutSaving();
        Command(ids::kFileNew);
    }

    void Command(int commandId) {
        window.View().MenuAction(commandId)->trigger();
        Idle();
    }

    void SetLivePreview(bool on) {
        if (window.View().MenuAction(ids::kViewLivePreview)->isChecked() != on) {
            Command(ids::kViewLivePreview);
        }
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

    // Types a new display text for the shown holiday, as a user does.
    void TypeDisplayText(const QString& text) {
        window.View().Edit(ids::kDisplayEdit)->setText(text);
        Idle();
    }

    void OpenAndCloseList(int listId) {
        CComboList* list = window.View().List(listId);
        list->showPopup();
        Idle();
        list->hidePopup();
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
    // Answers No when the next command asks to save the holidays it drops.
    void DropWithoutSaving() {
        if (window.View().Document().GetHolidayCount() > 0) {
            dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
        }
    }

    void Idle() {
        QCoreApplication::processEvents();
        emit QAbstractEventDispatcher::instance()->aboutToBlock();
    }

    QTemporaryDir folder;
    std::vector<QString> paths;
    CScriptedDialogs dialogs;
    CEditorWindow window{&dialogs};
};

// The window of the size the last case used; each case leaves the document
// as it found it.
std::map<int, std::unique_ptr<CLargeDocumentEditor>> editors;

// The window of the case's size, with Live Preview as the case asks. A
// window of the other size is closed first: a user has one window, and a
// second one of 100,000 holidays in the same process makes the other's
// actions half as slow again.
CLargeDocumentEditor& EditorFor(const benchmark::State& state) {
    const auto count = static_cast<int>(state.range(0));
    std::erase_if(editors, [count](const auto& entry) { return entry.first != count; });
    std::unique_ptr<CLargeDocumentEditor>& editor = editors[count];
    if (!editor) {
        editor = std::make_unique<CLargeDocumentEditor>(count);
    }
    editor->SetLivePreview(state.range(1) != 0);
    editor->Settle();
    return *editor;
}

// File > Open of the other file, whose lists and preview differ.
void BM_EditorOpenOtherFile(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    std::size_t file = 0;
    for (auto _ : state) {
        file = 1 - file;
        editor.Open(file);
        state.PauseTiming();
        editor.Settle();
        state.ResumeTiming();
    }
    editor.Open(0);
}

// File > Open of a file after File > New.
void BM_EditorOpenAfterNew(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        editor.Open(1);
        editor.New();
        editor.Settle();
        state.ResumeTiming();
        editor.Open(0);
    }
}

void BM_EditorSelectHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    int step = 0;
    for (auto _ : state) {
        // Spread over the list, so that holidays of every kind are shown.
        editor.Pick(ids::kIdList, (++step * 7919) % editor.HolidayCount());
    }
}

void BM_EditorAddHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    for (auto _ : state) {
        editor.AddHoliday("Added");
        state.PauseTiming();
        editor.DeleteSelectedHoliday();
        state.ResumeTiming();
    }
}

void BM_EditorDeleteHoliday(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddHoliday("Deleted");
        state.ResumeTiming();
        editor.DeleteSelectedHoliday();
    }
}

// Refresh after the shown holiday's display text was changed: the store,
// a recalculation and a preview that differs.
void BM_EditorRefreshAfterEdit(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.TypeDisplayText(QStringLiteral("Edited %1").arg(++step));
        state.ResumeTiming();
        editor.Click(ids::kRefresh);
    }
}

// 2024 and 2025 in turn: their previews differ.
void BM_EditorYearChange(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    int step = 0;
    for (auto _ : state) {
        editor.Pick(ids::kYearList, 124 + ++step % 2);
    }
}

// German (Germany) and Russian (Russia), code pages 1252 and 1251: the IDs,
// the display text and the preview read differently in each.
void BM_EditorLanguageChange(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    const int languages[] = {editor.PositionOfLanguage(0x0419), editor.PositionOfLanguage(0x0407)};
    int step = 0;
    for (auto _ : state) {
        editor.Pick(ids::kLanguageList, languages[++step % 2]);
    }
    editor.Pick(ids::kLanguageList, languages[1]);
}

// The ID list opened after a deletion, which makes it measure its items'
// widths again.
void BM_EditorOpenIdList(benchmark::State& state) {
    CLargeDocumentEditor& editor = EditorFor(state);
    for (auto _ : state) {
        state.PauseTiming();
        editor.AddHoliday("Listed");
        editor.DeleteSelectedHoliday();
        state.ResumeTiming();
        editor.OpenAndCloseList(ids::kIdList);
    }
}

void Cases(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"holidays", "live"})->ArgsProduct({{10'000, 100'000}, {0, 1}})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_EditorOpenOtherFile)->Apply(Cases);
BENCHMARK(BM_EditorOpenAfterNew)->Apply(Cases);
BENCHMARK(BM_EditorSelectHoliday)->Apply(Cases);
BENCHMARK(BM_EditorAddHoliday)->Apply(Cases);
BENCHMARK(BM_EditorDeleteHoliday)->Apply(Cases);
BENCHMARK(BM_EditorRefreshAfterEdit)->Apply(Cases);
BENCHMARK(BM_EditorYearChange)->Apply(Cases);
BENCHMARK(BM_EditorLanguageChange)->Apply(Cases);
BENCHMARK(BM_EditorOpenIdList)->Apply(Cases);

}  // namespace

void CloseLargeDocumentEditors() {
    editors.clear();
}
