// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace ids;

namespace {

class ShiftRuleCommandsTest : public EditorWindowTest {
protected:
    // "Xmas" with one ruleset whose shift rules shift by 1, 2, ... weekdays.
    void OpenXmas(int shiftRuleCount) {
        CRuleset ruleset;
        for (int i = 0; i < shiftRuleCount; ++i) {
            CShiftRule shiftRule;
            shiftRule.shiftCount = i + 1;
            ruleset.shiftRules.push_back(shiftRule);
        }
        gui::OpenHolidays(window, dialogs, {CHoliday{"Xmas", "", 0, {ruleset}}});
    }

    std::vector<CShiftRule> ShiftRules() const { return gui::HolidayById(window, "Xmas").rulesets.at(0).shiftRules; }

    std::vector<int> ShiftCounts() const {
        std::vector<int> counts;
        for (const CShiftRule& shiftRule : ShiftRules()) {
            counts.push_back(shiftRule.shiftCount);
        }
        return counts;
    }

    void DeleteShownShiftRule(bool confirm = true) {
        dialogs.okCancelAnswers.push_back(confirm);
        gui::Click(window.View().Button(kDeleteShiftRule));
        gui::RunIdle(window);
    }
};

TEST_F(ShiftRuleCommandsTest, FirstShiftRuleShowsTheDefaultsAndEnablesItsControls) {
    OpenXmas(0);
    gui::Click(window.View().Button(kAddShiftRule));
    gui::RunIdle(window);

    EXPECT_EQ(gui::Items(window.View().List(kShiftRuleList)), QStringList{"1"});
    EXPECT_EQ(window.View().Selection().ShiftRule(), 0);
    EXPECT_EQ(window.View().List(kConditionList)->Selection(), 6);  // Sunday
    EXPECT_TRUE(window.View().Button(kShiftToWeekdayRadio)->isChecked());
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "1");
    EXPECT_EQ(window.View().List(kShiftWeekdayList)->Selection(), 0);  // Monday
    EXPECT_EQ(window.View().List(kShiftDirectionList)->SelectedText(), "after");
    EXPECT_EQ(window.View().List(kShiftTargetList)->SelectedId(), "EASTER_REF");
    for (int id : {kDeleteShiftRule, kConditionList, kShiftToWeekdayRadio, kShiftToHolidayRadio, kDropRadio,
                   kShiftCountEdit, kShiftWeekdayList, kShiftDirectionList}) {
        EXPECT_TRUE(window.View().Control(id)->isEnabled()) << id;
    }
    EXPECT_EQ(ShiftRules(), std::vector<CShiftRule>{CShiftRule()});
}

TEST_F(ShiftRuleCommandsTest, AddingKeepsTheUnstoredEditsOfTheShownShiftRule) {
    OpenXmas(1);
    gui::Type(window.View().Edit(kShiftCountEdit), "4");
    gui::Click(window.View().Button(kAddShiftRule));
    EXPECT_EQ(ShiftCounts(), (std::vector<int>{4, 1}));
    EXPECT_EQ(gui::Items(window.View().List(kShiftRuleList)), (QStringList{"1", "2"}));
    EXPECT_EQ(window.View().Selection().ShiftRule(), 1);
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "1");
}

TEST_F(ShiftRuleCommandsTest, DeletingTheFirstOfTwoRenumbersTheSecondAndShowsIt) {
    OpenXmas(2);
    DeleteShownShiftRule();
    EXPECT_EQ(dialogs.questions, QStringList{"Do you really want to remove shiftrule 1 ?"});
    EXPECT_EQ(ShiftCounts(), std::vector<int>{2});
    EXPECT_EQ(gui::Items(window.View().List(kShiftRuleList)), QStringList{"1"});
    EXPECT_EQ(window.View().Selection().ShiftRule(), 0);
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "2");
}

TEST_F(ShiftRuleCommandsTest, DeleteAsksByTheNumberOfTheChosenShiftRuleAndCancelChangesNothing) {
    OpenXmas(3);
    gui::Pick(window.View().List(kShiftRuleList), 2);
    DeleteShownShiftRule(false);
    EXPECT_EQ(dialogs.questions, QStringList{"Do you really want to remove shiftrule 3 ?"});
    EXPECT_EQ(ShiftCounts(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(window.View().Selection().ShiftRule(), 2);
}

TEST_F(ShiftRuleCommandsTest, DeletingTheOnlyShiftRuleLeavesItsValuesVisibleButNeverStoresThem) {
    OpenXmas(1);
    gui::Type(window.View().Edit(kShiftCountEdit), "4");
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    DeleteShownShiftRule();

    EXPECT_TRUE(ShiftRules().empty());
    EXPECT_EQ(window.View().List(kShiftRuleList)->Count(), 0);
    EXPECT_EQ(window.View().Selection().ShiftRule(), -1);
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "4");
    for (int id : {kDeleteShiftRule, kConditionList, kShiftToWeekdayRadio, kShiftCountEdit}) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
    // The next store writes the ruleset's own fields only.
    gui::Pick(window.View().List(kRulesetList), 0);
    EXPECT_TRUE(ShiftRules().empty());
    EXPECT_EQ(gui::HolidayById(window, "Xmas").rulesets.at(0).validFrom, 1950);
}

TEST_F(ShiftRuleCommandsTest, ChoosingTheShownShiftRuleAgainStoresItsEdits) {
    OpenXmas(2);
    gui::Pick(window.View().List(kShiftRuleList), 1);
    gui::Type(window.View().Edit(kShiftCountEdit), "4");
    gui::Click(window.View().Button(kDropRadio));
    gui::Pick(window.View().List(kShiftRuleList), 1);
    EXPECT_EQ(ShiftCounts(), (std::vector<int>{1, 4}));
    EXPECT_EQ(ShiftRules().at(1).action, 2);
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "4");
    EXPECT_TRUE(window.View().Button(kDropRadio)->isChecked());
}

TEST_F(ShiftRuleCommandsTest, ChoosingAnotherShiftRuleStoresTheShownOneFirst) {
    OpenXmas(2);
    gui::Type(window.View().Edit(kShiftCountEdit), "4");
    gui::Pick(window.View().List(kShiftRuleList), 1);
    EXPECT_EQ(ShiftCounts(), (std::vector<int>{4, 2}));
    EXPECT_EQ(window.View().Edit(kShiftCountEdit)->text(), "2");
}

}  // namespace
