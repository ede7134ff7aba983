// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/Holiday.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The form as data: for each field of a holiday, ruleset and shift rule, in
// the order of the records' field visitor (RecordFields.h), the control that
// shows it, how it is shown and read back, and when the control is enabled.
// CFormBinding shows, stores and enables from these tables alone.

// When a control is enabled. H: a holiday of the document is shown; R: H
// and the ruleset list has a selection; S: R and the shift-rule list has one.
enum class EEnabledWhen {
    HolidayShown,          // H
    RulesetSelected,       // R
    FixedDate,             // R and "Fixed date" checked
    WeekdayOfMonth,        // R and "Fixed weekday of month" checked
    RelativeDate,          // R and "Relative date" checked
    RelativeFixedDays,     // ... and "Fixed number of days" checked
    RelativeFixedWeekday,  // ... and "Fixed weekday" checked
    ShiftRuleSelected,     // S
    ShiftToWeekday,        // S and the first "Shift to" checked
    ShiftToHoliday,        // S and the second "Shift to" checked
};

// How a field is shown in its control and read back from it.
enum class EControlKind {
    Number,         // edit: decimal text, read back as atoi reads it
    ListPosition,   // list: position p stands for the code p + codes[0]; no selection stores codes[0] - 1
    CodedList,      // list: position p stands for codes[p]; another code shows no selection, which keeps the field
    RadioGroup,     // buttons in code order, button i for code i; another code checks none, which keeps the field
    IdList,         // reference list: the item with the ID's bytes
    ConditionList,  // the condition list: a weekday name (conditionKind 0, conditionWeekday) or an ID
                    // (conditionKind 1, conditionHoliday), binding the three condition fields
    CheckBox,       // checked for codes[0], stores codes[0] when checked and 0 when not
    CodePageText,   // edit: the bytes in the code page of the file's language
};

template <class Record>
struct CFieldBinding {
    using CNumberField = std::int32_t Record::*;
    using CTextField = std::string Record::*;

    CFieldBinding(const char* fieldName, EControlKind controlKind, std::vector<int> controlIds, EEnabledWhen when,
                  CNumberField numberField, CTextField textField = nullptr, std::vector<std::int32_t> fieldCodes = {})
        : field(fieldName),
          kind(controlKind),
          controls(std::move(controlIds)),
          enabledWhen(when),
          number(numberField),
          text(textField),
          codes(std::move(fieldCodes)) {}

    const char* field;  // the field's name in VisitFields
    EControlKind kind;
    std::vector<int> controls;  // the control's id; a radio group's buttons in code order
    EEnabledWhen enabledWhen;
    CNumberField number;  // Number, ListPosition, CodedList, RadioGroup, CheckBox, ConditionList
    CTextField text;      // IdList, CodePageText, ConditionList
    std::vector<std::int32_t> codes;
};

// The fields of each record that the form shows. A holiday's ID and the
// lists of rulesets and shift rules are chosen in the window's lists
// instead.
const std::vector<CFieldBinding<CHoliday>>& HolidayBindings();
const std::vector<CFieldBinding<CRuleset>>& RulesetBindings();
const std::vector<CFieldBinding<CShiftRule>>& ShiftRuleBindings();

template <class Record>
const std::vector<CFieldBinding<Record>>& FieldBindings();
template <>
inline const std::vector<CFieldBinding<CHoliday>>& FieldBindings<CHoliday>() {
    return HolidayBindings();
}
template <>
inline const std::vector<CFieldBinding<CRuleset>>& FieldBindings<CRuleset>() {
    return RulesetBindings();
}
template <>
inline const std::vector<CFieldBinding<CShiftRule>>& FieldBindings<CShiftRule>() {
    return ShiftRuleBindings();
}

// The controls that choose and change records rather than show a field:
// enabled as their rows say.
struct CCommandControl {
    int control;
    EEnabledWhen enabledWhen;
};
const std::vector<CCommandControl>& CommandControls();

// The interactive controls that are never disabled.
const std::vector<int>& AlwaysEnabledControls();
