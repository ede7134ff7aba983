// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HolidayListing.h"

#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/CHolidays.h"
#include "model/DateOrigins.h"
#include "model/PreviewReport.h"

#include <fmt/format.h>

#include <map>

namespace {

std::string EscapeForListing(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\t': escaped += "\\t"; break;
        case '\r': escaped += "\\r"; break;
        case '\n': escaped += "\\n"; break;
        case '\\': escaped += "\\\\"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace

std::vector<CListedHoliday> ListHolidays(CHolidays& document, int year, EListingOrigins origins) {
    const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
    const std::vector<CPreviewEntry> entries = CollectPreviewEntries(document, year);
    std::map<int, std::vector<CDateOrigin>> originsOfHoliday;  // explained once per holiday
    std::vector<CListedHoliday> listed;
    listed.reserve(entries.size());
    for (std::size_t line = 0; line < entries.size(); ++line) {
        const CPreviewEntry& entry = entries[line];
        listed.push_back({entry.date, entry.id, ShowText(codePage, entry.id), ShowText(codePage, entry.display)});
        if (origins == EListingOrigins::With) {
            auto [found, isNew] = originsOfHoliday.try_emplace(entry.holiday);
            if (isNew) {
                found->second = ExplainHolidayDates(document, entry.holiday, year, codePage, "; ");
            }
            const CDateOrigin* origin = OriginOfPreviewLine(entries, line, found->second);
            listed.back().origin = origin != nullptr ? origin->text : std::string();
        }
    }
    return listed;
}

std::string ListingLine(const CListedHoliday& holiday) {
    std::string line =
        fmt::format("{:04}-{:02}-{:02}\t{}\t{}", holiday.date.GetYear(), holiday.date.GetMonth(), holiday.date.GetDay(),
                    EscapeForListing(holiday.id), EscapeForListing(holiday.display));
    if (holiday.origin) {
        line += "\t" + EscapeForListing(*holiday.origin);
    }
    return line;
}
