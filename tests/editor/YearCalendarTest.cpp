// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCheckWindow.h"
#include "editor/CPreviewView.h"
#include "editor/CYearCalendar.h"
#include "resources/ControlIds.h"
#include "tests/editor/FileTestSupport.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/support/RuleBuilders.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <set>

using namespace ids;

namespace {

class YearCalendarTest : public files::FileWindowTest {
protected:
    void PickYear(int year) { gui::Pick(window.View().List(kYearList), QString::number(year)); }
    CYearCalendarView* Calendar() const { return window.findChild<CYearCalendarView*>(); }
};

// The calendar follows the preview's year and marks exactly its days; a
// click on a day, like a double-click on a preview line, shows the day's
// first holiday in the form.
TEST_F(YearCalendarTest, MarksThePreviewsDaysAndSelectsTheirHolidays) {
    OpenExampleCopy("germany.hol");
    Run(kViewYearCalendar);
    ASSERT_NE(Calendar(), nullptr);
    for (int year : {2023, 2024, 2026}) {
        PickYear(year);
        std::set<int> previewDays;
        for (const CPreviewEntry& entry : window.View().Control<CPreviewView>(kPreviewEdit)->Model().Entries()) {
            previewDays.insert(entry.date.GetDayNumber());
        }
        std::set<int> marked;
        for (const CDateTime& day : Calendar()->Picture().MarkedDays()) {
            marked.insert(day.GetDayNumber());
        }
        EXPECT_EQ(marked, previewDays) << year;
        EXPECT_EQ(Calendar()->windowTitle(), QStringLiteral("Year Calendar %1").arg(year));
    }

    const QRectF christmas = Calendar()->Picture().CellOfDay(Calendar()->rect(), CDateTime(2026, 12, 25));
    QTest::mouseClick(Calendar(), Qt::LeftButton, {}, christmas.center().toPoint());
    EXPECT_EQ(window.View().Selection().HolidayId(), "WEIHNACHTSTAG_1");

    auto* preview = window.View().Control<CPreviewView>(kPreviewEdit);
    QApplication::processEvents();  // the lines are laid out
    const QRect firstLine = preview->visualRect(preview->model()->index(0, 0));
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, firstLine.center());
    QTest::mouseDClick(preview->viewport(), Qt::LeftButton, {}, firstLine.center());
    EXPECT_EQ(window.View().Selection().HolidayId(), "NEUJAHR");
}

// File > Export Year Calendar writes one A4 page as PDF.
TEST_F(YearCalendarTest, ExportWritesAOnePagePdf) {
    OpenExampleCopy("usa.hol");
    const QString pdf = PathIn("usa.pdf");
    dialogs.pdfFiles.push_back(pdf);
    Run(kFileExportYearCalendar);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    const std::vector<std::uint8_t> bytes = files::ReadBytes(pdf);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.rfind("%PDF-", 0), 0u);
    std::size_t pages = 0;
    for (std::size_t at = text.find("/Type /Page"); at != std::string::npos; at = text.find("/Type /Page", at + 1)) {
        pages += text.compare(at, 12, "/Type /Pages") != 0 ? 1U : 0U;
    }
    EXPECT_EQ(pages, 1u);
}

// A preview line tells where its date comes from, and a double-click shows
// the ruleset that produced it; the Check window lists the findings, shows a
// finding's holiday and follows the commands.
TEST_F(YearCalendarTest, PreviewLinesAndFindingsLeadToTheirRules) {
    CHoliday later = gui::EmptyHoliday("LATER");
    later.rulesets = {rules::Years(rules::Fixed(1, 1), 1900, 1999), rules::Years(rules::Fixed(2, 1), 2000, 2100)};
    CHoliday broken = gui::EmptyHoliday("BROKEN");
    broken.rulesets = {rules::DaysFrom(1, kAfter, "NOBODY")};
    gui::OpenHolidays(window, dialogs, {later, broken});
    PickYear(2024);
    auto* preview = window.View().Control<CPreviewView>(kPreviewEdit);
    ASSERT_EQ(preview->model()->rowCount(), 1);
    EXPECT_EQ(preview->model()->index(0, 0).data(Qt::ToolTipRole).toString(), "Ruleset 2: 2 January");
    emit preview->EntryChosen(0);
    EXPECT_EQ(window.View().Selection().HolidayId(), "LATER");
    EXPECT_EQ(window.View().Selection().Ruleset(), 1);

    Run(kToolsCheckDocument);
    auto* check = window.findChild<CCheckWindow*>();
    ASSERT_NE(check, nullptr);
    ASSERT_FALSE(check->Findings().empty());
    for (int row = 0; row < check->List()->count(); ++row) {
        EXPECT_EQ(check->List()->item(row)->text().left(7), "BROKEN:");
    }
    emit check->List()->itemDoubleClicked(check->List()->item(0));
    EXPECT_EQ(window.View().Selection().HolidayId(), "BROKEN");
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    QApplication::processEvents();
    EXPECT_EQ(check->List()->item(0)->text(), "No problems found");
}

}  // namespace
