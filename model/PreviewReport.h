// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"

#include <string>
#include <string_view>
#include <vector>

class CCodePage;
class CHolidays;

// One line of the year preview: a holiday on a day.
struct CPreviewEntry {
    CDateTime date;
    std::string display;  // bytes in the code page of the document's language
    std::string id;
    int holiday = -1;  // the holiday's position in the document

    bool operator==(const CPreviewEntry&) const = default;
};

// The holidays of a year in preview order: the days from 1 January to
// 31 December, and within a day the order of the document's per-day list.
// A year that the date value refuses gives no entries. Recalculates the
// document for that year when it holds another one.
std::vector<CPreviewEntry> CollectPreviewEntries(CHolidays& document, int year);

// The preview report of the entries, in UTF-8: one line per entry, the date
// formatted with "%d %b\t" in the user's locale (LocaleNames.h), then the
// display text shown in the code page (ShownText.h), then `lineEnd` (the
// editor ends its lines with "\r\n"; a terminal wants "\n"). The date and
// the display text each keep their own characters, whatever the other's are.
std::string FormatPreviewReport(const std::vector<CPreviewEntry>& entries, const CCodePage& codePage,
                                std::string_view lineEnd);

// The preview report of a year, its display texts in the code page of the
// document's language.
std::string BuildPreviewReport(CHolidays& document, int year, std::string_view lineEnd);
