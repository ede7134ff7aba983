// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LocaleNames.h"
#include "editor/CPreviewView.h"
#include "editor/EditorSettings.h"
#include "model/PreviewReport.h"
#include "tests/editor/FileTestSupport.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/support/SampleDocuments.h"
#include "tests/support/ScopedLocaleEnvironment.h"

#include <QAbstractButton>
#include <QAction>
#include <QUndoStack>

#include <memory>
#include <string>
#include <vector>

using namespace ids;
using files::PreviewLines;

namespace {

CHoliday FixedHoliday(const std::string& id, const std::string& display, int day, int month) {
    CHoliday holiday;
    holiday.id = id;
    holiday.display = display;
    holiday.rulesets.push_back(MakeFixedRuleset());
    holiday.rulesets[0].fixedDay = day;
    holiday.rulesets[0].fixedMonth = month;
    return holiday;
}

class PreviewTest : public files::FileWindowTest {
protected:
    std::string PreviewOf(int year) {
        gui::Pick(window.View().List(kYearList), QString::number(year));
        return window.View().PreviewReport();
    }
};

struct ExampleYear {
    const char* file;
    int year;
    std::vector<std::string> lines;
};

// Dates worked out by hand from the rules of the example files (Easter 1989
// on 26 March, 2008 on 23 March, 2024 on 31 March; Buß- und Bettag is the
// Wednesday before 23 November; the US days observed on the Friday before a
// Saturday and the Monday after a Sunday). The display texts are decoded from
// the files' Windows-1252.
const std::vector<ExampleYear>& ExampleYears() {
    static const std::vector<ExampleYear> years = {
        {"germany.hol",
         2024,
         {"01 Jan\tNeujahr", "29 Mar\tKarfreitag", "31 Mar\tOstersonntag", "01 Apr\tOstermontag",
          "01 May\tTag der Arbeit", "09 May\tChristi Himmelfahrt", "19 May\tPfingstsonntag", "20 May\tPfingstmontag",
          "30 May\tFronleichnam", "03 Oct\tTag der Deutschen Einheit", "31 Oct\tReformationstag",
          "01 Nov\tAllerheiligen", "20 Nov\tBu\xC3\x9F- und Bettag", "24 Dec\tHeiligabend", "25 Dec\t1. Weihnachtstag",
          "26 Dec\t2. Weihnachtstag", "31 Dec\tSilvester"}},
        // Before 1990 there is no Tag der Deutschen Einheit.
        {"germany.hol",
         1989,
         {"01 Jan\tNeujahr", "24 Mar\tKarfreitag", "26 Mar\tOstersonntag", "27 Mar\tOstermontag",
          "01 May\tTag der Arbeit", "04 May\tChristi Himmelfahrt", "14 May\tPfingstsonntag", "15 May\tPfingstmontag",
          "25 May\tFronleichnam", "31 Oct\tReformationstag", "01 Nov\tAllerheiligen", "22 Nov\tBu\xC3\x9F- und Bettag",
          "24 Dec\tHeiligabend", "25 Dec\t1. Weihnachtstag", "26 Dec\t2. Weihnachtstag", "31 Dec\tSilvester"}},
        // Ascension falls on 1 May: two lines with the same date, in the
        // order of the day's list.
        {"germany.hol",
         2008,
         {"01 Jan\tNeujahr", "21 Mar\tKarfreitag", "23 Mar\tOstersonntag", "24 Mar\tOstermontag",
          "01 May\tTag der Arbeit", "01 May\tChristi Himmelfahrt", "11 May\tPfingstsonntag", "12 May\tPfingstmontag",
          "22 May\tFronleichnam", "03 Oct\tTag der Deutschen Einheit", "31 Oct\tReformationstag",
          "01 Nov\tAllerheiligen", "19 Nov\tBu\xC3\x9F- und Bettag", "24 Dec\tHeiligabend", "25 Dec\t1. Weihnachtstag",
          "26 Dec\t2. Weihnachtstag", "31 Dec\tSilvester"}},
        {"usa.hol",
         2024,
         {"01 Jan\tNew Year's Day", "15 Jan\tBirthday of Martin Luther King, Jr.", "19 Feb\tWashington's Birthday",
          "27 May\tMemorial Day", "19 Jun\tJuneteenth National Independence Day", "04 Jul\tIndependence Day",
          "02 Sep\tLabor Day", "14 Oct\tColumbus Day", "11 Nov\tVeterans Day", "28 Nov\tThanksgiving Day",
          "25 Dec\tChristmas Day"}},
        // 1 January 2022 is a Saturday: observed on 31 December 2021.
        {"usa.hol",
         2021,
         {"01 Jan\tNew Year's Day", "18 Jan\tBirthday of Martin Luther King, Jr.", "15 Feb\tWashington's Birthday",
          "31 May\tMemorial Day", "18 Jun\tJuneteenth National Independence Day", "05 Jul\tIndependence Day",
          "06 Sep\tLabor Day", "11 Oct\tColumbus Day", "11 Nov\tVeterans Day", "25 Nov\tThanksgiving Day",
          "24 Dec\tChristmas Day", "31 Dec\tNew Year's Day"}},
        // Veterans Day on the fourth Monday of October until 1977; no
        // holiday of Dr. King nor Juneteenth yet.
        {"usa.hol",
         1975,
         {"01 Jan\tNew Year's Day", "17 Feb\tWashington's Birthday", "26 May\tMemorial Day", "04 Jul\tIndependence Day",
          "01 Sep\tLabor Day", "13 Oct\tColumbus Day", "27 Oct\tVeterans Day", "27 Nov\tThanksgiving Day",
          "25 Dec\tChristmas Day"}},
    };
    return years;
}

TEST_F(PreviewTest, ExampleFilesGiveTheHandCheckedDatesOfEachYear) {
    const char* opened = "";
    for (const ExampleYear& example : ExampleYears()) {
        if (std::string(opened) != example.file) {
            OpenExampleCopy(example.file);
            opened = example.file;
        }
        EXPECT_EQ(PreviewOf(example.year), PreviewLines(example.lines)) << example.file << " " << example.year;
    }
}

TEST_F(PreviewTest, DisplayTextsShowInTheCodePageOfTheFilesLanguage) {
    OpenExampleCopy("germany.hol");
    PreviewOf(2024);
    EXPECT_TRUE(gui::PreviewLines(window).contains(QStringLiteral("20 Nov\tBu\u00DF- und Bettag")));
}

TEST_F(PreviewTest, YearWithoutHolidaysAndEmptyDocumentGiveAnEmptyPreview) {
    OpenExampleCopy("usa.hol");
    ASSERT_FALSE(PreviewOf(2024).empty());
    EXPECT_EQ(PreviewOf(1950), "");  // every rule starts in 1971 or later

    PreviewOf(2024);
    dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
    Run(kFileNew);
    EXPECT_EQ(window.View().PreviewReport(), "");
    EXPECT_EQ(window.View().List(kYearList)->SelectedText(), "2024");  // New keeps the year
}

TEST_F(PreviewTest, ChoosingAYearGivesTheSameAsRefreshingIt) {
    OpenExampleCopy("usa.hol");
    const std::string chosen = PreviewOf(2021);
    PreviewOf(2024);
    const std::string before = window.View().PreviewReport();
    window.View().List(kYearList)->Select(window.View().List(kYearList)->FindText("2021"));
    EXPECT_EQ(window.View().PreviewReport(), before);
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().PreviewReport(), chosen);
}

