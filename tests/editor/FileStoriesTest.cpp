// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Clock.h"
#include "tests/editor/FileTestSupport.h"

#include <QAbstractButton>

#include <cstdint>
#include <vector>

using namespace ids;
using Answer = IEditorDialogs::Answer;
using files::ReadBytes;

namespace {

// Whole sessions of a user: build or open a file, edit it, look at the
// preview, save it and close.
class FileStoriesTest : public files::FileWindowTest {};

// Another fixed day while it lives; then the clock the test started with.
class CClockOnDay {
public:
    explicit CClockOnDay(CLocalTime day) {
        SetClockSource([day] { return day; });
    }
    ~CClockOnDay() {
        SetClockSource([previous = previous] { return previous; });
    }
    CClockOnDay(const CClockOnDay&) = delete;
    CClockOnDay& operator=(const CClockOnDay&) = delete;

private:
    CLocalTime previous = ReadClock();
};

// The holiday file of one holiday "X" shown as "Y" on 1 January, with a
// shift rule to the Monday after a Sunday, in US English, version 100.
const std::vector<std::uint8_t> kWorkedExample = {
    0x09, 0x04, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x58, 0x01, 0x59,  //
    0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x6C, 0x07, 0x00, 0x00, 0x34, 0x08, 0x00, 0x00,  //
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,  //
    0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,  //
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F,  //
    0x52, 0x45, 0x46, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A,  //
    0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45, 0x46, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,  //
    0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45,  //
    0x46, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00,  //
    0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45, 0x46,
};

TEST_F(FileStoriesTest, TheWorkedExampleBuiltThroughTheWidgetsSavesItsExactBytes) {
    ASSERT_EQ(kWorkedExample.size(), 156u);
    // New rulesets take their weekdays and months from today: a Monday in
    // January gives the example's values.
    const CClockOnDay monday(CLocalTime{2024, 1, 8, 9, 30, 0});
    gui::AddHoliday(window, dialogs, "X");
    gui::Type(window.View().Edit(kDisplayEdit), "Y");
    gui::Click(window.View().Button(kAddRuleset));  // a fixed date on 8 January
    gui::RunIdle(window);
    gui::Type(window.View().Edit(kFixedDayEdit), "1");
    gui::Pick(window.View().List(kFixedMonthList), "January");
    gui::Click(window.View().Button(kAddShiftRule));
    gui::RunIdle(window);
    gui::Pick(window.View().List(kYearList), "2023");  // 1 January 2023 is a Sunday
    EXPECT_EQ(window.View().PreviewReport(), "02 Jan\tY\r\n");

    const QString path = PathIn("example.hol");
    dialogs.saveFiles.push_back(path);
    Run(kFileSave);  // untitled: Save asks for a name
    EXPECT_EQ(dialogs.savePaths, QStringList{""});
    EXPECT_EQ(ReadBytes(path), kWorkedExample);
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);

    // Closing asks, even right after the save; No ends the window.
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    Run(kFileExit);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

TEST_F(FileStoriesTest, OpenEditPreviewSaveAndOpenAgain) {
    const QString path = OpenExampleCopy("usa.hol");
    gui::Pick(window.View().List(kYearList), "2027");
    EXPECT_NE(window.View().PreviewReport().find("24 Dec\tChristmas Day\r\n"), std::string::npos);

    // Christmas on the 26th instead, shown as "Xmas".
    gui::Type(window.View().Edit(kDisplayEdit), "Xmas");
    gui::Type(window.View().Edit(kFixedDayEdit), "26");
    gui::Click(window.View().Button(kRefresh));
    const std::string edited = window.View().PreviewReport();
    EXPECT_NE(edited.find("27 Dec\tXmas\r\n"), std::string::npos);  // a Sunday in 2027: the Monday after

    Run(kFileSave);
    EXPECT_TRUE(dialogs.savePaths.isEmpty());
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    Run(kFileNew);
    EXPECT_EQ(window.View().PreviewReport(), "");

    OpenFile(path);
    EXPECT_EQ(window.windowTitle(), "Tavrin - " + path);
    EXPECT_EQ(window.View().DisplayText().Bytes(), "Xmas");
    EXPECT_EQ(window.View().Edit(kFixedDayEdit)->text(), "26");
    EXPECT_EQ(window.View().PreviewReport(), edited);  // Open rebuilt the preview for 2027
}

TEST_F(FileStoriesTest, SaveAsThenClosingWithYesWritesTheSameFileAgain) {
    gui::AddHoliday(window, dialogs, "X");
    const QString path = PathIn("x.hol");
    dialogs.saveFiles.push_back(path);
    Run(kFileSaveAs);
    const std::vector<std::uint8_t> first = ReadBytes(path);

    gui::Type(window.View().Edit(kDisplayEdit), "later");
    dialogs.yesNoCancelAnswers.push_back(Answer::Yes);
    Run(kFileExit);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.savePaths, QStringList{""});  // no second dialog
    CHolidays saved;
    LoadHolidayFile(saved, path.toStdString());
    EXPECT_EQ(saved.GetHoliday(0).display, "later");
    EXPECT_NE(ReadBytes(path), first);
}

}  // namespace
