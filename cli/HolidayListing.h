// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"

#include <optional>
#include <string>
#include <vector>

class CHolidays;

// A holiday on a day as the listing commands (dates, diff, ics) show it.
struct CListedHoliday {
    CDateTime date;
    std::string idBytes;  // the ID as stored, in the code page of the document's language
    std::string id;       // UTF-8
    std::string display;  // UTF-8
    // Where the date comes from (DateOrigins.h), UTF-8, its lines joined by
    // "; "; only when asked for.
    std::optional<std::string> origin = std::nullopt;
};

// Whether ListHolidays explains each date.
enum class EListingOrigins { Without, With };

// The year's holidays in preview order (reference-only holidays are not
// listed), the texts shown in the code page of the document's language
// (ShownText.h).
std::vector<CListedHoliday> ListHolidays(CHolidays& document, int year,
                                         EListingOrigins origins = EListingOrigins::Without);

// "YYYY-MM-DD<TAB>ID<TAB>DISPLAY", and "<TAB>ORIGIN" when the holiday has
// one, with a tab, carriage return, line feed or backslash in a text written
// as \t, \r, \n or \\, so that the line keeps its fields.
std::string ListingLine(const CListedHoliday& holiday);