TEST_F(PreviewTest, RefreshShowsTheFormAsEditedWithTwoDigitDays) {
    gui::AddHoliday(window, dialogs, "X");
    gui::Click(window.View().Button(kAddRuleset));  // a fixed date on the test clock's 15 May
    gui::RunIdle(window);
    gui::Type(window.View().Edit(kDisplayEdit), "Y");
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().PreviewReport(), "15 May\tY\r\n");

    gui::Type(window.View().Edit(kFixedDayEdit), "9");
    gui::Pick(window.View().List(kFixedMonthList), "February");
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().PreviewReport(), "09 Feb\tY\r\n");
}

TEST_F(PreviewTest, LeapYearsReach29FebruaryAndTheWalkEndsOn31December) {
    gui::OpenHolidays(window, dialogs,
                      {FixedHoliday("LEAP", "Leap day", 29, 2), FixedHoliday("LAST", "Last day", 31, 12)});
    EXPECT_EQ(PreviewOf(2024), PreviewLines({"29 Feb\tLeap day", "31 Dec\tLast day"}));
    EXPECT_EQ(PreviewOf(2000), PreviewLines({"29 Feb\tLeap day", "31 Dec\tLast day"}));
}

// The date is the user's locale's text and the display text the file's: a
// Russian user sees a German file's holidays with Russian month names.
TEST_F(PreviewTest, DatesInTheUserLocaleAndDisplayTextsInTheFilesCodePage) {
    OpenExampleCopy("germany.hol");
    CHolidays document;
    LoadHolidayFile(document, PathIn("germany.hol").toStdString());
    const CScopedLocaleEnvironment russian("ru_RU.UTF-8");
    SetLocaleNames(MakeUserLocaleNames());
    const std::string preview = PreviewOf(2024);
    const std::string cliPreview = BuildPreviewReport(document, 2024, "\r\n");
    SetLocaleNames(MakeEnglishLocaleNames());
    EXPECT_TRUE(preview.starts_with("01 \xD1\x8F\xD0\xBD\xD0\xB2.\tNeujahr\r\n")) << preview;  // "01 янв."
    EXPECT_NE(preview.find("20 \xD0\xBD\xD0\xBE\xD1\x8F\xD0\xB1.\tBu\xC3\x9F- und Bettag\r\n"), std::string::npos)
        << preview;                  // "20 нояб.", "Buß"
    EXPECT_EQ(preview, cliPreview);  // as tavrin-cli preview --crlf prints it
}

