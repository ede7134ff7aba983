#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>

#include <utility>
#include <vector>

namespace {

// The conditions of the enabling table.
enum class When {
    HolidayShown,          // H: the document has a holiday with the ID currentId
    RulesetSelected,       // R: H and the ruleset list has a selection
    FixedDate,             // R and "Fixed date" checked
    WeekdayOfMonth,        // R and "Fixed weekday of month" checked
    RelativeDate,          // R and "Relative date" checked
    RelativeFixedDays,     // ... and "Fixed number of days" checked
    RelativeFixedWeekday,  // ... and "Fixed weekday" checked
    ShiftRuleSelected,     // S: R and the shift rule list has a selection
    ShiftToWeekday,        // S and the first "Shift to" checked
    ShiftToHoliday,        // S and the second "Shift to" checked
};

// Applied top to bottom; the controls not listed are never disabled.
const std::vector<std::pair<When, std::vector<int>>>& EnablingTable() {
    using namespace ids;
    static const std::vector<std::pair<When, std::vector<int>>> table = {
        {When::HolidayShown,
         {kRenameHoliday, kDeleteHoliday, kDisplayEdit, kReferenceOnlyCheck, kRulesetList, kAddRuleset}},
        {When::RulesetSelected,
         {kDeleteRuleset, kValidFromEdit, kValidToEdit, kIntervalEdit, kFixedDateRadio, kWeekdayOfMonthRadio,
          kRelativeDateRadio}},
        {When::FixedDate, {kFixedDayEdit, kFixedMonthList}},
        {When::WeekdayOfMonth, {kWeekdayOrdinalList, kMonthWeekdayList, kWeekdayMonthList}},
        {When::RelativeDate, {kFixedDaysRadio, kRelativeWeekdayRadio}},
        {When::RelativeFixedDays, {kOffsetDaysEdit, kOffsetDirectionList, kOffsetReferenceList}},
        {When::RelativeFixedWeekday,
         {kWeekdayCountEdit, kRelativeWeekdayList, kWeekdayDirectionList, kWeekdayReferenceList}},
        {When::RulesetSelected, {kShiftRuleList, kAddShiftRule}},
        {When::ShiftRuleSelected,
         {kDeleteShiftRule, kConditionList, kShiftToWeekdayRadio, kShiftToHolidayRadio, kDropRadio}},
        {When::ShiftToWeekday, {kShiftCountEdit, kShiftWeekdayList, kShiftDirectionList}},
        {When::ShiftToHoliday, {kShiftTargetList}},
    };
    return table;
}

}  // namespace

void CEditorWindow::UpdateControlStates() {
    const auto checked = [this](int id) { return Button(id)->isChecked(); };
    const bool holiday = FindShownHoliday() != -1;
    const bool ruleset = holiday && List(ids::kRulesetList)->Selection() != -1;
    const bool shiftRule = ruleset && List(ids::kShiftRuleList)->Selection() != -1;
    const bool relative = ruleset && checked(ids::kRelativeDateRadio);

    const auto holds = [&](When when) {
        switch (when) {
        case When::HolidayShown: return holiday;
        case When::RulesetSelected: return ruleset;
        case When::FixedDate: return ruleset && checked(ids::kFixedDateRadio);
        case When::WeekdayOfMonth: return ruleset && checked(ids::kWeekdayOfMonthRadio);
        case When::RelativeDate: return relative;
        case When::RelativeFixedDays: return relative && checked(ids::kFixedDaysRadio);
        case When::RelativeFixedWeekday: return relative && checked(ids::kRelativeWeekdayRadio);
        case When::ShiftRuleSelected: return shiftRule;
        case When::ShiftToWeekday: return shiftRule && checked(ids::kShiftToWeekdayRadio);
        case When::ShiftToHoliday: return shiftRule && checked(ids::kShiftToHolidayRadio);
        }
        return false;
    };
    for (const auto& [when, controlIds] : EnablingTable()) {
        const bool enabled = holds(when);
        for (int id : controlIds) {
            Control(id)->setEnabled(enabled);
        }
    }
}
