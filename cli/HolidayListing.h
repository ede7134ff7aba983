// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"

#include <string>
#include <vector>

class CHolidays;

// A holiday on a day as the listing commands (dates, diff, ics) show it.
struct CListedHoliday {
    CDateTime date;
    std::string idBytes;  // the ID as stored, in the code page of the document's language
    std::string id;       // UTF-8
    std::string display;  // UTF-8
};

// The year's holidays in preview order (reference-only holidays are not
// listed), the texts decoded from the code page of the document's language
// with an invalid byte sequence shown as U+FFFD.
std::vector<CListedHoliday> ListHolidays(CHolidays& document, int year);

// "YYYY-MM-DD<TAB>ID<TAB>DISPLAY", with a tab, carriage return, line feed or
// backslash in a text written as \t, \r, \n or \\, so that the line keeps its
// three fields.
std::string ListingLine(const CListedHoliday& holiday);
