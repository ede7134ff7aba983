#include "model/PreviewReport.h"

#include "core/CDateTimeSpan.h"
#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/CHolidays.h"

std::vector<CPreviewEntry> CollectPreviewEntries(CHolidays& document, int year) {
    std::vector<CPreviewEntry> entries;
    CDateTime cursor;
    if (!cursor.SetDateTime(year, 1, 1, 0, 0, 0) || cursor.GetYear() != year) {
        return entries;
    }
    const CDateTimeSpan oneDay(1, 0, 0, 0);
    // No year has more than 366 days; the bound also ends the walk at the end
    // of the date range, where the next day may not lie in another year.
    for (int visited = 0; visited < 366 && cursor.GetYear() == year; ++visited) {
        const int count = document.GetDayHolidayCount(cursor);
        for (int index = 0; index < count; ++index) {
            CPreviewEntry entry{cursor, {}, {}};
            document.GetDayHoliday(cursor, index, entry.display, entry.id);
            entries.push_back(std::move(entry));
        }
        cursor += oneDay;
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
