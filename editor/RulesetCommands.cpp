#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "editor/NumberedList.h"
#include "resources/ControlIds.h"

#include <cstddef>

void CEditorWindow::OnRulesetSelected() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    const int selected = List(ids::kRulesetList)->Selection();
    if (selected == -1) {
        currentRuleset = -1;
        return;
    }
    // The form goes into the ruleset and shift rule shown so far.
    StoreForm();
    const CHoliday holiday = document.GetHoliday(index);
    if (static_cast<std::size_t>(selected) >= holiday.rulesets.size()) {
        currentRuleset = -1;  // the list is out of step with the document
        return;
    }
    currentRuleset = selected;
    currentShiftRule = -1;
    const CRuleset& ruleset = holiday.rulesets[static_cast<std::size_t>(selected)];
    ShowRuleset(ruleset);
    FillNumberedList(List(ids::kShiftRuleList), ruleset.shiftRules.size());
    OnShiftRuleSelected();
}

void CEditorWindow::OnAddRuleset() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    // The form is stored by the selection that follows, into the ruleset
    // shown so far, which keeps its index.
    CHoliday holiday = document.GetHoliday(index);
    holiday.rulesets.emplace_back();
    document.SetHoliday(holiday);
    CComboList* rulesets = List(ids::kRulesetList);
    rulesets->Select(rulesets->AddItem(QString::number(holiday.rulesets.size())));
    OnRulesetSelected();
}

void CEditorWindow::OnDeleteRuleset() {
    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CHoliday holiday = document.GetHoliday(index);
    const int selected = List(ids::kRulesetList)->Selection();
    if (selected == -1 || static_cast<std::size_t>(selected) >= holiday.rulesets.size()) {
        return;
    }
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove ruleset %1 ?").arg(selected + 1))) {
        return;
    }
    holiday.rulesets.erase(holiday.rulesets.begin() + selected);
    document.SetHoliday(holiday);
    FillNumberedList(List(ids::kRulesetList), holiday.rulesets.size());
    // The deleted ruleset's controls must not reach the one that took its index.
    currentRuleset = -1;
    OnRulesetSelected();
}
