// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <cstdint>
#include <limits>

using namespace ids;

namespace {

constexpr LCID kGerman = 0x0407;

CHoliday Holiday(const std::string& id, std::vector<CRuleset> rulesets = {}) {
    CHoliday holiday;
    holiday.id = id;
    holiday.rulesets = std::move(rulesets);
    return holiday;
}

CRuleset WithShiftRule(CRuleset ruleset, const CShiftRule& shiftRule = {}) {
    ruleset.shiftRules.push_back(shiftRule);
    return ruleset;
}

class FormBindingTest : public EditorWindowTest {
protected:
    void Open(const std::vector<CHoliday>& holidays) { gui::OpenHolidays(window, dialogs, holidays); }

    // Stores the form by choosing the shown ruleset again.
    void StoreByChoosingRulesetAgain() {
        gui::RunIdle(window);
        gui::Pick(window.View().List(kRulesetList), window.View().List(kRulesetList)->Selection());
    }

    CRuleset ShownRuleset() const {
        return gui::HolidayById(window, window.View().Selection().HolidayId())
            .rulesets.at(static_cast<std::size_t>(window.View().Selection().Ruleset()));
    }
};

TEST_F(FormBindingTest, NumbersAreReadAsAtoiReadsThemAndSaturateBeyond32Bits) {
    struct Case {
        const char* text;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"1999abc", 1999},
        {"abc", 0},
        {"", 0},
        {"  -12", -12},
        {"+7", 7},
        {"1 2", 1},
        {"-", 0},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"99999999999", std::numeric_limits<std::int32_t>::max()},
        {"-99999999999", std::numeric_limits<std::int32_t>::min()},
    };
    Open({Holiday("Xmas", {CRuleset()})});
    for (const Case& c : cases) {
        gui::Type(window.View().Edit(kValidFromEdit), c.text);
        gui::Type(window.View().Edit(kIntervalEdit), c.text);
        StoreByChoosingRulesetAgain();
        EXPECT_EQ(ShownRuleset().validFrom, c.stored) << c.text;
        EXPECT_EQ(ShownRuleset().interval, c.stored) << c.text;
    }
}

TEST_F(FormBindingTest, EmptiedDigitsOnlyFieldIsStoredAsZero) {
    Open({Holiday("Xmas", {CRuleset()})});
    gui::Type(window.View().Edit(kFixedDayEdit), "");
    StoreByChoosingRulesetAgain();
    EXPECT_EQ(ShownRuleset().fixedDay, 0);
}

TEST_F(FormBindingTest, TypedOccurrenceSelectsTheItemItNamesOrIsPutBack) {
    struct Case {
        QString typed;
        QString shown;  // and selected, after the focus left or the form was stored
    };
    const Case cases[] = {
        {"Fourth", "Fourth"}, {"fifth", "Fifth"}, {"LA", "Last"},  {"fo", "Fourth"}, {"T", "Third"},
        {"F", "Second"},      {"Fi", "Second"},   {"4", "Second"}, {"", "Second"},   {"Seconds", "Second"},
    };
    CRuleset ruleset;
    ruleset.ruleKind = 1;
    ruleset.weekdayOrdinal = 1;
    Open({Holiday("Xmas", {ruleset})});
    window.show();
    QApplication::setActiveWindow(&window);
    CComboList* occurrence = window.View().List(kWeekdayOrdinalList);
    ASSERT_TRUE(occurrence->isEnabled());
    for (const bool byFocus : {true, false}) {
        for (const Case& c : cases) {
            const QString route = (byFocus ? "focus leaves after " : "stored after ") + c.typed;
            gui::Pick(occurrence, 1);
            gui::Type(occurrence->lineEdit(), c.typed);
            if (byFocus) {
                window.View().Edit(kValidFromEdit)->setFocus();
                EXPECT_EQ(occurrence->currentText(), c.shown) << route.toStdString();
            }
            gui::Click(window.View().Button(kRefresh));
            EXPECT_EQ(occurrence->currentText(), c.shown) << route.toStdString();
            EXPECT_EQ(occurrence->SelectedText(), c.shown) << route.toStdString();
            EXPECT_EQ(occurrence->Text(ShownRuleset().weekdayOrdinal), c.shown) << route.toStdString();
        }
    }
    window.hide();
}

