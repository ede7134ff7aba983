#include "core/ShownText.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "editor/NumberedList.h"
#include "editor/ShownControlState.h"
#include "records/HolidayId.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>

#include <optional>
#include <vector>

namespace {

// The ID as the lists show it.
QString IdText(const std::string& id, const CCodePage& codePage) {
    return QString::fromStdString(ShowText(codePage, id));
}

// Why an ID entered for Add or Rename cannot be used, or nothing. The checks
// run in this order and only the first failure is reported.
std::optional<QString> IdProblem(const CHolidays& document, const std::string& id, const CCodePage& codePage) {
    if (document.FindHoliday(id) != -1) {
        return QStringLiteral("ID ") + IdText(id, codePage) + QStringLiteral(" already exist!");
    }
    const std::vector<EIdProblem> problems = IdProblems(id);
    if (problems.empty()) {
        return std::nullopt;
    }
    switch (problems.front()) {
    case EIdProblem::Reserved: return QStringLiteral("ID ") + IdText(id, codePage) + QStringLiteral(" is reserved!");
    case EIdProblem::Comma: return QStringLiteral("ID must not contain commas!");
    case EIdProblem::Empty: break;  // the commands end before they ask
    }
    return std::nullopt;
}

}  // namespace

void CEditorWindow::OnAddHoliday() {
    const std::optional<std::string> id = Dialogs().AskNewHolidayId(TextCodePage());
    if (!id.has_value() || id->empty()) {
        return;
    }
    if (const auto problem = IdProblem(document, *id, TextCodePage())) {
        Dialogs().ShowError(*problem);
        return;
    }
    CHoliday holiday;
    holiday.id = *id;
    document.SetHoliday(holiday);
    AddIdToLists(*id);
    OnHolidaySelected();
}

void CEditorWindow::OnRenameHoliday() {
    const CComboList* idList = List(ids::kIdList);
    if (idList->Selection() == -1) {
        return;
    }
    const std::string oldId = idList->SelectedId();
    const std::optional<std::string> newId = Dialogs().AskRenamedHolidayId(oldId, TextCodePage());
    if (!newId.has_value() || newId->empty()) {
        return;
    }
    if (const auto problem = IdProblem(document, *newId, TextCodePage())) {
        Dialogs().ShowError(*problem);
        return;
    }
    // Once renamed, no holiday bears currentId any more, so the edits made
    // since the last store would be lost: store them first.
    StoreForm();
    document.RenameHoliday(oldId, *newId);
    RemoveIdFromLists(oldId);
    AddIdToLists(*newId);
    OnHolidaySelected();
}

void CEditorWindow::OnDeleteHoliday() {
    const CComboList* idList = List(ids::kIdList);
    if (idList->Selection() == -1) {
        return;
    }
    const std::string id = idList->SelectedId();
    if (!Dialogs().AskOkCancel(QStringLiteral("Do you really want to remove ") + IdText(id, TextCodePage()) +
                               QStringLiteral(" ?"))) {
        return;
    }
    document.RemoveHoliday(id);
    RemoveIdFromLists(id);
    OnHolidaySelected();
}

void CEditorWindow::OnHolidaySelected() {
    const std::string newId = List(ids::kIdList)->SelectedId();
    const int index = document.FindHoliday(newId);
    StoreForm();
    currentId = newId;
    holidayShown = index != -1;
    currentRuleset = -1;
    currentShiftRule = -1;
    const CHoliday holiday = index == -1 ? CHoliday() : document.GetHoliday(index);
    DisplayText().SetBytes(holiday.display);
    shown::ShowCheck(Button(ids::kReferenceOnlyCheck), holiday.referenceOnly == CHoliday::kReferenceOnly);
    FillNumberedList(List(ids::kRulesetList), holiday.rulesets.size());
    OnRulesetSelected();
}

int CEditorWindow::FindShownHoliday() const {
    return holidayShown ? document.FindHoliday(currentId) : -1;
}

void CEditorWindow::ForgetShownHoliday() {
    currentId.clear();
    holidayShown = false;
    currentRuleset = -1;
}
