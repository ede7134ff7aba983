// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"
#include "editor/CEditDraft.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "editor/CPreviewView.h"
#include "editor/EditorSettings.h"
#include "model/DateOrigins.h"
#include "model/PreviewReport.h"
#include "resources/ControlIds.h"

#include <QAction>
#include <QByteArray>
#include <QScopedValueRollback>

#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

// The number at the start of the text, read as atoi reads it (leading blanks,
// a sign, digits; no digits give 0), held to the range of int.
int LeadingNumber(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

}  // namespace

void CEditorWindow::OnRefresh() {
    {
        // A live rebuild after the store would be work thrown away.
        const QScopedValueRollback rebuildFollows(previewRebuildFollows, true);
        StoreForm();
    }
    RebuildPreview();
}

void CEditorWindow::OnYearSelected() {
    OnRefresh();
}

void CEditorWindow::RebuildPreview() {
    const int year = LeadingNumber(view.List(ids::kYearList)->SelectedText());
    std::vector<CPreviewEntry> entries = CollectPreviewEntries(document, year);
    CPreviewModel& lines = view.Control<CPreviewView>(ids::kPreviewEdit)->Model();
    // The same lines keep their place on screen (a Refresh without changes).
    if (entries != lines.Entries()) {
        lines.SetEntries(std::move(entries), textCodePage);
    }
    previewPlace = HistoryPlace();
    UpdatePreviewMark();
    ShowYearCalendar();
}

void CEditorWindow::ShowPreview() {
    // The lines keep the characters of the dates in the user's locale and
    // those of the display texts in the file's code page.
    view.Control<CPreviewView>(ids::kPreviewEdit)->Model().SetCodePage(textCodePage);
    ShowYearCalendar();
}

std::optional<CDateOrigin> CEditorWindow::OriginOfPreviewLine(std::size_t row) {
    const auto* preview = view.Control<CPreviewView>(ids::kPreviewEdit);
    const std::vector<CPreviewEntry>& entries = preview->Model().Entries();
    // Positions and rules may have moved since a stale preview was built.
    if (preview->IsStale() || row >= entries.size()) {
        return std::nullopt;
    }
    const CPreviewEntry& entry = entries[row];
    const std::vector<CDateOrigin> origins =
        ExplainHolidayDates(document, entry.holiday, entry.date.GetYear(), textCodePage);
    const CDateOrigin* origin = ::OriginOfPreviewLine(entries, row, origins);
    return origin != nullptr ? std::optional<CDateOrigin>(*origin) : std::nullopt;
}

QString CEditorWindow::ExplainPreviewLine(std::size_t row) {
    if (view.Control<CPreviewView>(ids::kPreviewEdit)->IsStale()) {
        return QStringLiteral("The preview no longer matches the document: Refresh shows where its dates come from.");
    }
    const std::optional<CDateOrigin> origin = OriginOfPreviewLine(row);
    return origin ? QString::fromStdString(origin->text) : QString();
}

// The holiday of the line, with the ruleset that produced its date.
void CEditorWindow::OnPreviewEntryChosen(int row) {
    const std::vector<CPreviewEntry>& entries = view.Control<CPreviewView>(ids::kPreviewEdit)->Model().Entries();
    if (row < 0 || static_cast<std::size_t>(row) >= entries.size()) {
        return;
    }
    const std::optional<CDateOrigin> origin = OriginOfPreviewLine(static_cast<std::size_t>(row));
    CComboList* idList = idLists->IdList();
    idList->Select(idList->FindId(entries[static_cast<std::size_t>(row)].id));
    OnHolidaySelected();
    CComboList* rulesets = view.List(ids::kRulesetList);
    if (origin && origin->ruleset > 0 && origin->ruleset < rulesets->Count()) {
        rulesets->Select(origin->ruleset);
        OnRulesetSelected();
    }
}

CEditorWindow::CHistoryPlace CEditorWindow::HistoryPlace() const {
    const int index = undoStack.index();
    return {index, index > 0 ? undoStack.command(index - 1) : nullptr};
}

void CEditorWindow::UpdatePreviewMark() {
    view.Control<CPreviewView>(ids::kPreviewEdit)
        ->SetStale(previewPlace != HistoryPlace() || !DraftOfForm(CFormBinding::EStored::UserEdits).IsEmpty());
}

void CEditorWindow::OnLivePreview(bool on) {
    EditorSettings().setValue(kLivePreviewKey, on);
    if (on) {
        RebuildPreview();
    }
}

void CEditorWindow::OnDocumentChanged() {
    // A preview built at this place in the history shows the document already.
    if (view.MenuAction(ids::kViewLivePreview)->isChecked() && !previewRebuildFollows &&
        previewPlace != HistoryPlace()) {
        RebuildPreview();
    }
    ScheduleCheck();
}
