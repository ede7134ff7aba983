// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormBindingTables.h"

#include "resources/ControlIds.h"

namespace {

using K = EControlKind;
using W = EEnabledWhen;

// The lists of weekdays, occurrences and directions hold their codes from 0
// on; the month lists from 1.
static_assert(kMonday == 0 && CRuleset::kFirst == 0 && kBefore == 0);
constexpr std::int32_t kFirstMonth = 1;
// A radio group's buttons stand for the codes 0, 1, 2 in order.
static_assert(CRuleset::kFixedDate == 0 && CRuleset::kWeekdayOfMonth == 1 && CRuleset::kRelativeDate == 2);
static_assert(CRuleset::kFixedNumberOfDays == 0 && CRuleset::kFixedWeekday == 1);
static_assert(CShiftRule::kShiftToWeekday == 0 && CShiftRule::kShiftToHoliday == 1 && CShiftRule::kDrop == 2);

}  // namespace

const std::vector<CFieldBinding<CHoliday>>& HolidayBindings() {
    using namespace ids;
    using H = CHoliday;
    static const std::vector<CFieldBinding<H>> table = {
        {"display", K::CodePageText, {kDisplayEdit}, W::HolidayShown, nullptr, &H::display},
        {"referenceOnly",
         K::CheckBox,
         {kReferenceOnlyCheck},
         W::HolidayShown,
         &H::referenceOnly,
         nullptr,
         {H::kReferenceOnly}},
    };
    return table;
}

const std::vector<CFieldBinding<CRuleset>>& RulesetBindings() {
    using namespace ids;
    using R = CRuleset;
    // clang-format off
    static const std::vector<CFieldBinding<R>> table = {
        {"validFrom", K::Number, {kValidFromEdit}, W::RulesetSelected, &R::validFrom},
        {"validTo", K::Number, {kValidToEdit}, W::RulesetSelected, &R::validTo},
        {"interval", K::Number, {kIntervalEdit}, W::RulesetSelected, &R::interval},
        {"ruleKind", K::RadioGroup, {kFixedDateRadio, kWeekdayOfMonthRadio, kRelativeDateRadio}, W::RulesetSelected,
         &R::ruleKind},
        {"fixedDay", K::Number, {kFixedDayEdit}, W::FixedDate, &R::fixedDay},
        {"fixedMonth", K::ListPosition, {kFixedMonthList}, W::FixedDate, &R::fixedMonth, nullptr, {kFirstMonth}},
        {"weekdayOrdinal", K::ListPosition, {kWeekdayOrdinalList}, W::WeekdayOfMonth, &R::weekdayOrdinal, nullptr,
         {R::kFirst}},
        {"monthWeekday", K::ListPosition, {kMonthWeekdayList}, W::WeekdayOfMonth, &R::monthWeekday, nullptr,
         {kMonday}},
        {"weekdayMonth", K::ListPosition, {kWeekdayMonthList}, W::WeekdayOfMonth, &R::weekdayMonth, nullptr,
         {kFirstMonth}},
        {"relativeKind", K::RadioGroup, {kFixedDaysRadio, kRelativeWeekdayRadio}, W::RelativeDate, &R::relativeKind},
        {"offsetDays", K::Number, {kOffsetDaysEdit}, W::RelativeFixedDays, &R::offsetDays},
        // The offset list holds "before" and "after" only.
        {"offsetDirection", K::CodedList, {kOffsetDirectionList}, W::RelativeFixedDays, &R::offsetDirection, nullptr,
         {kBefore, kAfter}},
        {"offsetReference", K::IdList, {kOffsetReferenceList}, W::RelativeFixedDays, nullptr, &R::offsetReference},
        {"weekdayCount", K::Number, {kWeekdayCountEdit}, W::RelativeFixedWeekday, &R::weekdayCount},
        {"relativeWeekday", K::ListPosition, {kRelativeWeekdayList}, W::RelativeFixedWeekday, &R::relativeWeekday,
         nullptr, {kMonday}},
        {"weekdayDirection", K::ListPosition, {kWeekdayDirectionList}, W::RelativeFixedWeekday,
         &R::weekdayDirection, nullptr, {kBefore}},
        {"weekdayReference", K::IdList, {kWeekdayReferenceList}, W::RelativeFixedWeekday, nullptr,
         &R::weekdayReference},
    };
    // clang-format on
    return table;
}

const std::vector<CFieldBinding<CShiftRule>>& ShiftRuleBindings() {
    using namespace ids;
    using S = CShiftRule;
    // clang-format off
    static const std::vector<CFieldBinding<S>> table = {
        {"conditionKind", K::ConditionList, {kConditionList}, W::ShiftRuleSelected, &S::conditionKind,
         &S::conditionHoliday},
        {"action", K::RadioGroup, {kShiftToWeekdayRadio, kShiftToHolidayRadio, kDropRadio}, W::ShiftRuleSelected,
         &S::action},
        {"shiftCount", K::Number, {kShiftCountEdit}, W::ShiftToWeekday, &S::shiftCount},
        {"shiftWeekday", K::ListPosition, {kShiftWeekdayList}, W::ShiftToWeekday, &S::shiftWeekday, nullptr,
         {kMonday}},
        {"shiftDirection", K::ListPosition, {kShiftDirectionList}, W::ShiftToWeekday, &S::shiftDirection, nullptr,
         {kBefore}},
        {"shiftTarget", K::IdList, {kShiftTargetList}, W::ShiftToHoliday, nullptr, &S::shiftTarget},
    };
    // clang-format on
    return table;
}

const std::vector<CCommandControl>& CommandControls() {
    using namespace ids;
    static const std::vector<CCommandControl> table = {
        {kRenameHoliday, W::HolidayShown},    {kDeleteHoliday, W::HolidayShown},
        {kRulesetList, W::HolidayShown},      {kAddRuleset, W::HolidayShown},
        {kDeleteRuleset, W::RulesetSelected}, {kShiftRuleList, W::RulesetSelected},
        {kAddShiftRule, W::RulesetSelected},  {kDeleteShiftRule, W::ShiftRuleSelected},
    };
    return table;
}

const std::vector<int>& AlwaysEnabledControls() {
    using namespace ids;
    static const std::vector<int> controls = {kLanguageList, kVersionEdit, kIdList,     kAddHoliday,
                                              kYearList,     kRefresh,     kPreviewEdit};
    return controls;
}
