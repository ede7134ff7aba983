// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CPreviewView.h"
#include "editor/CYearCalendar.h"
#include "resources/ControlIds.h"
#include "tests/editor/FileTestSupport.h"

#include <QAction>
#include <QApplication>
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

}  // namespace
