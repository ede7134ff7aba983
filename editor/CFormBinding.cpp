// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CFormBinding.h"

#include "core/CodePage.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CDialogControls.h"
#include "editor/CIdLists.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QByteArray>
#include <QLineEdit>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {}  // namespace

std::int32_t NumberOfText(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;  // [0, kLimit]
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = std::min(kLimit, magnitude * 10 + (text[i].unicode() - u'0'));
    }
    const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<std::int32_t>(value);
}

namespace {

int CheckedButton(const std::vector<QAbstractButton*>& buttons) {
    const auto checked =
        std::find_if(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isChecked(); });
    return checked == buttons.end() ? -1 : static_cast<int>(checked - buttons.begin());
}

// Checks the button of the code; for a code without a button all of them
// are unchecked, so the form never claims a kind the field does not hold.
void CheckButton(const std::vector<QAbstractButton*>& buttons, std::int32_t code) {
    if (code >= 0 && code < static_cast<std::int32_t>(buttons.size())) {
        buttons[static_cast<std::size_t>(code)]->setChecked(true);
        return;
    }
    QButtonGroup* group = buttons.front()->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) {
        group->setExclusive(false);  // an exclusive group refuses to be emptied
    }
    for (QAbstractButton* button : buttons) {
        button->setChecked(false);
    }
    if (exclusive) {
        group->setExclusive(true);
    }
}

// The state of a list of holiday IDs from position `firstId` on (after the
// condition list's weekday names) is the item the user sees: the exact bytes
// of the selected ID, or the position of a fixed item or of "none" (-1).
// Holidays added, renamed and deleted, and a language that sorts the IDs
// anew, move the items between showing and storing; a position never equals
// bytes, so no move can make another pick look unchanged, nor the shown one
// changed.
QVariant IdSelectionState(const CComboList& list, int firstId) {
    const int position = list.Selection();
    if (position < firstId) {
        return position;
    }
    const std::string id = list.Id(position);
    return QByteArray(id.data(), static_cast<qsizetype>(id.size()));
}

// The item that names the ID: the first with exactly its bytes, searching
// from `first` to the end and then, with `wrap`, from 0 up to first - 1.
// When none matches exactly, the first whose text, decoded from the code
// page, differs only in letter case (bytes that stand for no character
// match only exactly, so that two different IDs never pass for one another).
struct CItemMatch {
    int position = -1;
    bool exact = false;
};

CItemMatch FindReference(const CComboList& list, const std::string& id, const CCodePage& codePage, int first,
                         bool wrap) {
    // The list's search starts after `first - 1` and wraps; without `wrap`,
    // what it finds before `first` does not count.
    const auto within = [&](int position) { return wrap || position >= first ? position : -1; };
    if (const int exact = within(list.FindId(id, first - 1)); exact != -1) {
        return {exact, true};
    }
    return {within(list.FindIdIgnoringCase(id, codePage, first - 1)), false};
}

// The item a condition shows: on a weekday, its name; on a holiday, its item
// among the IDs (never a weekday name that happens to equal it); any other
// kind, or a weekday outside Monday..Sunday, no item.
CItemMatch ConditionItem(const CComboList& list, const CShiftRule& rule, const CCodePage& codePage) {
    if (rule.conditionKind == CShiftRule::kOnHoliday) {
        return FindReference(list, rule.conditionHoliday, codePage, CIdLists::kFirstConditionId, false);
    }
    const bool weekday = rule.conditionKind == CShiftRule::kOnWeekday && IsWeekday(rule.conditionWeekday);
    return {weekday ? rule.conditionWeekday : -1, true};
}

}  // namespace

CFormBinding::CFormBinding(const CDialogControls& dialogControls, CCodePageTextBinding& display)
    : controls(dialogControls), displayText(display) {}

