#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>

void CEditorWindow::OnAddHoliday() {
    // Placeholder until the holiday commands land.
}

void CEditorWindow::OnRenameHoliday() {
    // Placeholder until the holiday commands land.
}

void CEditorWindow::OnDeleteHoliday() {
    // Placeholder until the holiday commands land.
}

void CEditorWindow::OnHolidaySelected() {
    const std::string newId = List(ids::kIdList)->SelectedId();
    const int index = document.FindHoliday(newId);
    StoreForm();
    currentId = newId;
    currentRuleset = -1;
    currentShiftRule = -1;
    const CHoliday holiday = index == -1 ? CHoliday() : document.GetHoliday(index);
    DisplayText().SetBytes(holiday.display);
    Button(ids::kReferenceOnlyCheck)->setChecked(holiday.referenceOnly == 1);
    CComboList* rulesets = List(ids::kRulesetList);
    rulesets->RemoveAll();
    for (std::size_t i = 1; i <= holiday.rulesets.size(); ++i) {
        rulesets->AddItem(QString::number(i));
    }
    rulesets->Select(0);
    OnRulesetSelected();
}
