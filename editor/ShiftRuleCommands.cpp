#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"

void CEditorWindow::OnShiftRuleSelected() {
    // Placeholder until the shift-rule commands land.
    currentShiftRule = List(ids::kShiftRuleList)->Selection();
}

void CEditorWindow::OnAddShiftRule() {
    // Placeholder until the shift-rule commands land.
}

void CEditorWindow::OnDeleteShiftRule() {
    // Placeholder until the shift-rule commands land.
}