QVariant CFormBinding::State(EControlKind kind, const std::vector<int>& ids) const {
    switch (kind) {
    case EControlKind::Number: return controls.Get<QLineEdit>(ids.front())->text();
    case EControlKind::ListPosition:
    case EControlKind::CodedList: return controls.Get<CComboList>(ids.front())->Selection();
    case EControlKind::RadioGroup: {
        std::vector<QAbstractButton*> buttons;
        for (int id : ids) {
            buttons.push_back(controls.Get<QAbstractButton>(id));
        }
        return CheckedButton(buttons);
    }
    case EControlKind::IdList: return IdSelectionState(*controls.Get<CComboList>(ids.front()), 0);
    case EControlKind::ConditionList:
        return IdSelectionState(*controls.Get<CComboList>(ids.front()), CIdLists::kFirstConditionId);
    case EControlKind::CheckBox: return controls.Get<QAbstractButton>(ids.front())->isChecked();
    case EControlKind::CodePageText: break;  // the text binding keeps the bytes itself
    }
    return {};
}

bool CFormBinding::Changed(int control, const QVariant& state, EStored stored) const {
    if (const auto shown = shownStates.find(control); shown != shownStates.end()) {
        return shown->second != state;
    }
    const auto respelled = respelledStates.find(control);
    return stored == EStored::Shown || respelled == respelledStates.end() || respelled->second != state;
}

template <class Record>
void CFormBinding::Show(const Record& record, const CCodePage& codePage) {
    for (const CFieldBinding<Record>& binding : FieldBindings<Record>()) {
        ShowField(binding, record, codePage);
    }
}

template <class Record>
void CFormBinding::ShowField(const CFieldBinding<Record>& binding, const Record& record, const CCodePage& codePage) {
    const int id = binding.controls.front();
    CComboList* list = controls.Get<CComboList>(id);
    switch (binding.kind) {
    case EControlKind::Number: controls.Get<QLineEdit>(id)->setText(QString::number(record.*binding.number)); break;
    case EControlKind::ListPosition: {
        const std::int64_t position = std::int64_t{record.*binding.number} - binding.codes.front();
        list->Select(position >= 0 && position < list->Count() ? static_cast<int>(position) : -1);
        break;
    }
    case EControlKind::CodedList: {
        const auto code = std::find(binding.codes.begin(), binding.codes.end(), record.*binding.number);
        list->Select(code == binding.codes.end() ? -1 : static_cast<int>(code - binding.codes.begin()));
        break;
    }
    case EControlKind::RadioGroup: {
        std::vector<QAbstractButton*> buttons;
        for (int button : binding.controls) {
            buttons.push_back(controls.Get<QAbstractButton>(button));
        }
        CheckButton(buttons, record.*binding.number);
        break;
    }
    case EControlKind::IdList:
    case EControlKind::ConditionList: {
        CItemMatch match;
        if constexpr (std::is_same_v<Record, CShiftRule>) {
            if (binding.kind == EControlKind::ConditionList) {
                match = ConditionItem(*list, record, codePage);
            }
        }
        if (binding.kind == EControlKind::IdList) {
            // The search starts after the first item and wraps.
            match = FindReference(*list, record.*binding.text, codePage, 1, true);
        }
        list->Select(match.position);
        // A reference that matches an item only up to letter case is stored
        // with the item's spelling: it counts as changed. One that matches
        // none shows no selection and is kept.
        respelledStates.erase(id);
        if (match.position != -1 && !match.exact) {
            shownStates.erase(id);
            respelledStates[id] = State(binding.kind, binding.controls);
            return;
        }
        break;
    }
    case EControlKind::CheckBox:
        controls.Get<QAbstractButton>(id)->setChecked(record.*binding.number == binding.codes.front());
        break;
    case EControlKind::CodePageText: displayText.SetBytes(record.*binding.text); return;
    }
    shownStates[id] = State(binding.kind, binding.controls);
}

template <class Record>
void CFormBinding::Store(Record& record, EStored stored) const {
    for (const CFieldBinding<Record>& binding : FieldBindings<Record>()) {
        StoreField(binding, record, stored);
    }
}

