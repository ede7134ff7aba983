// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The user's regional format: the locale whose month and weekday names and
// whose LCID the program uses as the user's default locale. On POSIX systems
// that is the locale of the LC_TIME category, named by the first of LC_ALL,
// LC_TIME and LANG that is set and not empty (the usual POSIX precedence). It
// is read from the environment at each call, not from setlocale, so it does
// not depend on which locales the C library has installed. The language of
// messages (LC_MESSAGES, LANGUAGE) plays no part.
//
// The result is an ICU locale ID: "de_DE.UTF-8" gives "de_DE", the glibc
// modifiers "@latin" and "@cyrillic" become the script ("sr_RS@latin" gives
// "sr_Latn_RS"), other modifiers ("@euro") are dropped, and no locale, "C" or
// "POSIX" give "en_US_POSIX".
std::string UserRegionalFormatLocale();

// The first day of the week in the user's regional format, 0 = Monday ...
// 6 = Sunday (ICU's calendar data for the locale's region; Monday for a
// locale ICU does not know).
int UserFirstDayOfWeek();
