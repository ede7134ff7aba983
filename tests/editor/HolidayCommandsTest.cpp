// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCodePageTextBinding.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace ids;

namespace {

CHoliday Holiday(const std::string& id, const std::string& display = {}) {
    CHoliday holiday;
    holiday.id = id;
    holiday.display = display;
    holiday.rulesets.emplace_back();
    return holiday;
}

std::vector<std::string> DocumentIds(const CEditorWindow& window) {
    std::vector<std::string> result;
    for (const CHoliday& holiday : window.View().Document().Holidays()) {
        result.push_back(holiday.id);
    }
    return result;
}

using HolidayCommandsTest = EditorWindowTest;

// Add

TEST_F(HolidayCommandsTest, AddWithAnEmptyIdOrCancelledDoesNothingAndSaysNothing) {
    for (const std::optional<std::string>& answer : {std::optional<std::string>(""), std::optional<std::string>()}) {
        dialogs.newIds.push_back(answer);
        gui::Click(window.View().Button(kAddHoliday));
    }
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(window.View().List(kIdList)->Count(), 0);
}

TEST_F(HolidayCommandsTest, RefusedIdsAreReportedByTheFirstFailingCheckAndChangeNothing) {
    // "a,b" comes from a file: the existence check runs before the comma check.
    gui::OpenHolidays(window, dialogs, {Holiday("Xmas", "Christmas"), Holiday("a,b")});
    gui::Pick(window.View().List(kIdList), "Xmas");
    gui::Type(window.View().Edit(kDisplayEdit), "edited");
    struct Case {
        const char* id;
        const char* message;
    };
    const Case cases[] = {
        {"Xmas", "ID Xmas already exist!"},           {"a,b", "ID a,b already exist!"},
        {"EASTER_REF", "ID EASTER_REF is reserved!"}, {"ORTHODOX_EASTER_REF", "ID ORTHODOX_EASTER_REF is reserved!"},
        {"ADVENT_REF", "ID ADVENT_REF is reserved!"}, {",Easter", "ID must not contain commas!"},
        {"Eas,ter", "ID must not contain commas!"},   {"Easter,", "ID must not contain commas!"},
    };
    for (const Case& c : cases) {
        dialogs.errors.clear();
        gui::AddHoliday(window, dialogs, c.id);
        EXPECT_EQ(dialogs.errors, QStringList{c.message}) << c.id;
    }
    EXPECT_EQ(DocumentIds(window), (std::vector<std::string>{"Xmas", "a,b"}));
    EXPECT_EQ(gui::Items(window.View().List(kIdList)), (QStringList{"a,b", "Xmas"}));
    EXPECT_EQ(window.View().Selection().HolidayId(), "Xmas");
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), "edited");
    EXPECT_EQ(gui::HolidayById(window, "Xmas").display, "Christmas");  // the form was not stored either
}

TEST_F(HolidayCommandsTest, AcceptedIdsAreAppendedAndShownAtTheirSortedPlace) {
    const std::string longest(64, 'x');
    for (const std::string id : {"Xmas", "easter_ref", " Xmas", "Xmas ", longest.c_str()}) {
        gui::AddHoliday(window, dialogs, id);
        EXPECT_EQ(window.View().Selection().HolidayId(), id);
        EXPECT_EQ(window.View().List(kIdList)->SelectedId(), id);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(DocumentIds(window), (std::vector<std::string>{"Xmas", "easter_ref", " Xmas", "Xmas ", longest}));
    EXPECT_EQ(gui::Items(window.View().List(kIdList)),
              (QStringList{" Xmas", "easter_ref", "Xmas", "Xmas ", QString::fromStdString(longest)}));
}

TEST_F(HolidayCommandsTest, AddStoresTheFormIntoTheHolidayShownBeforeAndShowsTheNewOneEmpty) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Click(window.View().Button(kAddRuleset));
    gui::Type(window.View().Edit(kDisplayEdit), "Christmas");
    gui::Click(window.View().Button(kReferenceOnlyCheck));
    gui::AddHoliday(window, dialogs, "Boxing");

    const CHoliday xmas = gui::HolidayById(window, "Xmas");
    EXPECT_EQ(xmas.display, "Christmas");
    EXPECT_EQ(xmas.referenceOnly, 1);
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), "");
    EXPECT_FALSE(window.View().Button(kReferenceOnlyCheck)->isChecked());
    EXPECT_EQ(window.View().List(kRulesetList)->Count(), 0);
    EXPECT_EQ(window.View().Selection().Ruleset(), -1);
    EXPECT_EQ(gui::HolidayById(window, "Boxing"), gui::EmptyHoliday("Boxing"));
}

