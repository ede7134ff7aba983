// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEventLoop>
#include <QTimer>

#include <set>
#include <vector>

using namespace ids;

namespace {

const std::set<int> kAlwaysEnabled = {kLanguageList, kVersionEdit, kIdList,     kAddHoliday,
                                      kYearList,     kRefresh,     kPreviewEdit};

const std::set<int> kHolidayControls = {kRenameHoliday,      kDeleteHoliday, kDisplayEdit,
                                        kReferenceOnlyCheck, kRulesetList,   kAddRuleset};
const std::set<int> kRulesetControls = {kDeleteRuleset,     kValidFromEdit,  kValidToEdit,
                                        kIntervalEdit,      kFixedDateRadio, kWeekdayOfMonthRadio,
                                        kRelativeDateRadio, kShiftRuleList,  kAddShiftRule};
const std::set<int> kFixedDateControls = {kFixedDayEdit, kFixedMonthList};
const std::set<int> kWeekdayOfMonthControls = {kWeekdayOrdinalList, kMonthWeekdayList, kWeekdayMonthList};
const std::set<int> kRelativeControls = {kFixedDaysRadio, kRelativeWeekdayRadio};
const std::set<int> kFixedDaysControls = {kOffsetDaysEdit, kOffsetDirectionList, kOffsetReferenceList};
const std::set<int> kRelativeWeekdayControls = {kWeekdayCountEdit, kRelativeWeekdayList, kWeekdayDirectionList,
                                                kWeekdayReferenceList};
const std::set<int> kShiftRuleControls = {kDeleteShiftRule, kConditionList, kShiftToWeekdayRadio, kShiftToHolidayRadio,
                                          kDropRadio};
const std::set<int> kShiftToWeekdayControls = {kShiftCountEdit, kShiftWeekdayList, kShiftDirectionList};
const std::set<int> kShiftToHolidayControls = {kShiftTargetList};

std::set<int> Union(std::initializer_list<std::set<int>> sets) {
    std::set<int> result;
    for (const auto& set : sets) {
        result.insert(set.begin(), set.end());
    }
    return result;
}

const std::set<int> kEveryControl =
    Union({kAlwaysEnabled, kHolidayControls, kRulesetControls, kFixedDateControls, kWeekdayOfMonthControls,
           kRelativeControls, kFixedDaysControls, kRelativeWeekdayControls, kShiftRuleControls, kShiftToWeekdayControls,
           kShiftToHolidayControls});

class ControlStatesTest : public EditorWindowTest {
protected:
    // A holiday with one ruleset holding one shift rule, all shown.
    void ShowHolidayWithShiftRule() {
        gui::AddHoliday(window, dialogs, "Xmas");
        gui::Click(window.View().Button(kAddRuleset));
        gui::RunIdle(window);  // the shift rule's Add button is enabled at the next idle turn
        gui::Click(window.View().Button(kAddShiftRule));
        gui::RunIdle(window);
        ASSERT_NE(window.View().List(kRulesetList)->Selection(), -1);
        ASSERT_NE(window.View().List(kShiftRuleList)->Selection(), -1);
    }

    void Check(int radio, bool checked) { window.View().Button(radio)->setChecked(checked); }

    void ExpectEnabledExactly(const std::set<int>& enabled, const std::string& context) {
        for (int id : kEveryControl) {
            EXPECT_EQ(window.View().Control(id)->isEnabled(), enabled.count(id) == 1) << context << ", control " << id;
        }
    }
};

}  // namespace

TEST_F(ControlStatesTest, WithAHolidayButNoRulesetOnlyTheHolidayGroupIsEnabled) {
    gui::AddHoliday(window, dialogs, "Xmas");
    ASSERT_EQ(window.View().List(kRulesetList)->Count(), 0);
    ExpectEnabledExactly(Union({kAlwaysEnabled, kHolidayControls}), "no ruleset");
}

