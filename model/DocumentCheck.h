// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"

#include <string>
#include <vector>

// One thing an author of a holiday file would want to know about a holiday.
struct CFinding {
    int holidayIndex = 0;  // 0-based position in the document
    std::string id;        // the holiday's ID as UTF-8, or "#<position>" when it is empty
    std::string message;   // UTF-8

    std::string Line() const { return id + ": " + message; }
};

// The years in which the check calculates every holiday.
constexpr int kCheckFirstYear = 1900;
constexpr int kCheckLastYear = 2100;

// Everything worth a note, ordered by holiday: IDs that are empty, reserved,
// hold a comma or are too long for the editor; values outside the editor's
// choices; references to IDs that no holiday has; rulesets that never apply.
// What the year calculation makes of the holidays from kCheckFirstYear to
// kCheckLastYear, as the calculation itself reports it: holidays whose
// repeated ID another holiday resolves first, holidays that wait for each
// other in a cycle, and holidays that resolve in no year or have no date in
// any year.
std::vector<CFinding> CheckDocument(const CHolidays& document);
