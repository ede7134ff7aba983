// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/Holiday.h"

#include "core/CDateTime.h"

CRuleset::CRuleset() {
    const CDateTime today = CDateTime::Now();
    fixedDay = today.GetDay();
    fixedMonth = today.GetMonth();
    weekdayMonth = today.GetMonth();
    monthWeekday = today.GetDayOfWeek();
    relativeWeekday = today.GetDayOfWeek();
}
