// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/HolidayListing.h"

#include <cstdint>
#include <string>
#include <vector>

// The latest DTSTAMP that libical writes: 3000-12-31T23:59:59Z (it refuses
// later years).
constexpr std::int64_t kLastStampSeconds = 32535215999;

// What sets one calendar and its events apart from those of other files.
struct CCalendarIdentity {
    std::string name;        // X-WR-CALNAME, any bytes (shown as UTF-8); none when empty
    std::uint32_t language;  // the document's language (a Windows LCID)
    std::string uidDomain;   // what follows the '@' of every UID
};

// The UID domain of a calendar named `name` when no other is given: the
// name's bytes as UIDs write an ID, then ".tavrin.invalid" (a reserved
// domain, apart from any real host); "tavrin.invalid" for no name.
std::string DefaultUidDomain(const std::string& name);

// The holidays as an iCalendar file (RFC 5545): one all-day VEVENT per
// holiday ID and day (from the first entry of each), in the given order,
// with the display text as SUMMARY, TRANSP:TRANSPARENT, CATEGORIES:Holidays
// and the UID "YYYYMMDD-<language in hex>-<ID>@<domain>". The UID depends
// only on the date, the ID bytes and the calendar's identity, so a calendar
// program that imports the file again updates the events instead of doubling
// them, and files of other languages or names never share one. DTEND is the
// next day (where libical cannot write that day, DURATION:P1D says the same).
// A line break in a display text stays one; other control characters, which
// the format cannot hold, become U+FFFD, as does a byte of the name that is
// not UTF-8. `stampSeconds` (0 to kLastStampSeconds, since 1970-01-01 UTC) is
// every event's DTSTAMP; everything else depends only on the entries and the
// identity. Throws CCliError for a holiday on a day that libical cannot
// write: it writes 2 January of year 1 to 31 December 3000.
std::string BuildHolidayCalendar(const std::vector<CListedHoliday>& holidays, const CCalendarIdentity& identity,
                                 std::int64_t stampSeconds);

// The time for DTSTAMP: SOURCE_DATE_EPOCH when it is set (reproducible
// output), else now. Throws CCliError when the variable is not a whole number
// of seconds from 0 to kLastStampSeconds.
std::int64_t CalendarStampSeconds();