template <class Record>
void CFormBinding::StoreField(const CFieldBinding<Record>& binding, Record& record, EStored stored) const {
    if (binding.kind == EControlKind::CodePageText) {
        record.*binding.text = displayText.Bytes();  // the shown bytes while the text is unchanged
        return;
    }
    const int id = binding.controls.front();
    const QVariant state = State(binding.kind, binding.controls);
    if (!Changed(id, state, stored)) {
        return;
    }
    const CComboList* list = controls.Get<CComboList>(id);
    switch (binding.kind) {
    case EControlKind::Number: record.*binding.number = NumberOfText(state.toString()); break;
    case EControlKind::ListPosition: record.*binding.number = state.toInt() + binding.codes.front(); break;
    case EControlKind::CodedList:
        // No selection keeps the field.
        if (const int position = state.toInt(); position >= 0) {
            record.*binding.number = binding.codes.at(static_cast<std::size_t>(position));
        }
        break;
    case EControlKind::RadioGroup:
        // No button checked keeps the field.
        if (const int code = state.toInt(); code >= 0) {
            record.*binding.number = code;
        }
        break;
    case EControlKind::IdList: record.*binding.text = list->SelectedId(); break;
    case EControlKind::ConditionList:
        if constexpr (std::is_same_v<Record, CShiftRule>) {
            if (const int position = list->Selection(); position < CIdLists::kFirstConditionId) {
                record.conditionKind = CShiftRule::kOnWeekday;
                record.conditionWeekday = position;
            } else {
                record.conditionKind = CShiftRule::kOnHoliday;
                record.conditionHoliday = list->Id(position);
            }
        }
        break;
    case EControlKind::CheckBox: record.*binding.number = state.toBool() ? binding.codes.front() : 0; break;
    case EControlKind::CodePageText: break;
    }
}

template void CFormBinding::Show(const CHoliday&, const CCodePage&);
template void CFormBinding::Show(const CRuleset&, const CCodePage&);
template void CFormBinding::Show(const CShiftRule&, const CCodePage&);
template void CFormBinding::Store(CHoliday&, EStored) const;
template void CFormBinding::Store(CRuleset&, EStored) const;
template void CFormBinding::Store(CShiftRule&, EStored) const;

void CFormBinding::UpdateEnabling(bool holidayShown, bool rulesetSelected, bool shiftRuleSelected) const {
    using namespace ids;
    const auto checked = [this](int id) { return controls.Get<QAbstractButton>(id)->isChecked(); };
    const bool ruleset = holidayShown && rulesetSelected;
    const bool shiftRule = ruleset && shiftRuleSelected;
    const bool relative = ruleset && checked(kRelativeDateRadio);
    const auto holds = [&](EEnabledWhen when) {
        switch (when) {
        case EEnabledWhen::HolidayShown: return holidayShown;
        case EEnabledWhen::RulesetSelected: return ruleset;
        case EEnabledWhen::FixedDate: return ruleset && checked(kFixedDateRadio);
        case EEnabledWhen::WeekdayOfMonth: return ruleset && checked(kWeekdayOfMonthRadio);
        case EEnabledWhen::RelativeDate: return relative;
        case EEnabledWhen::RelativeFixedDays: return relative && checked(kFixedDaysRadio);
        case EEnabledWhen::RelativeFixedWeekday: return relative && checked(kRelativeWeekdayRadio);
        case EEnabledWhen::ShiftRuleSelected: return shiftRule;
        case EEnabledWhen::ShiftToWeekday: return shiftRule && checked(kShiftToWeekdayRadio);
        case EEnabledWhen::ShiftToHoliday: return shiftRule && checked(kShiftToHolidayRadio);
        }
        return false;
    };
    const auto enable = [this](const std::vector<int>& ids, bool enabled) {
        for (int id : ids) {
            controls.Widget(id)->setEnabled(enabled);
        }
    };
    for (const auto& binding : HolidayBindings()) {
        enable(binding.controls, holds(binding.enabledWhen));
    }
    for (const auto& binding : RulesetBindings()) {
        enable(binding.controls, holds(binding.enabledWhen));
    }
    for (const auto& binding : ShiftRuleBindings()) {
        enable(binding.controls, holds(binding.enabledWhen));
    }
    for (const CCommandControl& command : CommandControls()) {
        enable({command.control}, holds(command.enabledWhen));
    }
}
