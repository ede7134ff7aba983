// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"
#include "tests/editor/support/RandomDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <vector>

using namespace ids;

namespace {

constexpr unsigned kDocuments = 60;
constexpr int kStepsPerDocument = 60;

// The document as a user expects it after the next store, and the holiday,
// ruleset and shift rule the form belongs to.
struct CExpected {
    std::vector<CHoliday> holidays;
    LCID language = 0;
    std::int32_t version = 0;
    std::size_t holiday = 0;
    int ruleset = -1;
    int shiftRule = -1;

    CHoliday& Holiday() { return holidays[holiday]; }
    CRuleset& Ruleset() { return Holiday().rulesets[static_cast<std::size_t>(ruleset)]; }
    CShiftRule& ShiftRule() { return Ruleset().shiftRules[static_cast<std::size_t>(shiftRule)]; }
};

// Choosing a holiday shows its level and those below it anew, and so on.
enum class Level { Document, Holiday, Ruleset, ShiftRule };

using Window = const CEditorWindow&;
using Expected = CExpected&;

// Text that a user can type again key by key and that stands for the same
// bytes in every code page (a backslash may start an escape of a byte).
bool IsTypeable(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~' && c != u'\\'; });
}

// The lists of holiday IDs, with the position of their first ID item; the
// condition list holds the weekdays before it.
const std::map<int, int> kFirstIdItem = {
    {kOffsetReferenceList, 0}, {kWeekdayReferenceList, 0}, {kShiftTargetList, 0}, {kConditionList, 7}};

// Languages whose code pages show the same bytes differently: 1252, 1251,
// 932, 936 and UTF-8.
constexpr LCID kLanguages[] = {0x0407, 0x0419, 0x0411, 0x0804, 0x0439};

// A control read as a user reads it.
std::int32_t Number(Window window, int id) {
    const QString text = window.View().Edit(id)->text();
    constexpr qlonglong kMin = std::numeric_limits<std::int32_t>::min();
    constexpr qlonglong kMax = std::numeric_limits<std::int32_t>::max();
    return text.isEmpty() ? 0 : static_cast<std::int32_t>(std::clamp(text.toLongLong(), kMin, kMax));
}
int Position(Window window, int id) {
    return window.View().List(id)->Selection();
}
std::string Item(Window window, int id) {
    return window.View().List(id)->SelectedId();
}
int Radio(Window window, int firstButton) {
    const QList<QAbstractButton*> buttons = window.View().Button(firstButton)->group()->buttons();
    return static_cast<int>(std::find_if(buttons.begin(), buttons.end(), [](auto* b) { return b->isChecked(); }) -
                            buttons.begin());
}

// Every control of the form with the field it stands for.
struct CField {
    int control;
    Level level;
    void (*read)(Window, int control, Expected);
};

const CField kFields[] = {
    {kVersionEdit, Level::Document, [](Window w, int c, Expected e) { e.version = Number(w, c); }},
    {kLanguageList, Level::Document,
     [](Window w, int c, Expected e) { e.language = w.View().List(c)->Data(Position(w, c)).toUInt(); }},
    {kDisplayEdit, Level::Holiday,
     [](Window w, int c, Expected e) {
         // Other texts are the file's bytes shown in its code page; the user
         // here types digits only.
         if (const QString text = w.View().Edit(c)->text(); IsTypeable(text)) {
             e.Holiday().display = text.toStdString();
         }
     }},
    {kReferenceOnlyCheck, Level::Holiday,
     [](Window w, int c, Expected e) { e.Holiday().referenceOnly = w.View().Button(c)->isChecked() ? 1 : 0; }},
    {kValidFromEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().validFrom = Number(w, c); }},
    {kValidToEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().validTo = Number(w, c); }},
    {kIntervalEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().interval = Number(w, c); }},
    {kFixedDateRadio, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().ruleKind = Radio(w, c); }},
    {kFixedDayEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().fixedDay = Number(w, c); }},
    {kFixedMonthList, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().fixedMonth = Position(w, c) + 1; }},
    {kWeekdayOrdinalList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().weekdayOrdinal = Position(w, c); }},
    {kMonthWeekdayList, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().monthWeekday = Position(w, c); }},
    {kWeekdayMonthList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().weekdayMonth = Position(w, c) + 1; }},
    {kFixedDaysRadio, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().relativeKind = Radio(w, c); }},
    {kOffsetDaysEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().offsetDays = Number(w, c); }},
    {kOffsetDirectionList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().offsetDirection = Position(w, c) == 0 ? 0 : 3; }},
    {kOffsetReferenceList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().offsetReference = Item(w, c); }},
    {kWeekdayCountEdit, Level::Ruleset, [](Window w, int c, Expected e) { e.Ruleset().weekdayCount = Number(w, c); }},
    {kRelativeWeekdayList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().relativeWeekday = Position(w, c); }},
    {kWeekdayDirectionList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().weekdayDirection = Position(w, c); }},
    {kWeekdayReferenceList, Level::Ruleset,
     [](Window w, int c, Expected e) { e.Ruleset().weekdayReference = Item(w, c); }},
    {kConditionList, Level::ShiftRule,
     [](Window w, int c, Expected e) {
         const int position = Position(w, c);  // 0..6: the weekdays, then the IDs
         CShiftRule& shiftRule = e.ShiftRule();
         shiftRule.conditionKind = position < 7 ? 0 : 1;
         if (position < 7) {
             shiftRule.conditionWeekday = position;
         } else {
             shiftRule.conditionHoliday = Item(w, c);
         }
     }},
    {kShiftToWeekdayRadio, Level::ShiftRule, [](Window w, int c, Expected e) { e.ShiftRule().action = Radio(w, c); }},
    {kShiftCountEdit, Level::ShiftRule, [](Window w, int c, Expected e) { e.ShiftRule().shiftCount = Number(w, c); }},
    {kShiftWeekdayList, Level::ShiftRule,
     [](Window w, int c, Expected e) { e.ShiftRule().shiftWeekday = Position(w, c); }},
    {kShiftDirectionList, Level::ShiftRule,
     [](Window w, int c, Expected e) { e.ShiftRule().shiftDirection = Position(w, c); }},
    {kShiftTargetList, Level::ShiftRule, [](Window w, int c, Expected e) { e.ShiftRule().shiftTarget = Item(w, c); }},
};

