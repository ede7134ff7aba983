#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"

#include <QLineEdit>

#include <initializer_list>

namespace {

constexpr std::initializer_list<int> kReferenceLists = {ids::kOffsetReferenceList, ids::kWeekdayReferenceList,
                                                        ids::kConditionList, ids::kShiftTargetList};

}  // namespace

void CEditorWindow::StoreForm() {
    // Placeholder until the form binding lands.
}

void CEditorWindow::FillFromDocument() {
    SelectLanguage(document.GetLanguage());
    ApplyLanguageFont();
    Edit(ids::kVersionEdit)->setText(QString::number(document.GetVersion()));
    for (int id : {ids::kIdList, ids::kOffsetReferenceList, ids::kWeekdayReferenceList, ids::kConditionList,
                   ids::kShiftTargetList}) {
        List(id)->RemoveAll();
    }
    CComboList* conditions = List(ids::kConditionList);
    for (int weekday = 0; weekday <= 6; ++weekday) {
        conditions->AddItem(List(ids::kMonthWeekdayList)->Text(weekday));
    }
    for (int i = 0; i < CHolidays::GetReferenceCount(); ++i) {
        for (int id : kReferenceLists) {
            List(id)->AddId(CHolidays::GetReferenceId(i));
        }
    }
    for (const CHoliday& holiday : document.Holidays()) {
        AddIdToLists(holiday.id);
    }
    for (int id : kReferenceLists) {
        List(id)->Select(0);
    }
}

void CEditorWindow::AddIdToLists(const std::string& id) {
    CComboList* idList = List(ids::kIdList);
    idList->Select(idList->AddId(id));
    for (int list : kReferenceLists) {
        List(list)->AddId(id);
    }
}

void CEditorWindow::RemoveIdFromLists(const std::string& /*id*/) {
    // Placeholder until the form binding lands.
}

void CEditorWindow::ShowRuleset(const CRuleset& /*ruleset*/) {
    // Placeholder until the form binding lands.
}

void CEditorWindow::ShowShiftRule(const CShiftRule& /*shiftRule*/) {
    // Placeholder until the form binding lands.
}
