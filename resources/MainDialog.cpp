// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "resources/Templates.h"

namespace {

using K = ControlKind;

const std::vector<std::string> kOrdinals = {"First", "Second", "Third", "Fourth", "Fifth", "Last"};
const std::vector<std::string> kBeforeAfter = {"before", "after"};
const std::vector<std::string> kDirections = {"before", "before/on", "on/after", "after"};

CDialogTemplate MakeMainDialog() {
    using namespace ids;
    // clang-format off
    return CDialogTemplate{
        kMainDialog, "Tavrin", 480, 413,
        {
            {kNoControlId, K::GroupBox, "Module Information", 7, 7, 236, 31},
            CControlTemplate{kNoControlId, K::Label, "Language:", 14, 19, 36, 12}.Describing(kLanguageList),
            {kLanguageList, K::DropDownList, "", 59, 19, 99, 87, kSorted},
            CControlTemplate{kNoControlId, K::Label, "Version:", 165, 19, 28, 12}.Describing(kVersionEdit),
            {kVersionEdit, K::Edit, "", 196, 19, 40, 12, kDigitsOnly},
            {kNoControlId, K::GroupBox, "Holiday", 7, 41, 234, 82},
            CControlTemplate{kNoControlId, K::Label, "ID:", 15, 53, 28, 12}.Describing(kIdList),
            {kIdList, K::DropDownList, "", 46, 53, 81, 131, kSorted},
            CControlTemplate{kAddHoliday, K::PushButton, "Add", 130, 52, 32, 12}.Named("Add holiday"),
            CControlTemplate{kRenameHoliday, K::PushButton, "Rename", 166, 52, 32, 12}.Named("Rename holiday"),
            CControlTemplate{kDeleteHoliday, K::PushButton, "Delete", 202, 52, 32, 12}.Named("Delete holiday"),
            CControlTemplate{kNoControlId, K::Label, "Display:", 15, 71, 28, 12}.Describing(kDisplayEdit),
            {kDisplayEdit, K::Edit, "", 46, 71, 81, 12},
            {kReferenceOnlyCheck, K::CheckBox, "Reference only", 135, 71, 73, 12},
            CControlTemplate{kNoControlId, K::Label, "Ruleset:", 15, 87, 28, 12}.Describing(kRulesetList),
            {kRulesetList, K::DropDownList, "", 46, 87, 41, 97},
            CControlTemplate{kAddRuleset, K::PushButton, "Add", 90, 87, 37, 12}.Named("Add ruleset"),
            CControlTemplate{kDeleteRuleset, K::PushButton, "Delete", 130, 87, 37, 12}.Named("Delete ruleset"),
            CControlTemplate{kNoControlId, K::Label, "Ruleset valid from ", 15, 105, 60, 12}.Describing(kValidFromEdit),
            {kValidFromEdit, K::Edit, "", 80, 105, 50, 12},
            CControlTemplate{kNoControlId, K::Label, "to", 134, 105, 14, 12, kCentred}.Describing(kValidToEdit),
            {kValidToEdit, K::Edit, "", 152, 105, 50, 12},
            {kNoControlId, K::GroupBox, "Rules", 7, 127, 235, 173},
            CControlTemplate{kNoControlId, K::Label, "Intervall:", 14, 138, 30, 12}.Describing(kIntervalEdit),
            {kIntervalEdit, K::Edit, "", 50, 138, 40, 12},
            {kNoControlId, K::Label, "year(s)", 99, 138, 30, 12},
            {kFixedDateRadio, K::RadioButton, "Fixed date", 14, 156, 50, 12, kStartsGroup},
            {kWeekdayOfMonthRadio, K::RadioButton, "Fixed weekday of month", 14, 186, 95, 12},
            {kRelativeDateRadio, K::RadioButton, "Relative date", 14, 220, 95, 12},
            CControlTemplate{kFixedDayEdit, K::Edit, "", 14, 171, 26, 12, kDigitsOnly}.Named("Day"),
            CControlTemplate{kFixedMonthList, K::DropDownList, "", 42, 171, 58, 125}.Named("Month"),
            CControlTemplate{kWeekdayOrdinalList, K::DropDownEdit, "", 14, 202, 51, 91, kNoStyle, kOrdinals}.Named("Occurrence"),
            CControlTemplate{kMonthWeekdayList, K::DropDownList, "", 67, 202, 58, 106}.Named("Weekday"),
            {kNoControlId, K::Label, "in", 129, 202, 14, 12, kCentred},
            CControlTemplate{kWeekdayMonthList, K::DropDownList, "", 147, 202, 58, 125}.Named("Month of the weekday"),
            {kFixedDaysRadio, K::RadioButton, "Fixed number of days", 27, 236, 83, 12, kStartsGroup},
            {kRelativeWeekdayRadio, K::RadioButton, "Fixed weekday", 27, 266, 63, 12},
            CControlTemplate{kOffsetDaysEdit, K::Edit, "", 27, 250, 26, 12, kDigitsOnly}.Named("Number of days"),
            {kNoControlId, K::Label, "days", 55, 250, 58, 12, kCentred},
            CControlTemplate{kOffsetDirectionList, K::DropDownList, "", 116, 250, 48, 57, kNoStyle, kBeforeAfter}.Named("Direction"),
            CControlTemplate{kOffsetReferenceList, K::DropDownList, "", 166, 250, 70, 57, kSorted}.Named("Reference"),
            CControlTemplate{kWeekdayCountEdit, K::Edit, "", 27, 280, 26, 12, kDigitsOnly}.Named("Number of weekdays"),
            CControlTemplate{kRelativeWeekdayList, K::DropDownList, "", 56, 280, 58, 93}.Named("Weekday"),
            CControlTemplate{kWeekdayDirectionList, K::DropDownList, "", 116, 280, 48, 57, kNoStyle, kDirections}.Named("Direction"),
            CControlTemplate{kWeekdayReferenceList, K::DropDownList, "", 166, 280, 70, 75, kSorted}.Named("Reference"),
            {kNoControlId, K::GroupBox, "Shift rules", 7, 303, 235, 103},
            CControlTemplate{kNoControlId, K::Label, "If the holiday falls on", 15, 334, 68, 12}.Describing(kConditionList),
            {kConditionList, K::DropDownList, "", 99, 334, 137, 119},
            CControlTemplate{kShiftToWeekdayRadio, K::RadioButton, "Shift to", 15, 350, 39, 12, kStartsGroup}.Named("Shift to a weekday"),
            CControlTemplate{kShiftToHolidayRadio, K::RadioButton, "Shift to", 15, 369, 39, 12}.Named("Shift to a holiday"),
            {kDropRadio, K::RadioButton, "Drop", 15, 388, 39, 12},
            CControlTemplate{kShiftCountEdit, K::Edit, "", 99, 352, 26, 12, kDigitsOnly}.Named("Number of weekdays to shift"),
            CControlTemplate{kShiftWeekdayList, K::DropDownList, "", 128, 352, 58, 101}.Named("Shift to weekday"),
            CControlTemplate{kShiftDirectionList, K::DropDownList, "", 188, 352, 48, 57, kNoStyle, kDirections}.Named("Shift direction"),
            CControlTemplate{kShiftTargetList, K::DropDownList, "", 99, 369, 137, 83, kSorted}.Named("Shift to holiday"),
            CControlTemplate{kAddShiftRule, K::PushButton, "Add", 90, 315, 37, 12}.Named("Add shift rule"),
            CControlTemplate{kDeleteShiftRule, K::PushButton, "Delete", 130, 315, 37, 12}.Named("Delete shift rule"),
            {kNoControlId, K::GroupBox, "Preview", 250, 7, 223, 399},
            CControlTemplate{kNoControlId, K::Label, "Holidays for the year", 256, 21, 69, 14}.Describing(kYearList),
            {kYearList, K::DropDownList, "", 329, 22, 48, 272},
            CControlTemplate{kNoControlId, K::Label, "Ruleset:", 15, 315, 28, 12}.Describing(kShiftRuleList),
            {kShiftRuleList, K::DropDownList, "", 46, 315, 41, 97},
            {kRefresh, K::PushButton, "Refresh", 385, 22, 50, 12},
            CControlTemplate{kPreviewEdit, K::LineList, "", 258, 41, 207, 357}.Named("Preview"),
        }};
    // clang-format on
}

}  // namespace

const CDialogTemplate& MainDialogTemplate() {
    static const CDialogTemplate dialog = MakeMainDialog();
    return dialog;
}