TEST_F(FormBindingTest, BeforeIsZeroAndAfterIsThree) {
    CRuleset ruleset;
    ruleset.ruleKind = 2;
    ruleset.relativeKind = 0;
    ruleset.offsetDirection = 3;
    Open({Holiday("Xmas", {ruleset})});
    EXPECT_EQ(window.View().List(kOffsetDirectionList)->SelectedText(), "after");

    gui::Pick(window.View().List(kOffsetDirectionList), "before");
    StoreByChoosingRulesetAgain();
    EXPECT_EQ(ShownRuleset().offsetDirection, 0);
    gui::Pick(window.View().List(kOffsetDirectionList), "after");
    StoreByChoosingRulesetAgain();
    EXPECT_EQ(ShownRuleset().offsetDirection, 3);
}

TEST_F(FormBindingTest, ConditionIsAWeekdayBelowPosition7AndAHolidayFromThere) {
    CShiftRule shiftRule;
    shiftRule.conditionKind = 0;
    shiftRule.conditionWeekday = 5;
    shiftRule.conditionHoliday = "Before";
    Open({Holiday("Xmas", {WithShiftRule(CRuleset(), shiftRule)}), Holiday("Boxing")});
    gui::Pick(window.View().List(kIdList), "Xmas");
    gui::RunIdle(window);
    CComboList* conditions = window.View().List(kConditionList);
    EXPECT_EQ(conditions->Selection(), 5);

    gui::Pick(conditions, 3);
    StoreByChoosingRulesetAgain();
    CShiftRule stored = ShownRuleset().shiftRules.at(0);
    EXPECT_EQ(stored.conditionKind, 0);
    EXPECT_EQ(stored.conditionWeekday, 3);  // Thursday
    EXPECT_EQ(stored.conditionHoliday, "Before");

    gui::Pick(conditions, "Boxing");
    StoreByChoosingRulesetAgain();
    stored = ShownRuleset().shiftRules.at(0);
    EXPECT_EQ(stored.conditionKind, 1);
    EXPECT_EQ(stored.conditionHoliday, "Boxing");
    EXPECT_EQ(stored.conditionWeekday, 3);
}

TEST_F(FormBindingTest, ConditionNamingAWeekdayIsNotShownOnTheWeekday) {
    CShiftRule shiftRule;
    shiftRule.conditionKind = 1;
    shiftRule.conditionHoliday = "Monday";  // no holiday has this ID
    Open({Holiday("Xmas", {WithShiftRule(CRuleset(), shiftRule)})});
    EXPECT_EQ(window.View().List(kConditionList)->Selection(), -1);
    StoreByChoosingRulesetAgain();
    EXPECT_EQ(ShownRuleset().shiftRules.at(0), shiftRule);
}

TEST_F(FormBindingTest, ReferenceDifferingOnlyInCaseIsShownOnTheItemAndStoredInItsSpelling) {
    CRuleset ruleset;
    ruleset.offsetReference = "XMAS";
    ruleset.weekdayReference = "easter_ref";
    CShiftRule shiftRule;
    shiftRule.shiftTarget = "xMaS";
    Open({Holiday("Xmas"), Holiday("Other", {WithShiftRule(ruleset, shiftRule)})});
    EXPECT_EQ(window.View().List(kOffsetReferenceList)->SelectedId(), "Xmas");
    EXPECT_EQ(window.View().List(kWeekdayReferenceList)->SelectedId(), "EASTER_REF");
    EXPECT_EQ(window.View().List(kShiftTargetList)->SelectedId(), "Xmas");

    StoreByChoosingRulesetAgain();
    const CRuleset stored = gui::HolidayById(window, "Other").rulesets.at(0);
    EXPECT_EQ(stored.offsetReference, "Xmas");
    EXPECT_EQ(stored.weekdayReference, "EASTER_REF");
    EXPECT_EQ(stored.shiftRules.at(0).shiftTarget, "Xmas");
}

TEST_F(FormBindingTest, ExactMatchOfAReferenceWinsOverOneDifferingInCase) {
    for (const std::string reference : {"Xmas", "XMAS"}) {
        CRuleset ruleset;
        ruleset.offsetReference = reference;
        CShiftRule shiftRule;
        shiftRule.conditionKind = 1;
        shiftRule.conditionHoliday = reference;
        Open({Holiday("XMAS"), Holiday("Xmas"), Holiday("Other", {WithShiftRule(ruleset, shiftRule)})});
        EXPECT_EQ(window.View().List(kOffsetReferenceList)->SelectedId(), reference);
        EXPECT_EQ(window.View().List(kConditionList)->SelectedId(), reference);
        StoreByChoosingRulesetAgain();
        EXPECT_EQ(gui::HolidayById(window, "Other").rulesets.at(0).offsetReference, reference);
    }
}

