// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/HolidayListing.h"

#include <vector>

// One line of a difference between two listings: a holiday on a day that
// only the old listing has ('-') or only the new one has ('+').
struct CListingChange {
    char sign;  // '-' or '+'
    CListedHoliday holiday;
};

// When two entries of a day are the same holiday.
enum class EListingMatch {
    IdAndDisplay,  // their IDs and display texts are equal
    Display,       // their display texts are, as an event's SUMMARY holds them (CalendarText)
    Day,           // always: only the number of entries of a day counts
};

// The changes from `before` to `after`, two listings of the same year in
// preview order. Each entry matches at most one of the same day, the first
// that is the same holiday and not matched yet, so a holiday listed twice on
// a day in one listing and once in the other gives one change. The changes
// come in date order, within a day first those only `before` has, then those
// only `after` has, each in its listing's order. Equal listings give none.
std::vector<CListingChange> CompareListings(const std::vector<CListedHoliday>& before,
                                            const std::vector<CListedHoliday>& after,
                                            EListingMatch match = EListingMatch::IdAndDisplay);
