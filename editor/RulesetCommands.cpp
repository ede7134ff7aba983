// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "editor/CComboList.h"
#include "editor/CEditDraft.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "resources/ControlIds.h"

#include <cstddef>

void CEditorWindow::OnRulesetSelected() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    const int selected = view.List(ids::kRulesetList)->Selection();
    if (selected == -1) {
        selection.ChooseRuleset(CSelection::kNone);
        return;
    }
    // The form goes into the ruleset and shift rule shown so far.
    StoreForm();
    const CHoliday& holiday = document.Holidays()[static_cast<std::size_t>(index)];
    if (static_cast<std::size_t>(selected) >= holiday.rulesets.size()) {
        selection.ChooseRuleset(CSelection::kNone);  // the list is out of step with the document
        return;
    }
    CSelection shown = selection;
    shown.ChooseRuleset(selected);
    if (!holiday.rulesets[static_cast<std::size_t>(selected)].shiftRules.empty()) {
        shown.ChooseShiftRule(0);
    }
    ShowForm(shown);
}

void CEditorWindow::OnAddRuleset() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    // The form goes into the ruleset shown so far, which keeps its index.
    CEditDraft draft = DraftStoringForm();
    CHoliday holiday = draft.Holiday(index);
    holiday.rulesets.push_back(NewRulesetOn(CDateTime::Now()));
    draft.Replace(index, holiday);
    CSelection after = selection;
    after.ChooseRuleset(static_cast<int>(holiday.rulesets.size()) - 1);
    Commit(draft, QStringLiteral("Add Ruleset %1 to %2").arg(holiday.rulesets.size()).arg(IdText(holiday.id)), after);
}

void CEditorWindow::OnDeleteRuleset() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    const int selected = view.List(ids::kRulesetList)->Selection();
    if (selected == -1 ||
        static_cast<std::size_t>(selected) >= document.Holidays()[static_cast<std::size_t>(index)].rulesets.size()) {
        return;
    }
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove ruleset %1 ?").arg(selected + 1))) {
        return;
    }
    // The deleted ruleset's controls go with it; the first remaining ruleset
    // is shown.
    CEditDraft draft = DraftStoringForm();
    CHoliday holiday = draft.Holiday(index);
    holiday.rulesets.erase(holiday.rulesets.begin() + selected);
    draft.Replace(index, holiday);
    Commit(draft, QStringLiteral("Delete Ruleset %1 of %2").arg(selected + 1).arg(IdText(holiday.id)),
           ShowingHoliday(selection.Holiday(), holiday));
}
