// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"
#include "editor/CEditDraft.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "editor/IEditorDialogs.h"
#include "records/HolidayId.h"
#include "resources/ControlIds.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace {

// Why an ID entered for Add or Rename cannot be used, or nothing. The checks
// run in this order and only the first failure is reported.
std::optional<QString> IdProblem(const CHolidays& document, const std::string& id, const QString& idText) {
    if (document.FindHoliday(id) != -1) {
        return QStringLiteral("ID ") + idText + QStringLiteral(" already exist!");
    }
    const std::vector<EIdProblem> problems = IdProblems(id);
    if (problems.empty()) {
        return std::nullopt;
    }
    switch (problems.front()) {
    case EIdProblem::Reserved: return QStringLiteral("ID ") + idText + QStringLiteral(" is reserved!");
    case EIdProblem::Comma: return QStringLiteral("ID must not contain commas!");
    case EIdProblem::Empty: break;  // the commands end before they ask
    }
    return std::nullopt;
}

}  // namespace

void CEditorWindow::OnAddHoliday() {
    const std::optional<std::string> id = Dialogs().AskNewHolidayId(textCodePage);
    if (!id.has_value() || id->empty()) {
        return;
    }
    if (const auto problem = IdProblem(document, *id, IdText(*id))) {
        Dialogs().ShowError(*problem);
        return;
    }
    CEditDraft draft = DraftStoringForm();
    CHoliday holiday;
    holiday.id = *id;
    draft.Insert(document.GetHolidayCount(), holiday);
    Commit(draft, QStringLiteral("Add Holiday %1").arg(IdText(*id)), ShowingHoliday(*id, holiday));
    // The display text is what a new holiday needs next; its edit is enabled
    // first, which the idle turn would do only later.
    UpdateControlStates();
    view.Control(ids::kDisplayEdit)->setFocus();
}

// A copy of the shown holiday, with all its rulesets and shift rules, under
// a new ID: one command with the store of the form.
void CEditorWindow::OnDuplicateHoliday() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    const std::optional<std::string> id = Dialogs().AskDuplicateHolidayId(textCodePage);
    if (!id.has_value() || id->empty()) {
        return;
    }
    if (const auto problem = IdProblem(document, *id, IdText(*id))) {
        Dialogs().ShowError(*problem);
        return;
    }
    CEditDraft draft = DraftStoringForm();
    CHoliday copy = draft.Holiday(index);
    copy.id = *id;
    draft.Insert(document.GetHolidayCount(), copy);
    Commit(draft,
           QStringLiteral("Duplicate Holiday %1 as %2")
               .arg(IdText(document.Holidays()[static_cast<std::size_t>(index)].id), IdText(*id)),
           ShowingHoliday(*id, copy));
}

void CEditorWindow::OnRenameHoliday() {
    const CComboList* idList = idLists->IdList();
    if (idList->Selection() == -1) {
        return;
    }
    const std::string oldId = idList->SelectedId();
    const std::optional<std::string> newId = Dialogs().AskRenamedHolidayId(oldId, textCodePage);
    if (!newId.has_value() || newId->empty()) {
        return;
    }
    if (const auto problem = IdProblem(document, *newId, IdText(*newId))) {
        Dialogs().ShowError(*problem);
        return;
    }
    // Once renamed, no holiday bears the shown ID any more, so the edits
    // made since the last store would be lost: they are stored first.
    CEditDraft draft = DraftStoringForm();
    const int position = document.FindHoliday(oldId);
    CHoliday holiday = draft.Holiday(position);
    holiday.id = *newId;
    draft.Replace(position, holiday);
    Commit(draft, QStringLiteral("Rename Holiday %1 to %2").arg(IdText(oldId), IdText(*newId)),
           ShowingHoliday(*newId, holiday));
}

void CEditorWindow::OnDeleteHoliday() {
    const CComboList* idList = idLists->IdList();
    if (idList->Selection() == -1) {
        return;
    }
    const std::string id = idList->SelectedId();
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove ") + IdText(id) + QStringLiteral(" ?"))) {
        return;
    }
    const int position = document.FindHoliday(id);
    // The ID list then selects the item that takes the removed one's place,
    // or the new last one.
    const int item = idList->FindId(id);
    const int next = item + 1 < idList->Count() ? item + 1 : item - 1;
    std::optional<std::string> nextId;
    int nextPosition = -1;
    if (next >= 0) {
        nextId = idList->Id(next);
        // The holiday it names once the removed one is gone (a file may
        // hold an ID twice).
        const std::vector<CHoliday>& holidays = document.Holidays();
        for (int i = 0; i < document.GetHolidayCount() && nextPosition == -1; ++i) {
            if (i != position && holidays[static_cast<std::size_t>(i)].id == *nextId) {
                nextPosition = i;
            }
        }
    }
    CEditDraft draft = DraftStoringForm();
    const CSelection after = nextPosition == -1 ? CSelection() : ShowingHoliday(nextId, draft.Holiday(nextPosition));
    draft.Remove(position);
    Commit(draft, QStringLiteral("Delete Holiday %1").arg(IdText(id)), after);
}

void CEditorWindow::OnHolidaySelected() {
    const std::string newId = idLists->IdList()->SelectedId();
    const int index = document.FindHoliday(newId);
    StoreForm();
    ShowForm(index == -1 ? CSelection() : ShowingHoliday(newId, document.Holidays()[static_cast<std::size_t>(index)]));
}
