// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HolidayDiff.h"

#include "cli/HolidayCalendar.h"

#include <cstddef>

namespace {

bool SameHoliday(const CListedHoliday& a, const CListedHoliday& b, EListingMatch match) {
    switch (match) {
    case EListingMatch::IdAndDisplay: return a.id == b.id && a.display == b.display;
    case EListingMatch::Display: return CalendarText(a.display) == CalendarText(b.display);
    case EListingMatch::Day: return true;
    }
    return false;
}

// The end of the run of entries from `begin` that share its day.
std::size_t EndOfDay(const std::vector<CListedHoliday>& listing, std::size_t begin) {
    std::size_t end = begin;
    while (end < listing.size() && listing[end].date == listing[begin].date) {
        ++end;
    }
    return end;
}

}  // namespace

std::vector<CListingChange> CompareListings(const std::vector<CListedHoliday>& before,
                                            const std::vector<CListedHoliday>& after, EListingMatch match) {
    std::vector<CListingChange> changes;
    std::size_t b = 0;
    std::size_t a = 0;
    while (b < before.size() || a < after.size()) {
        // The next day that either listing has; a listing without it gives an
        // empty run for it.
        const bool beforeHasDay = b < before.size() && (a == after.size() || !(before[b].date > after[a].date));
        const bool afterHasDay = a < after.size() && (b == before.size() || !(after[a].date > before[b].date));
        const std::size_t beforeEnd = beforeHasDay ? EndOfDay(before, b) : b;
        const std::size_t afterEnd = afterHasDay ? EndOfDay(after, a) : a;

        std::vector<bool> matched(afterEnd - a, false);
        for (std::size_t i = b; i < beforeEnd; ++i) {
            std::size_t j = 0;
            while (j < matched.size() && (matched[j] || !SameHoliday(before[i], after[a + j], match))) {
                ++j;
            }
            if (j < matched.size()) {
                matched[j] = true;
            } else {
                changes.push_back({'-', before[i]});
            }
        }
        for (std::size_t j = 0; j < matched.size(); ++j) {
            if (!matched[j]) {
                changes.push_back({'+', after[a + j]});
            }
        }
        b = beforeEnd;
        a = afterEnd;
    }
    return changes;
}
