// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLineEdit>

#include <string>

using namespace ids;

namespace {

// Builds a holiday with two rulesets and a shift rule through the widgets
// alone, setting every field of every kind on the way (a kind's fields are
// enabled only while it is chosen), and checks what reaches the document.
TEST_F(EditorWindowTest, HolidayBuiltThroughTheWidgetsReachesTheDocumentFieldByField) {
    const auto type = [&](int edit, const QString& text) {
        gui::RunIdle(window);
        ASSERT_TRUE(window.View().Edit(edit)->isEnabled()) << edit;
        gui::Type(window.View().Edit(edit), text);
    };
    const auto pick = [&](int list, const QString& text) {
        gui::RunIdle(window);
        gui::Pick(window.View().List(list), text);
    };
    const auto click = [&](int button) {
        gui::RunIdle(window);
        gui::Click(window.View().Button(button));
    };

    type(kVersionEdit, "3");
    gui::AddHoliday(window, dialogs, "Base");
    gui::AddHoliday(window, dialogs, "Pentecost");
    type(kDisplayEdit, "Whit Sunday");
    click(kReferenceOnlyCheck);

    click(kAddRuleset);
    type(kValidFromEdit, "1950");
    type(kValidToEdit, "2050");
    type(kIntervalEdit, "2");
    type(kFixedDayEdit, "24");
    pick(kFixedMonthList, "December");
    click(kWeekdayOfMonthRadio);
    pick(kWeekdayOrdinalList, "Last");
    pick(kMonthWeekdayList, "Thursday");
    pick(kWeekdayMonthList, "November");
    click(kRelativeDateRadio);
    click(kRelativeWeekdayRadio);
    type(kWeekdayCountEdit, "2");
    pick(kRelativeWeekdayList, "Sunday");
    pick(kWeekdayDirectionList, "on/after");
    pick(kWeekdayReferenceList, "Base");
    click(kFixedDaysRadio);
    type(kOffsetDaysEdit, "49");
    pick(kOffsetDirectionList, "after");
    pick(kOffsetReferenceList, "ADVENT_REF");

    click(kAddShiftRule);
    pick(kConditionList, "Base");
    type(kShiftCountEdit, "3");
    pick(kShiftWeekdayList, "Friday");
    pick(kShiftDirectionList, "before/on");
    click(kShiftToHolidayRadio);
    pick(kShiftTargetList, "ORTHODOX_EASTER_REF");

    click(kAddRuleset);
    type(kValidFromEdit, "2000");
    click(kWeekdayOfMonthRadio);
    pick(kWeekdayOrdinalList, "First");
    pick(kMonthWeekdayList, "Monday");
    pick(kWeekdayMonthList, "September");

    pick(kIdList, "Base");  // stores the form

    CRuleset first = NewRulesetOn(CDateTime::Now());  // made on the test clock's day, like the ones the window added
    first.validFrom = 1950;
    first.validTo = 2050;
    first.interval = 2;
    first.ruleKind = 2;
    first.fixedDay = 24;
    first.fixedMonth = 12;
    first.weekdayOrdinal = 5;
    first.monthWeekday = 3;
    first.weekdayMonth = 11;
    first.relativeKind = 0;
    first.offsetDays = 49;
    first.offsetDirection = 3;
    first.offsetReference = "ADVENT_REF";
    first.weekdayCount = 2;
    first.relativeWeekday = 6;
    first.weekdayDirection = 2;
    first.weekdayReference = "Base";
    CShiftRule shiftRule;
    shiftRule.conditionKind = 1;
    shiftRule.conditionWeekday = 6;  // kept from the new shift rule
    shiftRule.conditionHoliday = "Base";
    shiftRule.action = 1;
    shiftRule.shiftCount = 3;
    shiftRule.shiftWeekday = 4;
    shiftRule.shiftDirection = 1;
    shiftRule.shiftTarget = "ORTHODOX_EASTER_REF";
    first.shiftRules = {shiftRule};

    CRuleset second = NewRulesetOn(CDateTime::Now());
    second.validFrom = 2000;
    second.ruleKind = 1;
    second.weekdayOrdinal = 0;
    second.monthWeekday = 0;
    second.weekdayMonth = 9;

    const CHoliday expected{"Pentecost", "Whit Sunday", 1, {first, second}};
    ASSERT_EQ(window.View().Document().GetHolidayCount(), 2);
    EXPECT_EQ(window.View().Document().GetHoliday(0), gui::EmptyHoliday("Base"));
    EXPECT_EQ(window.View().Document().GetHoliday(1), expected);
    EXPECT_EQ(window.View().Document().GetVersion(), 3);
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// The display edit holds a text of any length: a long text, edited, walked
// past and saved, keeps all of it but the change.
TEST_F(EditorWindowTest, LongDisplayTextSurvivesEditingWalkingAndSaving) {
    std::string display;
    while (display.size() < 40000) {
        display += static_cast<char>('0' + display.size() % 10);
    }
    CHoliday holiday = gui::EmptyHoliday("Long");
    holiday.display = display;
    gui::OpenHolidays(window, dialogs, {holiday, gui::EmptyHoliday("Other")});
    QLineEdit* edit = window.View().Edit(kDisplayEdit);
    edit->setCursorPosition(35001);
    gui::PressKey(edit, Qt::Key_Backspace);
    gui::Pick(window.View().List(kIdList), "Other");
    gui::RunIdle(window);
    gui::Pick(window.View().List(kIdList), "Long");
    gui::RunIdle(window);
    window.View().MenuAction(kFileSave)->trigger();

    CHolidays saved;
    LoadHolidayFile(saved, QFile::encodeName(window.View().FilePath()).toStdString());
    const std::string savedDisplay = saved.GetHoliday(saved.FindHoliday("Long")).display;
    display.erase(35000, 1);
    EXPECT_EQ(savedDisplay.size(), display.size());
    EXPECT_TRUE(savedDisplay == display);  // without printing 40000 characters
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

}  // namespace
