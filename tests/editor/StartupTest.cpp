// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/WindowsLocale.h"
#include "editor/CCodePageTextBinding.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

using namespace ids;

namespace {

const QStringList kWeekdays = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const QStringList kMonths = {"January", "February", "March",     "April",   "May",      "June",
                             "July",    "August",   "September", "October", "November", "December"};

}  // namespace

TEST_F(EditorWindowTest, StartsUntitledWithAnEmptyDocument) {
    EXPECT_EQ(window.windowTitle(), "Tavrin");
    EXPECT_TRUE(window.View().FilePath().isEmpty());
    EXPECT_TRUE(window.View().Selection().HolidayId().empty());
    EXPECT_EQ(window.View().Selection().Ruleset(), -1);
    EXPECT_EQ(window.View().Selection().ShiftRule(), -1);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    EXPECT_EQ(window.View().Edit(kVersionEdit)->text(), "100");
    EXPECT_EQ(window.View().List(kIdList)->Count(), 0);
    EXPECT_EQ(window.View().List(kIdList)->Selection(), -1);
    EXPECT_TRUE(window.View().Edit(kDisplayEdit)->text().isEmpty());
    EXPECT_TRUE(window.View().PreviewReport().empty());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(EditorWindowTest, FillsMonthAndWeekdayListsStandingOnTheFirstEntry) {
    for (int id : {kFixedMonthList, kWeekdayMonthList}) {
        EXPECT_EQ(gui::Items(window.View().List(id)), kMonths) << id;
        EXPECT_EQ(window.View().List(id)->Selection(), 0) << id;
    }
    for (int id : {kMonthWeekdayList, kRelativeWeekdayList, kShiftWeekdayList}) {
        EXPECT_EQ(gui::Items(window.View().List(id)), kWeekdays) << id;
        EXPECT_EQ(window.View().List(id)->Selection(), 0) << id;
    }
}

TEST_F(EditorWindowTest, FillsTheFixedItemListsFromTheResource) {
    EXPECT_EQ(gui::Items(window.View().List(kWeekdayOrdinalList)),
              QStringList({"First", "Second", "Third", "Fourth", "Fifth", "Last"}));
    EXPECT_EQ(gui::Items(window.View().List(kOffsetDirectionList)), QStringList({"before", "after"}));
    for (int id : {kWeekdayDirectionList, kShiftDirectionList}) {
        EXPECT_EQ(gui::Items(window.View().List(id)), QStringList({"before", "before/on", "on/after", "after"})) << id;
    }
}

TEST_F(EditorWindowTest, ReferenceListsHoldTheReferencesAndStandOnTheFirst) {
    const QStringList sortedReferences = {"ADVENT_REF", "EASTER_REF", "ORTHODOX_EASTER_REF"};
    for (int id : {kOffsetReferenceList, kWeekdayReferenceList, kShiftTargetList}) {
        EXPECT_EQ(gui::Items(window.View().List(id)), sortedReferences) << id;
        EXPECT_EQ(window.View().List(id)->Selection(), 0) << id;
    }
    EXPECT_EQ(gui::Items(window.View().List(kConditionList)),
              kWeekdays + QStringList({"EASTER_REF", "ORTHODOX_EASTER_REF", "ADVENT_REF"}));
    EXPECT_EQ(window.View().List(kConditionList)->SelectedText(), "Monday");
}

TEST_F(EditorWindowTest, YearListHoldsEveryYearFrom1900To2100AndShowsToday) {
    const CComboList* years = window.View().List(kYearList);
    ASSERT_EQ(years->Count(), 201);
    EXPECT_EQ(years->Text(0), "1900");
    EXPECT_EQ(years->Text(200), "2100");
    for (int position = 0; position < years->Count(); ++position) {
        ASSERT_EQ(years->Text(position), QString::number(1900 + position));
    }
    EXPECT_EQ(years->SelectedText(), "2024");  // the test clock's year
}

TEST_F(EditorWindowTest, LanguageListShowsTheUserDefaultLanguage) {
    const CComboList* languages = window.View().List(kLanguageList);
    ASSERT_NE(languages->Selection(), -1);
    EXPECT_EQ(languages->Data(languages->Selection()).toUInt(), GetUserDefaultLCID());
    EXPECT_EQ(window.View().Document().GetLanguage(), GetUserDefaultLCID());
}

TEST_F(EditorWindowTest, OnlyTheAlwaysEnabledControlsAreEnabledAfterStart) {
    gui::RunIdle(window);
    const std::vector<int> alwaysEnabled = {kLanguageList, kVersionEdit, kIdList,     kAddHoliday,
                                            kYearList,     kRefresh,     kPreviewEdit};
    for (int id : alwaysEnabled) {
        EXPECT_TRUE(window.View().Control(id)->isEnabled()) << id;
    }
    for (int id :
         {kRenameHoliday, kDeleteHoliday, kDisplayEdit, kReferenceOnlyCheck, kRulesetList, kAddRuleset, kDeleteRuleset,
          kValidFromEdit, kFixedDateRadio, kFixedDayEdit, kWeekdayOrdinalList, kFixedDaysRadio, kOffsetReferenceList,
          kShiftRuleList, kAddShiftRule, kDeleteShiftRule, kConditionList, kShiftToWeekdayRadio, kShiftTargetList}) {
        EXPECT_FALSE(window.View().Control(id)->isEnabled()) << id;
    }
}

TEST_F(EditorWindowTest, IsFixedInSizeWithEveryControlInside) {
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const QRect client = window.rect();
    for (QWidget* widget : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->isWindow()) {
            continue;
        }
        EXPECT_TRUE(client.contains(widget->geometry())) << widget->objectName().toStdString();
    }
}

TEST_F(EditorWindowTest, FocusStartsOnTheLanguageList) {
    window.show();
    QApplication::setActiveWindow(&window);
    gui::RunIdle(window);
    EXPECT_EQ(QApplication::focusWidget(), window.View().Control(kLanguageList));
    window.hide();
}
