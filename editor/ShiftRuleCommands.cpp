#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "editor/NumberedList.h"
#include "resources/ControlIds.h"

#include <cstddef>

namespace {

// The ruleset selected in the ruleset list, or nullptr.
CRuleset* SelectedRuleset(CHoliday& holiday, const CComboList& rulesetList) {
    const int selected = rulesetList.Selection();
    if (selected == -1 || static_cast<std::size_t>(selected) >= holiday.rulesets.size()) {
        return nullptr;
    }
    return &holiday.rulesets[static_cast<std::size_t>(selected)];
}

}  // namespace

void CEditorWindow::OnShiftRuleSelected() {
    const int index = FindShownHoliday();
    if (index == -1 || List(ids::kRulesetList)->Selection() == -1) {
        return;
    }
    const int selected = List(ids::kShiftRuleList)->Selection();
    if (selected == -1) {
        currentShiftRule = -1;
        return;
    }
    // The form goes into the shift rule shown so far.
    StoreForm();
    CHoliday holiday = document.GetHoliday(index);
    const CRuleset* ruleset = SelectedRuleset(holiday, *List(ids::kRulesetList));
    if (ruleset == nullptr || static_cast<std::size_t>(selected) >= ruleset->shiftRules.size()) {
        currentShiftRule = -1;  // the lists are out of step with the document
        return;
    }
    currentShiftRule = selected;
    ShowShiftRule(ruleset->shiftRules[static_cast<std::size_t>(selected)]);
}

void CEditorWindow::OnAddShiftRule() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CHoliday holiday = document.GetHoliday(index);
    CRuleset* ruleset = SelectedRuleset(holiday, *List(ids::kRulesetList));
    if (ruleset == nullptr) {
        return;
    }
    ruleset->shiftRules.emplace_back();
    const std::size_t count = ruleset->shiftRules.size();
    document.SetHoliday(holiday);
    CComboList* shiftRules = List(ids::kShiftRuleList);
    shiftRules->Select(shiftRules->AddItem(QString::number(count)));
    OnShiftRuleSelected();
}

void CEditorWindow::OnDeleteShiftRule() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CHoliday holiday = document.GetHoliday(index);
    CRuleset* ruleset = SelectedRuleset(holiday, *List(ids::kRulesetList));
    const int selected = List(ids::kShiftRuleList)->Selection();
    if (ruleset == nullptr || selected == -1 || static_cast<std::size_t>(selected) >= ruleset->shiftRules.size()) {
        return;
    }
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove shiftrule %1 ?").arg(selected + 1))) {
        return;
    }
    ruleset->shiftRules.erase(ruleset->shiftRules.begin() + selected);
    const std::size_t count = ruleset->shiftRules.size();
    document.SetHoliday(holiday);
    FillNumberedList(List(ids::kShiftRuleList), count);
    // The deleted shift rule's controls must not reach the one that took its index.
    currentShiftRule = -1;
    OnShiftRuleSelected();
}
