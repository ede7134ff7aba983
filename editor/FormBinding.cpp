#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CDropDownEdit.h"
#include "editor/CEditorWindow.h"
#include "editor/CShownIds.h"
#include "editor/ShownControlState.h"
#include "resources/ControlIds.h"

#include <QLineEdit>

#include <cstdint>
#include <initializer_list>
#include <limits>

namespace {

constexpr std::initializer_list<int> kReferenceLists = {ids::kOffsetReferenceList, ids::kWeekdayReferenceList,
                                                        ids::kConditionList, ids::kShiftTargetList};

// Positions 0..6 of the condition list are the weekday names, Monday to
// Sunday; the reference and holiday IDs follow.
constexpr int kFirstConditionId = kDaysPerWeek;

// Text to number as atoi reads it: optional leading blanks and sign, then the
// decimal digits up to the first other character; no digits gives 0. Numbers
// beyond the 32-bit range saturate at its ends.
std::int32_t TextToNumber(const QString& text) {
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

void ShowNumber(QLineEdit* edit, std::int32_t value) {
    shown::ShowText(edit, QString::number(value));
}

void StoreNumber(QLineEdit* edit, std::int32_t& field) {
    if (const auto text = shown::TextToStore(edit)) {
        field = TextToNumber(*text);
    }
}

// A list whose item at position p stands for the value p + first (months:
// first = 1). A value without an item shows no selection. The weekday,
// occurrence and direction lists hold their codes in code order from 0.
static_assert(kMonday == 0 && CRuleset::kFirst == 0 && kBefore == 0);
void ShowPosition(CComboList* list, std::int32_t value, int first = 0) {
    const std::int64_t position = std::int64_t{value} - first;
    shown::ShowSelection(list, position >= 0 && position < list->Count() ? static_cast<int>(position) : -1);
}

// No selection stores -1 + first, as the platform's lists read.
void StorePosition(CComboList* list, std::int32_t& field, int first = 0) {
    if (const auto position = shown::SelectionToStore(list)) {
        field = *position + first;
    }
}

// The offset direction list holds "before" and "after" only.
constexpr int kOffsetBeforeItem = 0;
constexpr int kOffsetAfterItem = 1;

void ShowOffsetDirection(CComboList* list, std::int32_t direction) {
    shown::ShowSelection(list, direction == kBefore ? kOffsetBeforeItem : direction == kAfter ? kOffsetAfterItem : -1);
}

void StoreOffsetDirection(CComboList* list, std::int32_t& direction) {
    const auto position = shown::SelectionToStore(list);
    if (position.has_value() && *position != -1) {
        direction = *position == kOffsetBeforeItem ? kBefore : kAfter;
    }
}

// The item that names the ID: the first with exactly its bytes, searching
// from `first` to the end and then, with `wrap`, from 0 up to first - 1.
// When none matches exactly, the first whose text, decoded from the code
// page, differs only in letter case (bytes that stand for no character
// match only exactly, so that two different IDs never pass for one another).
// -1 when none.
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

// A reference that matches an item only up to letter case is shown on that
// item and stored with the item's spelling; an unknown one shows no
// selection and is kept. Items before `firstId` are not IDs.
void ShowReference(CComboList* list, const CItemMatch& match, int firstId) {
    shown::ShowIdSelection(list, match.position, firstId);
    if (match.position != -1 && !match.exact) {
        shown::Forget(list);
    }
}

// The reference lists other than the condition list: the search starts
// after the first item and wraps.
void ShowReference(CComboList* list, const std::string& id, const CCodePage& codePage) {
    ShowReference(list, FindReference(*list, id, codePage, 1, true), 0);
}

void StoreReference(CComboList* list, std::string& id) {
    if (const auto position = shown::IdSelectionToStore(list)) {
        id = list->Id(*position);
    }
}

// On a weekday: the weekday's name; on a holiday: the item of the holiday
// among the IDs (never a weekday name that happens to equal it); any other
// kind, or a weekday outside Monday..Sunday, shows no selection.
void ShowCondition(CComboList* list, const CShiftRule& shiftRule, const CCodePage& codePage) {
    if (shiftRule.conditionKind == CShiftRule::kOnHoliday) {
        const CItemMatch match = FindReference(*list, shiftRule.conditionHoliday, codePage, kFirstConditionId, false);
        ShowReference(list, match, kFirstConditionId);
        return;
    }
    const bool weekday = shiftRule.conditionKind == CShiftRule::kOnWeekday && IsWeekday(shiftRule.conditionWeekday);
    shown::ShowIdSelection(list, weekday ? shiftRule.conditionWeekday : -1, kFirstConditionId);
}

void StoreCondition(CComboList* list, CShiftRule& shiftRule) {
    const auto position = shown::IdSelectionToStore(list, kFirstConditionId);
    if (!position.has_value()) {
        return;
    }
    if (*position < kFirstConditionId) {
        shiftRule.conditionKind = CShiftRule::kOnWeekday;
        shiftRule.conditionWeekday = *position;
    } else {
        shiftRule.conditionKind = CShiftRule::kOnHoliday;
        shiftRule.conditionHoliday = list->Id(*position);
    }
}

shown::RadioButtons Radios(const CEditorWindow& window, std::initializer_list<int> buttonIds) {
    shown::RadioButtons buttons;
    for (int id : buttonIds) {
        buttons.push_back(window.Button(id));
    }
    return buttons;
}

// A group's buttons in the order of the codes they stand for: button i
// checked stands for code i.
static_assert(CRuleset::kFixedDate == 0 && CRuleset::kWeekdayOfMonth == 1 && CRuleset::kRelativeDate == 2);
static_assert(CRuleset::kFixedNumberOfDays == 0 && CRuleset::kFixedWeekday == 1);
static_assert(CShiftRule::kShiftToWeekday == 0 && CShiftRule::kShiftToHoliday == 1 && CShiftRule::kDrop == 2);

shown::RadioButtons RuleKindRadios(const CEditorWindow& window) {
    return Radios(window, {ids::kFixedDateRadio, ids::kWeekdayOfMonthRadio, ids::kRelativeDateRadio});
}

shown::RadioButtons RelativeKindRadios(const CEditorWindow& window) {
    return Radios(window, {ids::kFixedDaysRadio, ids::kRelativeWeekdayRadio});
}

shown::RadioButtons ActionRadios(const CEditorWindow& window) {
    return Radios(window, {ids::kShiftToWeekdayRadio, ids::kShiftToHolidayRadio, ids::kDropRadio});
}

void StoreRadio(const shown::RadioButtons& buttons, std::int32_t& field) {
    if (const auto value = shown::RadioToStore(buttons)) {
        field = *value;
    }
}

void StoreRuleset(const CEditorWindow& window, CRuleset& ruleset) {
    using namespace ids;
    StoreNumber(window.Edit(kValidFromEdit), ruleset.validFrom);
    StoreNumber(window.Edit(kValidToEdit), ruleset.validTo);
    StoreNumber(window.Edit(kIntervalEdit), ruleset.interval);
    StoreRadio(RuleKindRadios(window), ruleset.ruleKind);
    StoreNumber(window.Edit(kFixedDayEdit), ruleset.fixedDay);
    StorePosition(window.List(kFixedMonthList), ruleset.fixedMonth, 1);
    StorePosition(window.List(kWeekdayOrdinalList), ruleset.weekdayOrdinal);
    StorePosition(window.List(kMonthWeekdayList), ruleset.monthWeekday);
    StorePosition(window.List(kWeekdayMonthList), ruleset.weekdayMonth, 1);
    StoreRadio(RelativeKindRadios(window), ruleset.relativeKind);
    StoreNumber(window.Edit(kOffsetDaysEdit), ruleset.offsetDays);
    StoreOffsetDirection(window.List(kOffsetDirectionList), ruleset.offsetDirection);
    StoreReference(window.List(kOffsetReferenceList), ruleset.offsetReference);
    StoreNumber(window.Edit(kWeekdayCountEdit), ruleset.weekdayCount);
    StorePosition(window.List(kRelativeWeekdayList), ruleset.relativeWeekday);
    StorePosition(window.List(kWeekdayDirectionList), ruleset.weekdayDirection);
    StoreReference(window.List(kWeekdayReferenceList), ruleset.weekdayReference);
}

void StoreShiftRule(const CEditorWindow& window, CShiftRule& shiftRule) {
    using namespace ids;
    StoreCondition(window.List(kConditionList), shiftRule);
    StoreRadio(ActionRadios(window), shiftRule.action);
    StoreNumber(window.Edit(kShiftCountEdit), shiftRule.shiftCount);
    StorePosition(window.List(kShiftWeekdayList), shiftRule.shiftWeekday);
    StorePosition(window.List(kShiftDirectionList), shiftRule.shiftDirection);
    StoreReference(window.List(kShiftTargetList), shiftRule.shiftTarget);
}

template <class T>
T* ElementAt(std::vector<T>& elements, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < elements.size() ? &elements[static_cast<std::size_t>(index)]
                                                                           : nullptr;
}

}  // namespace

void CEditorWindow::StoreForm() {
    // The occurrence field may still hold typed text; it must show what is
    // stored.
    Control<CDropDownEdit>(ids::kWeekdayOrdinalList)->AcceptTypedText();
    // Language and version belong to the document, not to the shown holiday,
    // so they are stored even while no holiday is shown.
    document.SetLanguage(SelectedLanguage());
    std::int32_t version = document.GetVersion();
    StoreNumber(Edit(ids::kVersionEdit), version);
    document.SetVersion(version);

    const int index = FindShownHoliday();
    if (index == -1) {
        return;
    }
    CHoliday holiday = document.GetHoliday(index);
    holiday.display = DisplayText().Bytes();
    if (const auto checked = shown::CheckToStore(Button(ids::kReferenceOnlyCheck))) {
        holiday.referenceOnly = *checked ? CHoliday::kReferenceOnly : CHoliday::kListed;
    }
    if (CRuleset* ruleset = ElementAt(holiday.rulesets, currentRuleset)) {
        StoreRuleset(*this, *ruleset);
        if (CShiftRule* shiftRule = ElementAt(ruleset->shiftRules, currentShiftRule)) {
            StoreShiftRule(*this, *shiftRule);
        }
    }
    // Writing back the holiday as the document holds it changes nothing but
    // would calculate the year again.
    if (holiday != document.Holidays()[static_cast<std::size_t>(index)]) {
        document.SetHoliday(holiday);
    }
}

void CEditorWindow::FillFromDocument() {
    SelectLanguage(document.GetLanguage());
    // As ApplyLanguageFont, except that the lists are filled anew below and
    // the callers show the new document's preview: showing the old ones in
    // the new code page first would be work thrown away.
    UseLanguageCodePage();
    ShowNumber(Edit(ids::kVersionEdit), document.GetVersion());
    for (int id : {ids::kIdList, ids::kOffsetReferenceList, ids::kWeekdayReferenceList, ids::kConditionList,
                   ids::kShiftTargetList}) {
        List(id)->RemoveAll();
    }
    CComboList* conditions = List(ids::kConditionList);
    for (int weekday = 0; weekday < kFirstConditionId; ++weekday) {
        conditions->AddItem(List(ids::kMonthWeekdayList)->Text(weekday));
    }
    for (int i = 0; i < CHolidays::GetReferenceCount(); ++i) {
        for (int id : kReferenceLists) {
            List(id)->AddId(CHolidays::GetReferenceId(i), textCodePage);
        }
    }
    // The holiday IDs in document order, as AddIdToLists adds them one by
    // one, each shown and the batch sorted once for all lists.
    std::vector<std::string> holidayIds;
    holidayIds.reserve(document.Holidays().size());
    for (const CHoliday& holiday : document.Holidays()) {
        holidayIds.push_back(holiday.id);
    }
    const CShownIds shownIds(holidayIds, textCodePage);
    CComboList* idList = List(ids::kIdList);
    idList->Select(idList->AddIds(shownIds));
    for (int id : kReferenceLists) {
        List(id)->AddIds(shownIds);
    }
    for (int id : kReferenceLists) {
        List(id)->Select(0);
    }
}

void CEditorWindow::AddIdToLists(const std::string& id) {
    CComboList* idList = List(ids::kIdList);
    idList->Select(idList->AddId(id, textCodePage));
    for (int list : kReferenceLists) {
        List(list)->AddId(id, textCodePage);
    }
}

void CEditorWindow::RemoveIdFromLists(const std::string& id) {
    // IDs are compared by their exact bytes: "Xmas" never removes "XMAS".
    CComboList* idList = List(ids::kIdList);
    if (const int position = idList->FindId(id); position != -1) {
        idList->RemoveItem(position);
        idList->Select(std::min(position, idList->Count() - 1));
    }
    for (int list : {ids::kOffsetReferenceList, ids::kWeekdayReferenceList, ids::kShiftTargetList}) {
        List(list)->RemoveItem(List(list)->FindId(id));
    }
    // Among the IDs only: a holiday named like a weekday leaves the weekday.
    CComboList* conditions = List(ids::kConditionList);
    if (const int position = conditions->FindId(id, kFirstConditionId - 1); position >= kFirstConditionId) {
        conditions->RemoveItem(position);
    }
}

void CEditorWindow::ShowRuleset(const CRuleset& ruleset) {
    using namespace ids;
    ShowNumber(Edit(kValidFromEdit), ruleset.validFrom);
    ShowNumber(Edit(kValidToEdit), ruleset.validTo);
    ShowNumber(Edit(kIntervalEdit), ruleset.interval);
    shown::ShowRadio(RuleKindRadios(*this), ruleset.ruleKind);
    ShowNumber(Edit(kFixedDayEdit), ruleset.fixedDay);
    ShowPosition(List(kFixedMonthList), ruleset.fixedMonth, 1);
    ShowPosition(List(kWeekdayOrdinalList), ruleset.weekdayOrdinal);
    ShowPosition(List(kMonthWeekdayList), ruleset.monthWeekday);
    ShowPosition(List(kWeekdayMonthList), ruleset.weekdayMonth, 1);
    shown::ShowRadio(RelativeKindRadios(*this), ruleset.relativeKind);
    ShowNumber(Edit(kOffsetDaysEdit), ruleset.offsetDays);
    ShowOffsetDirection(List(kOffsetDirectionList), ruleset.offsetDirection);
    ShowReference(List(kOffsetReferenceList), ruleset.offsetReference, textCodePage);
    ShowNumber(Edit(kWeekdayCountEdit), ruleset.weekdayCount);
    ShowPosition(List(kRelativeWeekdayList), ruleset.relativeWeekday);
    ShowPosition(List(kWeekdayDirectionList), ruleset.weekdayDirection);
    ShowReference(List(kWeekdayReferenceList), ruleset.weekdayReference, textCodePage);
}

void CEditorWindow::ShowShiftRule(const CShiftRule& shiftRule) {
    using namespace ids;
    ShowCondition(List(kConditionList), shiftRule, textCodePage);
    shown::ShowRadio(ActionRadios(*this), shiftRule.action);
    ShowNumber(Edit(kShiftCountEdit), shiftRule.shiftCount);
    ShowPosition(List(kShiftWeekdayList), shiftRule.shiftWeekday);
    ShowPosition(List(kShiftDirectionList), shiftRule.shiftDirection);
    ShowReference(List(kShiftTargetList), shiftRule.shiftTarget, textCodePage);
}
