// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/PreviewReport.h"

#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/CHolidays.h"

namespace {

// How many days from 1 January on lie in the year: the date value numbers the
// days of year 0 like those of year 1, so the day after 1 January of year 0
// is 2 January of year 1, and year 0 has that one day to walk.
int DaysToWalk(int year) {
    if (year == 0) {
        return 1;
    }
    return CDateTime::IsLeapYear(year) ? 366 : 365;
}

}  // namespace

// Walks the days of the year that have entries, by their number in the
// year, and reads the per-day tables; a date is made only for those days.
std::vector<CPreviewEntry> CollectPreviewEntries(CHolidays& document, int year) {
    std::vector<CPreviewEntry> entries;
    CDateTime firstDay;
    if (!firstDay.SetDateTime(year, 1, 1, 0, 0, 0) || firstDay.GetYear() != year) {
        return entries;
    }
    const CYearCalculation& tables = document.CalculationOf(year);
    entries.reserve(tables.ListedEntryCount());
    const int days = DaysToWalk(year);
    int month = 1;
    int daysBeforeMonth = 0;  // of the year, before `month`
    for (int dayOfYear = tables.NextDayWithEntries(1); dayOfYear != 0 && dayOfYear <= days;
         dayOfYear = tables.NextDayWithEntries(dayOfYear + 1)) {
        // The days come in order, so the month only moves forward.
        while (dayOfYear > daysBeforeMonth + CDateTime::GetDaysInMonth(year, month)) {
            daysBeforeMonth += CDateTime::GetDaysInMonth(year, month);
            ++month;
        }
        const CDateTime date(year, month, dayOfYear - daysBeforeMonth);
        const int count = tables.DayEntryCount(dayOfYear);
        for (int index = 0; index < count; ++index) {
            entries.push_back({date, tables.DayDisplay(dayOfYear, index), tables.DayId(dayOfYear, index),
                               tables.DayPosition(dayOfYear, index)});
        }
    }
    return entries;
}

std::string FormatPreviewReport(const std::vector<CPreviewEntry>& entries, const CCodePage& codePage,
                                std::string_view lineEnd) {
    std::string report;
    for (const CPreviewEntry& entry : entries) {
        report += entry.date.Format("%d %b\t");
        report += ShowText(codePage, entry.display);
        report += lineEnd;
    }
    return report;
}

std::string BuildPreviewReport(CHolidays& document, int year, std::string_view lineEnd) {
    const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
    return FormatPreviewReport(CollectPreviewEntries(document, year), codePage, lineEnd);
}
