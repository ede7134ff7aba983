// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/YearDays.h"
#include "core/CDateTime.h"

// The three movable feasts that rules refer to by reserved IDs, at 00:00:00.
// Meaningful for years 0 to 9999 (the Orthodox date, with its fixed 13-day
// offset, is the true one from 1900 to 2099); other years give some date but
// no undefined behaviour.
CDateTime GetEasterDate(int year);          // Gregorian Easter Sunday (Gauss)
CDateTime GetOrthodoxEasterDate(int year);  // Julian Easter + 13 days
CDateTime GetAdventDate(int year);          // first Sunday of Advent

// The same feasts as day numbers (CDateTime::GetDayNumber), for a year with
// days; they agree with the dates above.
int GetEasterDayNumber(const CYearDays& year);
int GetOrthodoxEasterDayNumber(const CYearDays& year);
int GetAdventDayNumber(const CYearDays& year);