// Rename

TEST_F(HolidayCommandsTest, RenameToItsOwnIdSaysItAlreadyExists) {
    gui::AddHoliday(window, dialogs, "Xmas");
    dialogs.renamedIds.push_back("Xmas");
    gui::Click(window.View().Button(kRenameHoliday));
    EXPECT_EQ(dialogs.renameOffers, std::deque<std::string>{"Xmas"});
    EXPECT_EQ(dialogs.errors, QStringList{"ID Xmas already exist!"});
    EXPECT_EQ(DocumentIds(window), std::vector<std::string>{"Xmas"});
}

TEST_F(HolidayCommandsTest, RenameCancelledOrEmptyChangesNothing) {
    gui::AddHoliday(window, dialogs, "Xmas");
    for (const std::optional<std::string>& answer : {std::optional<std::string>(""), std::optional<std::string>()}) {
        dialogs.renamedIds.push_back(answer);
        gui::Click(window.View().Button(kRenameHoliday));
    }
    EXPECT_EQ(DocumentIds(window), std::vector<std::string>{"Xmas"});
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(HolidayCommandsTest, RenamedHolidayKeepsItsPlaceWhileTheListShowsItsNewPlace) {
    gui::OpenHolidays(window, dialogs, {Holiday("A", "first"), Holiday("B"), Holiday("C")});
    gui::Pick(window.View().List(kIdList), "A");
    dialogs.renamedIds.push_back("Z");
    gui::Click(window.View().Button(kRenameHoliday));

    EXPECT_EQ(DocumentIds(window), (std::vector<std::string>{"Z", "B", "C"}));
    EXPECT_EQ(gui::Items(window.View().List(kIdList)), (QStringList{"B", "C", "Z"}));
    EXPECT_EQ(window.View().List(kIdList)->SelectedId(), "Z");
    EXPECT_EQ(window.View().Selection().HolidayId(), "Z");
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), "first");
    for (int list : {kOffsetReferenceList, kWeekdayReferenceList, kConditionList, kShiftTargetList}) {
        EXPECT_EQ(window.View().List(list)->FindId("A"), -1) << list;
        EXPECT_NE(window.View().List(list)->FindId("Z"), -1) << list;
    }
}

TEST_F(HolidayCommandsTest, RenameKeepsTheEditsMadeSinceTheLastStore) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Click(window.View().Button(kAddRuleset));
    gui::RunIdle(window);
    gui::Type(window.View().Edit(kDisplayEdit), "Christmas");
    gui::Type(window.View().Edit(kValidFromEdit), "1950");
    dialogs.renamedIds.push_back("Christmas");
    gui::Click(window.View().Button(kRenameHoliday));

    const CHoliday renamed = gui::HolidayById(window, "Christmas");
    EXPECT_EQ(renamed.display, "Christmas");
    ASSERT_EQ(renamed.rulesets.size(), 1u);
    EXPECT_EQ(renamed.rulesets[0].validFrom, 1950);
    EXPECT_EQ(window.View().Edit(kValidFromEdit)->text(), "1950");
}

TEST_F(HolidayCommandsTest, RenameOfAnIdDifferingOnlyInCaseTouchesOnlyThatId) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::AddHoliday(window, dialogs, "XMAS");
    dialogs.renamedIds.push_back("Yule");
    gui::Click(window.View().Button(kRenameHoliday));  // XMAS is shown
    EXPECT_EQ(DocumentIds(window), (std::vector<std::string>{"Xmas", "Yule"}));
    EXPECT_EQ(gui::Items(window.View().List(kIdList)), (QStringList{"Xmas", "Yule"}));
}

// Delete

TEST_F(HolidayCommandsTest, DeleteAsksNamingTheIdAndCancelKeepsEverything) {
    gui::AddHoliday(window, dialogs, "Xmas");
    dialogs.okCancelAnswers.push_back(false);
    gui::Click(window.View().Button(kDeleteHoliday));
    EXPECT_EQ(dialogs.questions, QStringList{"Do you really want to remove Xmas ?"});
    EXPECT_EQ(DocumentIds(window), std::vector<std::string>{"Xmas"});
    EXPECT_EQ(window.View().List(kIdList)->SelectedId(), "Xmas");
}

