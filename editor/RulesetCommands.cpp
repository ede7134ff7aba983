#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"

void CEditorWindow::OnRulesetSelected() {
    // Placeholder until the ruleset commands land.
    currentRuleset = List(ids::kRulesetList)->Selection();
}

void CEditorWindow::OnAddRuleset() {
    // Placeholder until the ruleset commands land.
}

void CEditorWindow::OnDeleteRuleset() {
    // Placeholder until the ruleset commands land.
}
