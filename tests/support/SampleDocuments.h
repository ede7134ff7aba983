// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"
#include "tests/support/RecordPrinter.h"

#include <vector>

// A document holding the holidays as loaded from a file (version 100,
// calcYear 0, nothing calculated yet).
CHolidays MakeDocument(LCID language, const std::vector<CHoliday>& holidays);

// The German national holidays as a realistic country file: language 0x0407,
// version 100, display texts as Windows-1252 bytes. Every field is set
// explicitly, so the content does not depend on the day it is built.
CHolidays MakeGermanHolidays();

// The worst case for the passes of the year calculation: `count` holidays
// "H0" .. "H<count-1>", each 0 days after the next one in the list, the last
// on 1 January. Every pass resolves exactly one of them, from the end.
CHolidays MakeChainedHolidays(int count);

// `count` holidays with distinct random IDs of mixed case and a random mix of
// rules, as a large country or company file might hold: fixed dates, weekdays
// of a month, days and weekdays before or after Easter or an earlier holiday,
// some limited in years, some with shift rules. Language 0x0409. The same
// seed gives the same document.
CHolidays MakeRandomHolidays(int count, unsigned seed = 1);

// `count` holidays "H0" .. "H<count-1>" in German (0x0407) with a mix of
// rules as country files hold them: fixed dates, weekdays of a month, days
// from Easter and weekdays from an earlier holiday, some with a second
// ruleset for other years and some with shift rules. The display texts hold
// Windows-1252 letters beyond ASCII. The same count gives the same document.
CHolidays MakeMixedHolidays(int count);

// A ruleset with every field set to the values of a new ruleset made on
// 1 January 2024 (a Monday), whatever the clock says.
CRuleset MakeFixedRuleset();
