// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"
#include "editor/CEditDraft.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "resources/ControlIds.h"

#include <cstddef>

namespace {

// The ruleset at the index, or nullptr.
CRuleset* RulesetAt(CHoliday& holiday, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= holiday.rulesets.size()) {
        return nullptr;
    }
    return &holiday.rulesets[static_cast<std::size_t>(index)];
}

}  // namespace

void CEditorWindow::OnShiftRuleSelected() {
    const int index = FindShownHoliday();
    const int ruleset = view.List(ids::kRulesetList)->Selection();
    if (index == -1 || ruleset == -1) {
        return;
    }
    const int selected = view.List(ids::kShiftRuleList)->Selection();
    if (selected == -1) {
        selection.ChooseShiftRule(CSelection::kNone);
        return;
    }
    // The form goes into the shift rule shown so far.
    StoreForm();
    CHoliday holiday = document.GetHoliday(index);
    const CRuleset* shown = RulesetAt(holiday, ruleset);
    if (shown == nullptr || static_cast<std::size_t>(selected) >= shown->shiftRules.size()) {
        selection.ChooseShiftRule(CSelection::kNone);  // the lists are out of step with the document
        return;
    }
    CSelection next = selection;
    next.ChooseShiftRule(selected);
    ShowForm(next);
}

void CEditorWindow::OnAddShiftRule() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CEditDraft draft = DraftStoringForm();
    CHoliday holiday = draft.Holiday(index);
    CRuleset* ruleset = RulesetAt(holiday, view.List(ids::kRulesetList)->Selection());
    if (ruleset == nullptr) {
        return;
    }
    ruleset->shiftRules.emplace_back();
    const int count = static_cast<int>(ruleset->shiftRules.size());
    draft.Replace(index, holiday);
    CSelection after = selection;
    after.ChooseShiftRule(count - 1);
    Commit(draft, QStringLiteral("Add Shift Rule %1 to %2").arg(count).arg(IdText(holiday.id)), after);
}

void CEditorWindow::OnDeleteShiftRule() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CHoliday holiday = document.GetHoliday(index);
    CRuleset* ruleset = RulesetAt(holiday, view.List(ids::kRulesetList)->Selection());
    const int selected = view.List(ids::kShiftRuleList)->Selection();
    if (ruleset == nullptr || selected == -1 || static_cast<std::size_t>(selected) >= ruleset->shiftRules.size()) {
        return;
    }
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove shiftrule %1 ?").arg(selected + 1))) {
        return;
    }
    // The deleted shift rule's controls go with it; the first remaining one
    // is shown.
    CEditDraft draft = DraftStoringForm();
    holiday = draft.Holiday(index);
    ruleset = RulesetAt(holiday, view.List(ids::kRulesetList)->Selection());
    ruleset->shiftRules.erase(ruleset->shiftRules.begin() + selected);
    const bool anyLeft = !ruleset->shiftRules.empty();
    draft.Replace(index, holiday);
    CSelection after = selection;
    after.ChooseShiftRule(anyLeft ? 0 : CSelection::kNone);
    Commit(draft, QStringLiteral("Delete Shift Rule %1 of %2").arg(selected + 1).arg(IdText(holiday.id)), after);
}