TEST_F(HolidayCommandsTest, DeleteSelectsTheItemAtTheSamePlaceOrTheNewLast) {
    gui::OpenHolidays(window, dialogs, {Holiday("A"), Holiday("B"), Holiday("C")});
    struct Step {
        const char* deleted;
        const char* selectedAfter;
    };
    for (const Step step : {Step{"B", "C"}, Step{"C", "A"}}) {
        gui::Pick(window.View().List(kIdList), step.deleted);
        dialogs.okCancelAnswers.push_back(true);
        gui::Click(window.View().Button(kDeleteHoliday));
        EXPECT_EQ(window.View().List(kIdList)->SelectedId(), step.selectedAfter) << step.deleted;
        EXPECT_EQ(window.View().Selection().HolidayId(), step.selectedAfter) << step.deleted;
        EXPECT_EQ(window.View().Document().FindHoliday(step.deleted), -1) << step.deleted;
        EXPECT_EQ(window.View().List(kOffsetReferenceList)->FindId(step.deleted), -1) << step.deleted;
    }
}

TEST_F(HolidayCommandsTest, DeletingTheOnlyHolidayLeavesNoSelectionAndDisablesTheHolidayGroup) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Type(window.View().Edit(kDisplayEdit), "Christmas");
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    gui::RunIdle(window);

    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    EXPECT_EQ(window.View().List(kIdList)->Selection(), -1);
    EXPECT_EQ(window.View().Selection().HolidayId(), "");
    for (int id : {kRenameHoliday, kDeleteHoliday, kDisplayEdit, kReferenceOnlyCheck, kRulesetList, kAddRuleset}) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(window.View().Control(kIdList)->isEnabled());
    EXPECT_TRUE(window.View().Control(kAddHoliday)->isEnabled());
}

// Selection

TEST_F(HolidayCommandsTest, ChoosingTheShownHolidayAgainStoresItAndStartsAgainAtTheFirstRuleset) {
    gui::AddHoliday(window, dialogs, "Xmas");
    gui::Click(window.View().Button(kAddRuleset));
    gui::Click(window.View().Button(kAddRuleset));
    ASSERT_EQ(window.View().List(kRulesetList)->Selection(), 1);
    gui::RunIdle(window);
    gui::Type(window.View().Edit(kDisplayEdit), "Christmas");
    gui::Type(window.View().Edit(kValidToEdit), "2000");

    gui::Pick(window.View().List(kIdList), "Xmas");
    const CHoliday xmas = gui::HolidayById(window, "Xmas");
    EXPECT_EQ(xmas.display, "Christmas");
    EXPECT_EQ(xmas.rulesets.at(1).validTo, 2000);
    EXPECT_EQ(xmas.rulesets.at(0).validTo, 2100);
    EXPECT_EQ(window.View().List(kRulesetList)->Selection(), 0);
    EXPECT_EQ(window.View().Selection().Ruleset(), 0);
    EXPECT_EQ(window.View().Edit(kValidToEdit)->text(), "2100");
}

TEST_F(HolidayCommandsTest, ChoosingAnotherHolidayShowsItsOwnFields) {
    CHoliday reference = Holiday("Ref", "Reference");
    reference.referenceOnly = 1;
    reference.rulesets.emplace_back();
    gui::OpenHolidays(window, dialogs, {Holiday("A", "Plain"), reference});
    gui::Pick(window.View().List(kIdList), "Ref");
    EXPECT_EQ(window.View().DisplayText().Bytes(), "Reference");
    EXPECT_TRUE(window.View().Button(kReferenceOnlyCheck)->isChecked());
    EXPECT_EQ(gui::Items(window.View().List(kRulesetList)), (QStringList{"1", "2"}));
    EXPECT_EQ(window.View().List(kRulesetList)->Selection(), 0);
    gui::Pick(window.View().List(kIdList), "A");
    EXPECT_FALSE(window.View().Button(kReferenceOnlyCheck)->isChecked());
    EXPECT_EQ(gui::Items(window.View().List(kRulesetList)), QStringList{"1"});
}

}  // namespace
