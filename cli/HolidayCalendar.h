#pragma once

#include "cli/HolidayListing.h"

#include <cstdint>
#include <string>
#include <vector>

// The latest DTSTAMP that libical writes: 3000-12-31T23:59:59Z (it refuses
// later years).
constexpr std::int64_t kLastStampSeconds = 32535215999;

// The holidays as an iCalendar file (RFC 5545): one all-day VEVENT per
// holiday ID and day (from the first entry of each), in the given order,
// with the display text as SUMMARY, TRANSP:TRANSPARENT, CATEGORIES:Holidays
// and a UID that depends only on the ID bytes and the date, so a calendar
// program that imports the file again updates the events instead of doubling
// them. DTEND is the next day (where libical cannot write that day,
// DURATION:P1D says the same). A line break in a display text stays one;
// other control characters, which the format cannot hold, become U+FFFD.
// `stampSeconds` (0 to kLastStampSeconds, since 1970-01-01 UTC) is every
// event's DTSTAMP; everything else depends only on the entries. Throws
// CCliError for a holiday on a day that libical cannot write: it writes
// 2 January of year 1 to 31 December 3000.
std::string BuildHolidayCalendar(const std::vector<CListedHoliday>& holidays, std::int64_t stampSeconds);

// The time for DTSTAMP: SOURCE_DATE_EPOCH when it is set (reproducible
// output), else now. Throws CCliError when the variable is not a whole number
// of seconds from 0 to kLastStampSeconds.
std::int64_t CalendarStampSeconds();
