// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"
#include "model/PreviewReport.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CCodePage;
class CHolidays;

// Why a holiday has one of its dates in a year.
struct CDateOrigin {
    CDateTime date;    // the date, after any shift
    int ruleset = -1;  // 0-based index of the ruleset that produced it
    std::string text;  // UTF-8, one or two short lines, e.g.
                       // "Ruleset 2: 39 days after EASTER_REF (5 Apr 2026)" or
                       // "Ruleset 1: 25 December\nmoved by shift rule 1 from Sunday 24 May"
};

// The dates of the holiday at `position` in `year`, each with its origin, in
// the order of the holiday's occurrences (dates that lie in another year, as
// one day after 31 December, are left out). IDs in the texts are shown in
// `codePage` (ShownText.h), dates and weekday names in the user's locale
// (LocaleNames.h). Empty when the holiday has no date that year (not
// resolved, displaced); a reference-only holiday has its dates explained.
// The first line names the ruleset and what its rule computed the date from:
// the fixed date; the n-th weekday of the month; the reference's ID and date
// with the number of days or the weekday step. The second line, if any, tells
// each shift rule that acted on the date, from which day, joined by "; ".
// `lineBreak` separates the two lines ("; " puts them on one). Recalculates
// the document when it holds another year.
std::vector<CDateOrigin> ExplainHolidayDates(CHolidays& document, int position, int year, const CCodePage& codePage,
                                             std::string_view lineBreak = "\n");

// The dates of the holiday at `position` that its shift rules dropped in
// `year`, each with the day it was dropped from as `date` and a text as
// above whose last clause names the shift rule that dropped it.
std::vector<CDateOrigin> ExplainDroppedDates(CHolidays& document, int position, int year, const CCodePage& codePage,
                                             std::string_view lineBreak = "\n");

// The origin of the preview line `line` of `entries` among `origins`, those
// of its holiday in the same year (ExplainHolidayDates): the holiday's
// entries of one day follow its occurrences, so its k-th line on a day is its
// k-th origin with that date. Null when there is none.
const CDateOrigin* OriginOfPreviewLine(const std::vector<CPreviewEntry>& entries, std::size_t line,
                                       const std::vector<CDateOrigin>& origins);
