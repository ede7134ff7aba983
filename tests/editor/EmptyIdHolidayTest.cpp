// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/editor/support/DocumentFiles.h"

#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>

using namespace ids;

namespace {

CHoliday HolidayWithDisplay(const std::string& id, const std::string& display) {
    CHoliday holiday = gui::EmptyHoliday(id);
    holiday.display = display;
    return holiday;
}

}  // namespace

// A file may hold a holiday whose ID is empty. The form of the previous
// document must never be stored into it, although "no holiday shown" is
// also an empty ID.
TEST_F(EditorWindowTest, OpeningAFileWithAnEmptyIdKeepsTheOldFormOutOfIt) {
    gui::OpenHolidays(window, dialogs, {HolidayWithDisplay("A", "first")});
    gui::Type(window.View().Edit(kDisplayEdit), QStringLiteral("typed into A"));

    gui::OpenHolidays(window, dialogs, {HolidayWithDisplay("", "kept"), HolidayWithDisplay("Z", "zed")});

    EXPECT_EQ(gui::HolidayById(window, "").display, "kept");
    EXPECT_EQ(window.View().DisplayText().Bytes(), "kept");  // the empty ID sorts first and is shown
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(gui::HolidayById(window, "").display, "kept");
}

TEST_F(EditorWindowTest, AHolidayWithAnEmptyIdCanBeEditedLikeAnyOther) {
    gui::OpenHolidays(window, dialogs, {HolidayWithDisplay("", "old"), HolidayWithDisplay("Z", "zed")});
    gui::Type(window.View().Edit(kDisplayEdit), QStringLiteral("new"));
    gui::Pick(window.View().List(kIdList), 1);
    EXPECT_EQ(gui::HolidayById(window, "").display, "new");
    EXPECT_EQ(gui::HolidayById(window, "Z").display, "zed");
}
