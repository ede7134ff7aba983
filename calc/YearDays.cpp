// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/YearDays.h"

#include "core/CDateTime.h"

namespace {

constexpr int kFirstYearWithDays = 0;
constexpr int kLastYearWithDays = 9999;

}  // namespace

CYearDays::CYearDays(int calendarYear) : year(calendarYear) {
    if (year >= kFirstYearWithDays && year <= kLastYearWithDays) {
        leap = CDateTime::IsLeapYear(year);
        first = CDateTime::GetDayNumber(year, 1, 1);
        last = first + (leap ? 365 : 364);
    }
}