// A user who edits the form at random, changes controls back to what they
// showed, and stores the form in every way the window offers. After each
// store the document holds what the controls show: a control whose state
// differs from the one in which its field was last shown or stored gives the
// field what it shows; any other keeps the field as it is, so that merely
// viewing a value the control cannot show never changes it.
class CRandomUser {
public:
    CRandomUser(CEditorWindow& editor, CScriptedDialogs& scripted, unsigned seed)
        : window(editor), dialogs(scripted), random(seed) {
        const CHolidays document = CRandomDocument(seed).Make();
        expected.holidays = document.Holidays();
        expected.language = document.GetLanguage();
        expected.version = document.GetVersion();
        gui::OpenDocument(window, dialogs, document);
        ShowHoliday(window.View().List(kIdList)->SelectedId());
        Shown(Level::Document);
    }

    void Step() {
        gui::RunIdle(window);
        const int choice = Between(0, 10);
        if (choice < 5) {
            Edit();
        } else if (choice < 7) {
            ChangeBack();
        } else if (choice < 8) {
            ChangeLanguage();
        } else {
            Store();
        }
    }

    std::string trace;  // what was done, to reproduce a failure

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    template <class T>
    const T& AnyOf(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

    // Every other edit picks in a list of IDs when one applies, as their
    // items move between stores; now and then the shown rule is first made
    // relative to another holiday, so that two of them apply.
    void Edit() {
        if (expected.ruleset != -1 && Between(0, 3) == 0) {
            SetState(kFixedDateRadio, CRuleset::kRelativeDate);
            SetState(kFixedDaysRadio, Between(0, 1));
        }
        std::vector<int> enabled;
        std::vector<int> idLists;
        for (const CField& field : kFields) {
            if (window.View().Control(field.control)->isEnabled()) {
                enabled.push_back(field.control);
                if (kFirstIdItem.contains(field.control)) {
                    idLists.push_back(field.control);
                }
            }
        }
        const int control = !idLists.empty() && Between(0, 1) == 0 ? AnyOf(idLists) : AnyOf(enabled);
        SetState(control, RandomState(control));
    }

    // Back to what the control showed when its field was shown.
    void ChangeBack() {
        std::vector<int> changed;
        for (const auto& [control, state] : shownStates) {
            const bool typeable = state.typeId() != QMetaType::QString || IsTypeable(state.toString());
            if (window.View().Control(control)->isEnabled() && typeable && State(control) != state) {
                changed.push_back(control);
            }
        }
        if (!changed.empty()) {
            const int control = AnyOf(changed);
            SetState(control, shownStates.at(control));
        }
    }

    // The IDs, display text and preview are shown in another code page; a
    // sorted list of IDs may sort its items anew.
    void ChangeLanguage() {
        const CComboList* languages = window.View().List(kLanguageList);
        const LCID language = AnyOf(std::vector<LCID>(std::begin(kLanguages), std::end(kLanguages)));
        for (int position = 0; position < languages->Count(); ++position) {
            if (languages->Data(position).toUInt() == language) {
                SetState(kLanguageList, position);
            }
        }
    }

    void Store() {
        for (const CField& field : kFields) {
            if (IsShown(field.level) && State(field.control) != storedStates.at(field.control)) {
                field.read(window, field.control, expected);
                storedStates[field.control] = State(field.control);
            }
        }
        std::vector<std::function<void()>> stores = {
            [&] {
                PickAny(kIdList, "holiday");
                ShowHoliday(window.View().List(kIdList)->SelectedId());
            },
            [&] { PickAny(kYearList, "year"); },
            [&] {
                trace += "| Refresh ";
                gui::Click(window.View().Button(kRefresh));
            },
            [&] {
                trace += "| Save ";
                window.View().MenuAction(kFileSave)->trigger();
            },
            [&] { ChangeHolidays(); },
            [&] {
                trace += "| Add ruleset ";
                gui::Click(window.View().Button(kAddRuleset));
                expected.Holiday().rulesets.push_back(NewRulesetOn(CDateTime::Now()));
                ShowRuleset(static_cast<int>(expected.Holiday().rulesets.size()) - 1);
            },
        };
        if (expected.ruleset != -1) {
            stores.emplace_back([&] { ShowRuleset(PickAny(kRulesetList, "ruleset")); });
        }
        if (expected.shiftRule != -1) {
            stores.emplace_back([&] { ShowShiftRule(PickAny(kShiftRuleList, "shift rule")); });
        }
        AnyOf(stores)();
        EXPECT_TRUE(dialogs.errors.isEmpty());
        EXPECT_EQ(window.View().Document().Holidays(), expected.holidays);
        EXPECT_EQ(window.View().Document().GetVersion(), expected.version);
        EXPECT_EQ(window.View().Document().GetLanguage(), expected.language);
    }

    // Adds, renames or deletes a holiday, which changes the lists of IDs
    // before or after storing the form, and shows the holiday chosen then.
    void ChangeHolidays() {
        const std::string id = NewId();
        // A reference to an ID that goes could then match another one up
        // to letter case, and be shown on it and stored in its spelling.
        const bool canGo = !HasCaseTwin(expected.Holiday().id);
        const int choice = Between(0, 2);
        if (choice == 0 || !canGo) {
            trace += "| Add " + id + " ";
            gui::AddHoliday(window, dialogs, id);
            expected.holidays.push_back(gui::EmptyHoliday(id));
        } else if (choice == 1 || expected.holidays.size() == 1) {
            trace += "| Rename " + id + " ";
            dialogs.renamedIds.push_back(id);
            gui::Click(window.View().Button(kRenameHoliday));
            expected.Holiday().id = id;
        } else {
            trace += "| Delete ";
            dialogs.okCancelAnswers.push_back(true);
            gui::Click(window.View().Button(kDeleteHoliday));
            expected.holidays.erase(expected.holidays.begin() + static_cast<std::ptrdiff_t>(expected.holiday));
        }
        ShowHoliday(window.View().List(kIdList)->SelectedId());
    }

    // Picks any entry of the list, which stores the form; gives its position.
    int PickAny(int list, const char* what) {
        const int position = Between(0, window.View().List(list)->Count() - 1);
        trace += std::string("| ") + what + " " + std::to_string(position) + " ";
        gui::Pick(window.View().List(list), position);
        return position;
    }

    // The IDs of the lists and the references of the document.
    std::vector<std::string> KnownIds() const {
        std::vector<std::string> known(kReferenceIds.begin(), kReferenceIds.end());
        for (const CHoliday& holiday : expected.holidays) {
            known.push_back(holiday.id);
            for (const CRuleset& r : holiday.rulesets) {
                known.insert(known.end(), {r.offsetReference, r.weekdayReference});
                for (const CShiftRule& s : r.shiftRules) {
                    known.insert(known.end(), {s.conditionHoliday, s.shiftTarget});
                }
            }
        }
        return known;
    }

    // Whether an ID of the lists or a reference of the document other than
    // the ID itself equals it up to letter case.
    bool HasCaseTwin(const std::string& id) const {
        const std::vector<std::string> known = KnownIds();
        return std::any_of(known.begin(), known.end(), [&](const std::string& other) {
            return other != id && QByteArray::fromStdString(other).toLower() == QByteArray::fromStdString(id).toLower();
        });
    }

    // A new ID without case twins, sorting anywhere among the others. Some
    // begin with a byte that code pages show as different characters (in
    // 1252 the euro sign, in UTF-8 none), so that a change of language sorts
    // them elsewhere.
    std::string NewId() {
        const std::vector<std::string> known = KnownIds();
        std::string id;
        do {
            id = std::string(Between(0, 1) == 0 ? "\x80" : "") +
                 static_cast<char>(Between(0, 1) == 0 ? Between('A', 'Z') : Between('a', 'z')) +
                 std::to_string(Between(0, 9));
        } while (std::find(known.begin(), known.end(), id) != known.end() || HasCaseTwin(id));
        return id;
    }

    bool IsShown(Level level) const {
        return level == Level::ShiftRule ? expected.shiftRule != -1
               : level == Level::Ruleset ? expected.ruleset != -1
                                         : true;
    }

    void ShowHoliday(const std::string& id) {
        const auto found = std::find_if(expected.holidays.begin(), expected.holidays.end(),
                                        [&](const CHoliday& holiday) { return holiday.id == id; });
        expected.holiday = static_cast<std::size_t>(found - expected.holidays.begin());
        Shown(Level::Holiday);
        ShowRuleset(expected.Holiday().rulesets.empty() ? -1 : 0);
    }

    void ShowRuleset(int ruleset) {
        expected.ruleset = ruleset;
        Shown(Level::Ruleset);
        ShowShiftRule(ruleset == -1 || expected.Ruleset().shiftRules.empty() ? -1 : 0);
    }

    void ShowShiftRule(int shiftRule) {
        expected.shiftRule = shiftRule;
        Shown(Level::ShiftRule);
    }

    // The controls of the level show their fields anew.
    void Shown(Level level) {
        for (const CField& field : kFields) {
            if (field.level == level) {
                shownStates[field.control] = storedStates[field.control] = State(field.control);
            }
        }
    }

    // Whether the display text still shows what was last shown or stored.
    bool DisplayUntouched() const {
        return storedStates.contains(kDisplayEdit) && State(kDisplayEdit) == storedStates.at(kDisplayEdit);
    }

    // What the control shows: its text; the selected ID of a list of IDs,
    // or the weekday's position; the selected position (-1 for none) of
    // another list; the checked state, or the position of the checked button
    // in its group.
    QVariant State(int control) const {
        QWidget* widget = window.View().Control(control);
        if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
            return edit->text();
        }
        if (const auto* list = qobject_cast<CComboList*>(widget)) {
            const auto ids = kFirstIdItem.find(control);
            if (ids == kFirstIdItem.end() || list->Selection() < ids->second) {
                return list->Selection();
            }
            return QByteArray::fromStdString(list->SelectedId());
        }
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            return Radio(window, control);
        }
        return window.View().Button(control)->isChecked();
    }

    QVariant RandomState(int control) {
        QWidget* widget = window.View().Control(control);
        if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            QString digits;
            for (int length = Between(0, 4); length > 0; --length) {
                digits += QChar(u'0' + Between(0, 9));
            }
            return digits;
        }
        if (const auto* list = qobject_cast<CComboList*>(widget)) {
            // Often the neighbour, as the arrow keys choose it.
            return Between(0, 1) == 0 ? list->Selection() + 2 * Between(0, 1) - 1 : Between(0, list->Count() - 1);
        }
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            return Between(0, static_cast<int>(window.View().Button(control)->group()->buttons().size()) - 1);
        }
        return !window.View().Button(control)->isChecked();
    }

    // Sets the control as a user does. Lists cannot be emptied and radio
    // groups not cleared: such states stay as they are, as do positions
    // outside the list.
    void SetState(int control, const QVariant& state) {
        trace += std::to_string(control) + "=" + state.toString().toStdString() + " ";
        QWidget* widget = window.View().Control(control);
        int position = state.toInt();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            gui::Type(edit, state.toString());
        } else if (auto* list = qobject_cast<CComboList*>(widget)) {
            if (state.typeId() == QMetaType::QByteArray) {
                const int firstId = kFirstIdItem.at(control);
                position = list->FindId(state.toByteArray().toStdString(), firstId - 1);
                position = position < firstId ? -1 : position;
            }
            if (position >= 0 && position < list->Count()) {
                const bool displayUntouched = control == kLanguageList && DisplayUntouched();
                gui::Pick(list, position);
                // The program shows the display text again in the language's
                // code page; untouched, it stays untouched.
                if (displayUntouched) {
                    shownStates[kDisplayEdit] = storedStates[kDisplayEdit] = State(kDisplayEdit);
                }
            }
        } else if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            const QList<QAbstractButton*> buttons = window.View().Button(control)->group()->buttons();
            if (position < buttons.size()) {
                gui::Click(buttons.at(position));
            }
        } else if (window.View().Button(control)->isChecked() != state.toBool()) {
            gui::Click(window.View().Button(control));
        }
    }

    CEditorWindow& window;
    CScriptedDialogs& dialogs;
    std::mt19937 random;
    CExpected expected;
    std::map<int, QVariant> shownStates;   // each control's state when its field was last shown
    std::map<int, QVariant> storedStates;  // ... when its field was last shown or stored
};

TEST_F(EditorWindowTest, EveryStoreWritesWhatTheControlsShow) {
    for (unsigned seed = 1; seed <= kDocuments && !HasFailure(); ++seed) {
        CRandomUser user(window, dialogs, seed);
        for (int step = 0; step < kStepsPerDocument && !HasFailure(); ++step) {
            user.Step();
        }
        if (HasFailure()) {
            ADD_FAILURE() << "seed " << seed << ": " << user.trace;
        }
    }
}

}  // namespace