// The preview greys while it does not match the document: after a command
// and while the form holds an edit not stored; Refresh (or going back in the
// history to what it shows) makes it current. With Live Preview on, kept in
// the settings, it is rebuilt after every command.
TEST_F(PreviewTest, PreviewShowsWhenItNoLongerMatchesTheDocument) {
    const auto stale = [this] {
        gui::RunIdle(window);
        return window.View().Control<CPreviewView>(kPreviewEdit)->IsStale();
    };
    OpenExampleCopy("germany.hol");
    PreviewOf(2024);
    EXPECT_FALSE(stale());
    gui::Type(window.View().Edit(kDisplayEdit), "All Saints");
    EXPECT_TRUE(stale());
    gui::Click(window.View().Button(kRefresh));
    EXPECT_FALSE(stale());
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    EXPECT_TRUE(stale());
    Run(kEditUndo);
    EXPECT_FALSE(stale());

    window.View().MenuAction(kViewLivePreview)->trigger();
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    EXPECT_FALSE(stale());
    EXPECT_FALSE(QString::fromStdString(window.View().PreviewReport()).contains("All Saints"));
    CScriptedDialogs otherDialogs;
    const CEditorWindow other(&otherDialogs);
    EXPECT_TRUE(other.View().MenuAction(kViewLivePreview)->isChecked());
    window.View().MenuAction(kViewLivePreview)->trigger();
}

// Closing the window clears its history, and the history's signal rebuilt a
// live preview from members already destroyed.
TEST_F(PreviewTest, WindowWithLivePreviewAndAHistoryClosesWithoutRebuilding) {
    CScriptedDialogs closedDialogs;
    auto closed = std::make_unique<CEditorWindow>(&closedDialogs);
    closedDialogs.openFiles.push_back(files::ExamplePath("germany.hol"));
    closed->View().MenuAction(kFileOpen)->trigger();
    closed->View().MenuAction(kViewLivePreview)->trigger();
    closedDialogs.okCancelAnswers.push_back(true);
    gui::Click(closed->View().Button(kDeleteHoliday));
    ASSERT_GT(closed->View().UndoStack().index(), 0);
    closed.reset();
    EditorSettings().setValue(kLivePreviewKey, false);
}

}  // namespace
