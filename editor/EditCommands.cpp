// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShownText.h"
#include "editor/CComboList.h"
#include "editor/CDropDownEdit.h"
#include "editor/CEditDraft.h"
#include "editor/CEditorWindow.h"
#include "editor/CFormBinding.h"
#include "editor/CIdLists.h"
#include "editor/NumberedList.h"
#include "resources/ControlIds.h"

#include <QLineEdit>

#include <cstddef>
#include <cstdint>

namespace {

template <class T>
const T* ElementAt(const std::vector<T>& elements, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < elements.size() ? &elements[static_cast<std::size_t>(index)]
                                                                           : nullptr;
}

template <class T>
T* ElementAt(std::vector<T>& elements, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < elements.size() ? &elements[static_cast<std::size_t>(index)]
                                                                           : nullptr;
}

// What a store that changed only the document's properties is called.
QString PropertiesText(bool language, bool version) {
    if (language && version) {
        return QStringLiteral("Change Language and Version");
    }
    return language ? QStringLiteral("Change Language") : QStringLiteral("Change Version");
}

}  // namespace

int CEditorWindow::FindShownHoliday() const {
    return selection.Holiday() ? document.FindHoliday(*selection.Holiday()) : -1;
}

QString CEditorWindow::IdText(const std::string& id) const {
    return QString::fromStdString(ShowText(textCodePage, id));
}

CSelection CEditorWindow::ShowingHoliday(const std::optional<std::string>& id, const CHoliday& holiday) {
    CSelection shown;
    shown.ChooseHoliday(id);
    if (!holiday.rulesets.empty()) {
        shown.ChooseRuleset(0);
        if (!holiday.rulesets.front().shiftRules.empty()) {
            shown.ChooseShiftRule(0);
        }
    }
    return shown;
}

CEditDraft CEditorWindow::DraftStoringForm(CFormBinding::EStored stored) const {
    // The occurrence field may still hold typed text; it must show what is
    // stored.
    view.Control<CDropDownEdit>(ids::kWeekdayOrdinalList)->AcceptTypedText();
    return DraftOfForm(stored);
}

CEditDraft CEditorWindow::DraftOfForm(CFormBinding::EStored stored) const {
    CEditDraft draft(document);
    // Language and version belong to the document, not to the shown holiday,
    // so they are stored even while no holiday is shown.
    draft.SetLanguage(SelectedLanguage());
    const QString version = view.Edit(ids::kVersionEdit)->text();
    if (version != QString::number(document.GetVersion())) {
        draft.SetVersion(NumberOfText(version));
    }
    const int index = FindShownHoliday();
    if (index == -1) {
        return draft;
    }
    CHoliday holiday = document.GetHoliday(index);
    form->Store(holiday, stored);
    if (CRuleset* ruleset = ElementAt(holiday.rulesets, selection.Ruleset())) {
        form->Store(*ruleset, stored);
        if (CShiftRule* shiftRule = ElementAt(ruleset->shiftRules, selection.ShiftRule())) {
            form->Store(*shiftRule, stored);
        }
    }
    draft.Replace(index, holiday);
    return draft;
}

void CEditorWindow::StoreForm(CFormBinding::EStored stored) {
    CEditDraft draft = DraftStoringForm(stored);
    if (draft.IsEmpty()) {
        return;
    }
    const int index = FindShownHoliday();
    const bool holidayChanged =
        index != -1 && draft.Holiday(index) != document.Holidays()[static_cast<std::size_t>(index)];
    const QString text = holidayChanged ? QStringLiteral("Edit Holiday %1").arg(IdText(selection.HolidayId()))
                                        : PropertiesText(draft.ChangesLanguage(), draft.ChangesVersion());
    Commit(draft, text, selection);
}

void CEditorWindow::Commit(CEditDraft& draft, const QString& text, const CSelection& after) {
    if (!draft.IsEmpty()) {
        undoStack.push(new CEditCommand(*this, text, draft.TakeEdits(), selection, after));
    }
}

void CEditorWindow::ShowForm(const CSelection& shown) {
    // The document's language and version, as a store takes them back.
    if (SelectedLanguage() != document.GetLanguage()) {
        SelectLanguage(document.GetLanguage());
        ApplyLanguageFont();
    }
    view.Edit(ids::kVersionEdit)->setText(QString::number(document.GetVersion()));

    selection = shown;
    idLists->SelectHoliday(selection.Holiday());
    static const CHoliday kNoHoliday;
    const int index = FindShownHoliday();
    const CHoliday& holiday = index == -1 ? kNoHoliday : document.Holidays()[static_cast<std::size_t>(index)];
    form->Show(holiday, textCodePage);
    FillNumberedList(view.List(ids::kRulesetList), holiday.rulesets.size(), selection.Ruleset());
    // Without a ruleset the Rules and Shift rules controls keep what they
    // show; they are disabled and never stored.
    if (const CRuleset* ruleset = ElementAt(holiday.rulesets, selection.Ruleset())) {
        form->Show(*ruleset, textCodePage);
        FillNumberedList(view.List(ids::kShiftRuleList), ruleset->shiftRules.size(), selection.ShiftRule());
        if (const CShiftRule* shiftRule = ElementAt(ruleset->shiftRules, selection.ShiftRule())) {
            form->Show(*shiftRule, textCodePage);
        }
    }
}

// A spelling that the form would correct is no edit of the user's: storing
// it before every Undo would bring it back each time, and Undo could never
// go further back.
void CEditorWindow::OnUndo() {
    StoreForm(CFormBinding::EStored::UserEdits);
    undoStack.undo();
}

void CEditorWindow::OnRedo() {
    StoreForm(CFormBinding::EStored::UserEdits);
    undoStack.redo();
}
