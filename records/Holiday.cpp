// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Holiday.h"

#include "core/CDateTime.h"

CRuleset NewRulesetOn(const CDateTime& today) {
    CRuleset ruleset;
    ruleset.fixedDay = today.GetDay();
    ruleset.fixedMonth = today.GetMonth();
    ruleset.weekdayMonth = today.GetMonth();
    ruleset.monthWeekday = today.GetDayOfWeek();
    ruleset.relativeWeekday = today.GetDayOfWeek();
    return ruleset;
}