TEST_F(FormBindingTest, IdsDifferingOnlyInCaseStayTwoEntriesInEveryList) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::AddHoliday(window, dialogs, "XMAS");
    const int idLists[] = {kIdList, kOffsetReferenceList, kWeekdayReferenceList, kConditionList, kShiftTargetList};
    for (int list : idLists) {
        EXPECT_NE(window.View().List(list)->FindId("Xmas"), -1) << list;
        EXPECT_NE(window.View().List(list)->FindId("XMAS"), -1) << list;
    }

    dialogs.okCancelAnswers.push_back(true);
    gui::Pick(window.View().List(kIdList), "XMAS");
    gui::Click(window.View().Button(kDeleteHoliday));
    for (int list : idLists) {
        EXPECT_NE(window.View().List(list)->FindId("Xmas"), -1) << list;
        EXPECT_EQ(window.View().List(list)->FindId("XMAS"), -1) << list;
    }
    EXPECT_EQ(window.View().Document().FindHoliday("Xmas"), 0);
}

TEST_F(FormBindingTest, HolidayNamedLikeAWeekdayJoinsAndLeavesTheEndOfTheConditionList) {
    CComboList* conditions = window.View().List(kConditionList);
    const QStringList before = gui::Items(conditions);
    gui::AddHoliday(window, dialogs, "Monday");
    EXPECT_EQ(conditions->Count(), before.size() + 1);
    EXPECT_EQ(conditions->Text(conditions->Count() - 1), "Monday");

    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    EXPECT_EQ(gui::Items(conditions), before);
}

TEST_F(FormBindingTest, LanguageAndVersionReachTheDocumentWhileNoHolidayIsShown) {
    gui::Type(window.View().Edit(kVersionEdit), "7");
    const int german = [&] {
        const CComboList* languages = window.View().List(kLanguageList);
        for (int position = 0; position < languages->Count(); ++position) {
            if (languages->Data(position).toUInt() == kGerman) {
                return position;
            }
        }
        return -1;
    }();
    ASSERT_NE(german, -1);
    gui::Pick(window.View().List(kLanguageList), german);
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().Document().GetVersion(), 7);
    EXPECT_EQ(window.View().Document().GetLanguage(), kGerman);

    // Also after the only holiday was deleted.
    gui::AddHoliday(window, dialogs, "Xmas");
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    gui::Type(window.View().Edit(kVersionEdit), "");
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().Document().GetVersion(), 0);
}

TEST_F(FormBindingTest, UnshowableValuesShowNoChoiceAndAreKeptWhileTheirControlsAreUntouched) {
    CRuleset ruleset;
    ruleset.ruleKind = 7;
    ruleset.fixedMonth = 13;
    ruleset.weekdayOrdinal = 9;
    ruleset.monthWeekday = -1;
    ruleset.relativeKind = 5;
    ruleset.offsetDirection = 2;
    ruleset.offsetReference = "Nowhere";
    CShiftRule shiftRule;
    shiftRule.conditionKind = 4;
    shiftRule.action = -1;
    shiftRule.shiftDirection = 4;
    shiftRule.shiftTarget = "Nowhere";
    CHoliday holiday = Holiday("Xmas", {WithShiftRule(ruleset, shiftRule)});
    holiday.referenceOnly = 2;
    Open({holiday});

    for (int radio : {kFixedDateRadio, kWeekdayOfMonthRadio, kRelativeDateRadio, kFixedDaysRadio, kRelativeWeekdayRadio,
                      kShiftToWeekdayRadio, kShiftToHolidayRadio, kDropRadio}) {
        EXPECT_FALSE(window.View().Button(radio)->isChecked()) << radio;
    }
    for (int list : {kFixedMonthList, kWeekdayOrdinalList, kMonthWeekdayList, kOffsetDirectionList,
                     kOffsetReferenceList, kConditionList, kShiftDirectionList, kShiftTargetList}) {
        EXPECT_EQ(window.View().List(list)->Selection(), -1) << list;
    }

    // Editing one field changes that field only.
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    StoreByChoosingRulesetAgain();
    holiday.rulesets[0].validFrom = 1950;
    EXPECT_EQ(gui::HolidayById(window, "Xmas"), holiday);

    // A control the user sets stores what it shows.
    gui::Click(window.View().Button(kFixedDateRadio));
    gui::RunIdle(window);
    gui::Pick(window.View().List(kFixedMonthList), 2);
    StoreByChoosingRulesetAgain();
    EXPECT_EQ(ShownRuleset().ruleKind, 0);
    EXPECT_EQ(ShownRuleset().fixedMonth, 3);
    EXPECT_EQ(ShownRuleset().weekdayOrdinal, 9);
}

}  // namespace
