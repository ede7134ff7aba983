// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HolidayListing.h"

#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/CHolidays.h"
#include "model/PreviewReport.h"

#include <fmt/format.h>

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

std::vector<CListedHoliday> ListHolidays(CHolidays& document, int year) {
    const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
    std::vector<CListedHoliday> listed;
    for (CPreviewEntry& entry : CollectPreviewEntries(document, year)) {
        listed.push_back({entry.date, entry.id, ShowText(codePage, entry.id), ShowText(codePage, entry.display)});
    }
    return listed;
}

std::string ListingLine(const CListedHoliday& holiday) {
    return fmt::format("{:04}-{:02}-{:02}\t{}\t{}", holiday.date.GetYear(), holiday.date.GetMonth(),
                       holiday.date.GetDay(), EscapeForListing(holiday.id), EscapeForListing(holiday.display));
}
