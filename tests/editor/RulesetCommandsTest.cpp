// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace ids;

namespace {

class RulesetCommandsTest : public EditorWindowTest {
protected:
    // "Xmas" with rulesets valid from 1901, 1902, ... and as many shift rules
    // as given per ruleset.
    void OpenXmas(const std::vector<int>& shiftRuleCounts) {
        CHoliday xmas = gui::EmptyHoliday("Xmas");
        for (std::size_t i = 0; i < shiftRuleCounts.size(); ++i) {
            CRuleset ruleset;
            ruleset.validFrom = 1901 + static_cast<int>(i);
            ruleset.shiftRules.resize(static_cast<std::size_t>(shiftRuleCounts[i]));
            xmas.rulesets.push_back(ruleset);
        }
        gui::OpenHolidays(window, dialogs, {xmas});
    }

    CHoliday Xmas() const { return gui::HolidayById(window, "Xmas"); }

    std::vector<int> ValidFromYears() const {
        std::vector<int> years;
        for (const CRuleset& ruleset : Xmas().rulesets) {
            years.push_back(ruleset.validFrom);
        }
        return years;
    }

    void DeleteShownRuleset(bool confirm = true) {
        dialogs.okCancelAnswers.push_back(confirm);
        gui::Click(window.View().Button(kDeleteRuleset));
        gui::RunIdle(window);
    }
};

TEST_F(RulesetCommandsTest, FirstRulesetShowsTheDefaultsAndEnablesTheRules) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Click(window.View().Button(kAddRuleset));
    gui::RunIdle(window);

    EXPECT_EQ(gui::Items(window.View().List(kRulesetList)), QStringList{"1"});
    EXPECT_EQ(window.View().List(kRulesetList)->Selection(), 0);
    EXPECT_EQ(window.View().Selection().Ruleset(), 0);
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1900");
    EXPECT_EQ(window.View().Edit(kValidToEdit)->text(), "2100");
    EXPECT_EQ(window.View().Edit(kIntervalEdit)->text(), "1");
    EXPECT_TRUE(window.View().Button(kFixedDateRadio)->isChecked());
    EXPECT_EQ(window.View().Edit(kFixedDayEdit)->text(), "15");  // the test clock: 15 May 2024
    EXPECT_EQ(window.View().List(kFixedMonthList)->Selection(), 4);
    EXPECT_EQ(window.View().List(kShiftRuleList)->Count(), 0);
    for (int id : {kDeleteRuleset, kValidFromEdit, kFixedDateRadio, kFixedDayEdit, kFixedMonthList, kAddShiftRule}) {
        EXPECT_TRUE(window.View().Control(id)->isEnabled()) << id;
    }
    ASSERT_EQ(Xmas().rulesets.size(), 1u);
    EXPECT_EQ(Xmas().rulesets[0], NewRulesetOn(CDateTime::Now()));
}

TEST_F(RulesetCommandsTest, AddingKeepsTheUnstoredEditsOfTheShownRuleset) {
    OpenXmas({0});
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    gui::Click(window.View().Button(kAddRuleset));
    EXPECT_EQ(ValidFromYears(), (std::vector<int>{1950, 1900}));
    EXPECT_EQ(window.View().Selection().Ruleset(), 1);
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1900");
}

TEST_F(RulesetCommandsTest, DeleteAsksByTheNumberInTheListAndRenumbersTheRest) {
    OpenXmas({0, 0, 0});
    gui::Pick(window.View().List(kRulesetList), 1);
    DeleteShownRuleset();
    EXPECT_EQ(dialogs.questions, QStringList{"Do you really want to remove ruleset 2 ?"});
    EXPECT_EQ(ValidFromYears(), (std::vector<int>{1901, 1903}));
    EXPECT_EQ(gui::Items(window.View().List(kRulesetList)), (QStringList{"1", "2"}));
    EXPECT_EQ(window.View().List(kRulesetList)->Selection(), 0);
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1901");
}

TEST_F(RulesetCommandsTest, DeletedRulesetOrShiftRuleKeepsItsEditsFromTheOneTakingItsIndex) {
    struct Case {
        int deleteButton;
        int edit;
        int (*field)(const CHoliday& holiday, std::size_t index);  // of the ruleset or shift rule at the index
    };
    const Case cases[] = {
        {kDeleteRuleset, kValidFromEdit, [](const CHoliday& h, std::size_t i) { return h.rulesets.at(i).validFrom; }},
        {kDeleteShiftRule, kShiftCountEdit,
         [](const CHoliday& h, std::size_t i) { return h.rulesets.at(0).shiftRules.at(i).shiftCount; }},
    };
    for (const Case& c : cases) {
        OpenXmas({2, 0});
        const int next = c.field(Xmas(), 1);
        gui::Type(window.View().Edit(c.edit), "9");
        dialogs.okCancelAnswers.push_back(true);
        gui::Click(window.View().Button(c.deleteButton));
        EXPECT_EQ(c.field(Xmas(), 0), next) << c.deleteButton;
        EXPECT_EQ(window.View().Edit(c.edit)->text(), QString::number(next)) << c.deleteButton;
    }
}

TEST_F(RulesetCommandsTest, DeleteCancelledChangesNothing) {
    OpenXmas({0, 0});
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    DeleteShownRuleset(false);
    EXPECT_EQ(ValidFromYears(), (std::vector<int>{1901, 1902}));
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1950");
    EXPECT_EQ(window.View().Selection().Ruleset(), 0);
}

TEST_F(RulesetCommandsTest, DeletingTheOnlyRulesetLeavesItsValuesVisibleButNeverStoresThem) {
    OpenXmas({1});
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    DeleteShownRuleset();

    EXPECT_TRUE(Xmas().rulesets.empty());
    EXPECT_EQ(window.View().List(kRulesetList)->Count(), 0);
    EXPECT_EQ(window.View().Selection().Ruleset(), -1);
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1950");
    for (int id : {kDeleteRuleset, kValidFromEdit, kFixedDateRadio, kShiftRuleList, kAddShiftRule, kConditionList}) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
    gui::Pick(window.View().List(kIdList), "Xmas");
    EXPECT_TRUE(Xmas().rulesets.empty());

    // The next ruleset starts from its defaults, not from what was left shown.
    gui::Click(window.View().Button(kAddRuleset));
    EXPECT_EQ(ValidFromYears(), std::vector<int>{1900});
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1900");
}

TEST_F(RulesetCommandsTest, ChoosingTheShownRulesetAgainStoresItAndStartsAtTheFirstShiftRule) {
    OpenXmas({2});
    gui::Pick(window.View().List(kShiftRuleList), 1);
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    gui::Pick(window.View().List(kRulesetList), 0);
    EXPECT_EQ(ValidFromYears(), std::vector<int>{1950});
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1950");
    EXPECT_EQ(window.View().List(kShiftRuleList)->Selection(), 0);
    EXPECT_EQ(window.View().Selection().ShiftRule(), 0);
}

TEST_F(RulesetCommandsTest, ChoosingAnotherRulesetStoresTheShownOneFirst) {
    OpenXmas({0, 1});
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    gui::Pick(window.View().List(kRulesetList), 1);
    EXPECT_EQ(ValidFromYears(), (std::vector<int>{1950, 1902}));
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1902");
    EXPECT_EQ(gui::Items(window.View().List(kShiftRuleList)), QStringList{"1"});
    EXPECT_EQ(window.View().Selection().ShiftRule(), 0);
}

}  // namespace
