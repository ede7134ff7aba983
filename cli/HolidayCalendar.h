// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/HolidayListing.h"

#include <cstdint>
#include <string>
#include <string_view>
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

// The holidays that BuildHolidayCalendar writes as events: the first entry of
// each holiday ID and day, in the given order.
std::vector<CListedHoliday> CalendarEventsOf(const std::vector<CListedHoliday>& holidays);

// A display text as an event's SUMMARY holds it: CR LF, CR and LF become one
// line break, every other control character but the tab becomes U+FFFD.
std::string CalendarText(std::string_view utf8);

// The holidays as an iCalendar file (RFC 5545): one all-day VEVENT per
// holiday ID and day (CalendarEventsOf), in the given order,
// with the display text as SUMMARY, TRANSP:TRANSPARENT, CATEGORIES:Holidays
// and the UID "YYYYMMDD-<language in hex>-<ID>@<domain>". The UID depends
// only on the date, the ID bytes and the calendar's identity, so a calendar
// program that imports the file again updates the events instead of doubling
// them, and files of other languages or names never share one. DTEND is the
// next day (where libical cannot write that day, DURATION:P1D says the same).
// Texts are written as CalendarText gives them (the format cannot hold other
// control characters); a byte of the name that is not UTF-8 becomes U+FFFD. `stampSeconds` (0 to kLastStampSeconds,
// since 1970-01-01 UTC) is every event's DTSTAMP; everything else depends only on the entries and the identity. Throws
// CCliError for a holiday on a day that libical cannot write: it writes 2 January of year 1 to 31 December 3000.
std::string BuildHolidayCalendar(const std::vector<CListedHoliday>& holidays, const CCalendarIdentity& identity,
                                 std::int64_t stampSeconds);

// The time for DTSTAMP: SOURCE_DATE_EPOCH when it is set (reproducible
// output), else now. Throws CCliError when the variable is not a whole number
// of seconds from 0 to kLastStampSeconds.
std::int64_t CalendarStampSeconds();

// The holidays of an iCalendar file in the years from firstYear to lastYear,
// as diff compares them with a holiday file's: every all-day VEVENT is a
// holiday on each of its days (DTSTART up to DTEND or DURATION, else one
// day), its recurrences (RRULE, RDATE, EXDATE, and the instances that another
// VEVENT of the same UID replaces by RECURRENCE-ID) expanded within the years;
// SUMMARY is the display text, and there is no ID.
struct CCalendarHolidays {
    std::vector<CListedHoliday> holidays;  // in date order; within a day in the order of the file
    int timedEvents = 0;                   // events with a time of day, which are no holidays here
    int firstTimedLine = 0;                // the line of the first one's BEGIN:VEVENT
};

// Reads `text` line by line into libical's parser. Throws CCliError naming
// `name` (as messages show it, CInput::name) and the line of the BEGIN of the
// component at fault when the text is not a calendar, libical finds an error
// in the calendar or an event, an event has no date to start on, ends before
// it begins, or recurs in a way that has no days.
CCalendarHolidays ReadHolidayCalendar(std::string_view text, const std::string& name, int firstYear, int lastYear);
