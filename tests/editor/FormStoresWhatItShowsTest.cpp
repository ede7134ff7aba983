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
// bytes in every code page.
bool IsTypeable(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u' ' && c <= u'~'; });
}

// A control read as a user reads it.
std::int32_t Number(Window window, int id) {
    const QString text = window.Edit(id)->text();
    constexpr qlonglong kMin = std::numeric_limits<std::int32_t>::min();
    constexpr qlonglong kMax = std::numeric_limits<std::int32_t>::max();
    return text.isEmpty() ? 0 : static_cast<std::int32_t>(std::clamp(text.toLongLong(), kMin, kMax));
}
int Position(Window window, int id) {
    return window.List(id)->Selection();
}
std::string Item(Window window, int id) {
    return window.List(id)->SelectedId();
}
int Radio(Window window, int firstButton) {
    const QList<QAbstractButton*> buttons = window.Button(firstButton)->group()->buttons();
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
     [](Window w, int c, Expected e) { e.language = w.List(c)->Data(Position(w, c)).toUInt(); }},
    {kDisplayEdit, Level::Holiday,
     [](Window w, int c, Expected e) {
         // Other texts are the file's bytes shown in its code page; the user
         // here types digits only.
         if (const QString text = w.Edit(c)->text(); IsTypeable(text)) {
             e.Holiday().display = text.toStdString();
         }
     }},
    {kReferenceOnlyCheck, Level::Holiday,
     [](Window w, int c, Expected e) { e.Holiday().referenceOnly = w.Button(c)->isChecked() ? 1 : 0; }},
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
        ShowHoliday(window.List(kIdList)->SelectedId());
        Shown(Level::Document);
    }

    void Step() {
        gui::RunIdle(window);
        const int choice = Between(0, 9);
        if (choice < 5) {
            Edit();
        } else if (choice < 7) {
            ChangeBack();
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

    void Edit() {
        std::vector<int> enabled;
        for (const CField& field : kFields) {
            if (window.Control(field.control)->isEnabled()) {
                enabled.push_back(field.control);
            }
        }
        const int control = AnyOf(enabled);
        SetState(control, RandomState(control));
    }

    // Back to what the control showed when its field was shown.
    void ChangeBack() {
        std::vector<int> changed;
        for (const auto& [control, state] : shownStates) {
            if (window.Control(control)->isEnabled() && IsTypeable(state.toString()) && State(control) != state) {
                changed.push_back(control);
            }
        }
        if (!changed.empty()) {
            const int control = AnyOf(changed);
            SetState(control, shownStates.at(control));
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
                ShowHoliday(window.List(kIdList)->SelectedId());
            },
            [&] { PickAny(kYearList, "year"); },
            [&] {
                trace += "| Refresh ";
                gui::Click(window.Button(kRefresh));
            },
            [&] {
                trace += "| Save ";
                window.MenuAction(kFileSave)->trigger();
                EXPECT_TRUE(dialogs.errors.isEmpty());
            },
        };
        if (expected.ruleset != -1) {
            stores.emplace_back([&] { ShowRuleset(PickAny(kRulesetList, "ruleset")); });
        }
        if (expected.shiftRule != -1) {
            stores.emplace_back([&] { ShowShiftRule(PickAny(kShiftRuleList, "shift rule")); });
        }
        AnyOf(stores)();
        EXPECT_EQ(window.Document().Holidays(), expected.holidays);
        EXPECT_EQ(window.Document().GetVersion(), expected.version);
        EXPECT_EQ(window.Document().GetLanguage(), expected.language);
    }

    // Picks any entry of the list, which stores the form; gives its position.
    int PickAny(int list, const char* what) {
        const int position = Between(0, window.List(list)->Count() - 1);
        trace += std::string("| ") + what + " " + std::to_string(position) + " ";
        gui::Pick(window.List(list), position);
        return position;
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

    // The controls that show texts or IDs of the file and still show what
    // was last shown or stored.
    std::vector<int> UntouchedTextControls() const {
        std::vector<int> untouched;
        for (const int control :
             {kDisplayEdit, kOffsetReferenceList, kWeekdayReferenceList, kConditionList, kShiftTargetList}) {
            if (storedStates.contains(control) && State(control) == storedStates.at(control)) {
                untouched.push_back(control);
            }
        }
        return untouched;
    }

    // What the control shows: its text, selected position (-1 for none),
    // checked state, or the position of the checked button in its group.
    QVariant State(int control) const {
        QWidget* widget = window.Control(control);
        if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
            return edit->text();
        }
        if (const auto* list = qobject_cast<CComboList*>(widget)) {
            return list->Selection();
        }
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            return Radio(window, control);
        }
        return window.Button(control)->isChecked();
    }

    QVariant RandomState(int control) {
        QWidget* widget = window.Control(control);
        if (qobject_cast<QLineEdit*>(widget) != nullptr) {
            QString digits;
            for (int length = Between(0, 4); length > 0; --length) {
                digits += QChar(u'0' + Between(0, 9));
            }
            return digits;
        }
        if (const auto* list = qobject_cast<CComboList*>(widget)) {
            return Between(0, list->Count() - 1);
        }
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            return Between(0, static_cast<int>(window.Button(control)->group()->buttons().size()) - 1);
        }
        return !window.Button(control)->isChecked();
    }

    // Sets the control as a user does. Lists cannot be emptied and radio
    // groups not cleared: such states stay as they are.
    void SetState(int control, const QVariant& state) {
        trace += std::to_string(control) + "=" + state.toString().toStdString() + " ";
        QWidget* widget = window.Control(control);
        const int position = state.toInt();
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            gui::Type(edit, state.toString());
        } else if (auto* list = qobject_cast<CComboList*>(widget)) {
            if (position != -1) {
                const std::vector<int> untouched =
                    control == kLanguageList ? UntouchedTextControls() : std::vector<int>();
                gui::Pick(list, position);
                // The program shows the texts and IDs again in the language's
                // code page; what the user had not touched stays untouched.
                for (const int text : untouched) {
                    shownStates[text] = storedStates[text] = State(text);
                }
            }
        } else if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            const QList<QAbstractButton*> buttons = window.Button(control)->group()->buttons();
            if (position < buttons.size()) {
                gui::Click(buttons.at(position));
            }
        } else if (window.Button(control)->isChecked() != state.toBool()) {
            gui::Click(window.Button(control));
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