TEST_F(ControlStatesTest, EnablingFollowsEveryCombinationOfTheCheckedRadioButtons) {
    ASSERT_NO_FATAL_FAILURE(ShowHolidayWithShiftRule());
    // What each checked radio button enables besides the groups' own controls.
    const std::vector<std::pair<int, std::set<int>>> ruleKinds = {
        {kFixedDateRadio, kFixedDateControls},
        {kWeekdayOfMonthRadio, kWeekdayOfMonthControls},
        {kRelativeDateRadio, kRelativeControls},
    };
    const std::vector<std::pair<int, std::set<int>>> relativeKinds = {
        {kFixedDaysRadio, kFixedDaysControls},
        {kRelativeWeekdayRadio, kRelativeWeekdayControls},
    };
    const std::vector<std::pair<int, std::set<int>>> actions = {
        {kShiftToWeekdayRadio, kShiftToWeekdayControls},
        {kShiftToHolidayRadio, kShiftToHolidayControls},
        {kDropRadio, {}},
    };
    const std::set<int> base = Union({kAlwaysEnabled, kHolidayControls, kRulesetControls, kShiftRuleControls});
    for (const auto& [ruleKind, ruleKindControls] : ruleKinds) {
        for (const auto& [relativeKind, relativeKindControls] : relativeKinds) {
            for (const auto& [action, actionControls] : actions) {
                Check(ruleKind, true);
                Check(relativeKind, true);
                Check(action, true);
                gui::RunIdle(window);
                // The relative kind's fields count only under "Relative date".
                const std::set<int> relative = ruleKind == kRelativeDateRadio ? relativeKindControls : std::set<int>();
                ExpectEnabledExactly(Union({base, ruleKindControls, relative, actionControls}),
                                     "radios " + std::to_string(ruleKind) + "/" + std::to_string(relativeKind) + "/" +
                                         std::to_string(action));
            }
        }
    }
}

TEST_F(ControlStatesTest, RelativeDateAloneEnablesOnlyItsTwoRadioButtons) {
    ASSERT_NO_FATAL_FAILURE(ShowHolidayWithShiftRule());
    // A freshly built radio group may have none checked; uncheck through the group's exclusivity switch.
    for (int id : {kFixedDaysRadio, kRelativeWeekdayRadio}) {
        QAbstractButton* button = window.View().Button(id);
        QButtonGroup* group = button->group();
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    }
    Check(kRelativeDateRadio, true);
    gui::RunIdle(window);
    for (int id : kRelativeControls) {
        EXPECT_TRUE(window.View().Control(id)->isEnabled()) << id;
    }
    for (int id : Union({kFixedDaysControls, kRelativeWeekdayControls})) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
}

TEST_F(ControlStatesTest, DisabledRadioButtonsKeepTheirStateAndTheirFieldsFollowItLater) {
    ASSERT_NO_FATAL_FAILURE(ShowHolidayWithShiftRule());
    Check(kRelativeDateRadio, true);
    Check(kRelativeWeekdayRadio, true);
    Check(kFixedDateRadio, true);
    gui::RunIdle(window);
    EXPECT_FALSE(window.View().Control(kRelativeWeekdayRadio)->isEnabled());
    EXPECT_TRUE(window.View().Button(kRelativeWeekdayRadio)->isChecked());
    Check(kRelativeDateRadio, true);
    gui::RunIdle(window);
    for (int id : kRelativeWeekdayControls) {
        EXPECT_TRUE(window.View().Control(id)->isEnabled()) << id;
    }
}

TEST_F(ControlStatesTest, WithoutAShiftRuleTheShiftRuleFieldsAreDisabled) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Click(window.View().Button(kAddRuleset));
    gui::RunIdle(window);
    Check(kShiftToWeekdayRadio, true);
    gui::RunIdle(window);
    ASSERT_EQ(window.View().List(kShiftRuleList)->Selection(), -1);
    EXPECT_TRUE(window.View().Control(kShiftRuleList)->isEnabled());
    EXPECT_TRUE(window.View().Control(kAddShiftRule)->isEnabled());
    for (int id : Union({kShiftRuleControls, kShiftToWeekdayControls, kShiftToHolidayControls})) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
}

TEST_F(ControlStatesTest, IsRecomputedWhenTheEventLoopRunsOutOfEvents) {
    gui::AddHoliday(window, dialogs, "Xmas");
    ASSERT_TRUE(window.View().Control(kDisplayEdit)->isEnabled());
    // Disable by hand; only the idle update can enable it again.
    window.View().Control(kDisplayEdit)->setEnabled(false);
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(window.View().Control(kDisplayEdit)->isEnabled());
}
