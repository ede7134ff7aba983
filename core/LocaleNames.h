// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

// Month and weekday names and the day-half designators of one locale, as UTF-8.
// Weekdays: 0 = Monday ... 6 = Sunday; months: 1 = January ... 12 = December.
//
// Every name is the plain (stand-alone, nominative) form, "январь" and
// "tammikuu" rather than the inflected "января" and "tammikuuta": the lists of
// months and weekdays show them, and the %-directives of CDateTime::Format
// write the same names.
class ILocaleNames {
public:
    virtual ~ILocaleNames() = default;
    virtual std::string MonthName(int month) const = 0;
    virtual std::string DayName(int weekday) const = 0;
    virtual std::string AbbreviatedDayName(int weekday) const = 0;
    virtual std::string AbbreviatedMonthName(int month) const = 0;
    virtual std::string MorningDesignator() const = 0;    // "AM"
    virtual std::string AfternoonDesignator() const = 0;  // "PM"
};

// The names of the user's regional format (RegionalFormat.h; the C or POSIX
// locale gives US English).
std::unique_ptr<ILocaleNames> MakeUserLocaleNames();
// A fixed US English set, independent of the machine (tests).
std::unique_ptr<ILocaleNames> MakeEnglishLocaleNames();

// The names used by GetDayName, GetMonthName and CDateTime::Format. Until
// SetLocaleNames installs another set, these are the user's regional format's.
const ILocaleNames& CurrentLocaleNames();
// An empty pointer goes back to the user's default locale.
void SetLocaleNames(std::unique_ptr<ILocaleNames> names);

// Full plain names of the current locale; out-of-range arguments give "".
std::string GetDayName(int weekday);
std::string GetMonthName(int month);
