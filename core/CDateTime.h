// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTimeSpan.h"

#include <cstdint>
#include <string>
#include <string_view>

class CArchive;

// A proleptic Gregorian date with a time of day, held as a running day number
// (1 = 1 January of year 1) plus seconds of the day, and as broken-down fields
// that always describe them.
//
// Results are meaningful for day numbers 1 to 3652059 (1 January of year 1 to
// 31 December 9999) and for year 0 through the setters. No argument causes
// undefined behaviour: outside that range the fields still follow the
// proleptic Gregorian calendar (day number 0 is 31 December of year 0, lower
// numbers give negative years), and arithmetic that would leave the int32
// range of day numbers stops at its ends (see operator+=). Code that computes
// holidays treats day numbers outside 1..3652059 as no date.
class CDateTime {
public:
    static constexpr int kFirstDayNumber = 1;
    static constexpr int kLastDayNumber = 3652059;  // 31 December 9999

    CDateTime() = default;                    // 1 January of year 1, 00:00:00
    CDateTime(int year, int month, int day);  // callers pass a valid date

    // Pure calendar functions. Weekdays: 0 = Monday ... 6 = Sunday.
    static bool IsLeapYear(int year);
    // 0 for month outside 1..12 or year < 0.
    static int GetDaysInMonth(int year, int month);
    // Days before the month plus day, without checking the day; 0 for a month
    // outside 1..12.
    static int GetDayOfYear(int year, int month, int day);
    // 0 for an invalid date, and for years after 5879610, whose day numbers
    // do not fit in 32 bits.
    static int GetDayNumber(int year, int month, int day);
    // (GetDayNumber + 6) mod 7, so an invalid date gives 6.
    static int GetDayOfWeek(int year, int month, int day);
    // ISO 8601, 1..53 for a valid date; 0 for a month outside 1..12.
    static int GetWeekOfYear(int year, int month, int day);

    // Each returns false and changes nothing when its arguments are invalid.
    // SetDateTime sets the date first and keeps it even when the time is invalid.

    bool SetDate(int year, int month, int day);
    bool SetTime(int hour, int minute, int second);
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);

    // The current local date and time, read from the replaceable clock (Clock.h).
    static CDateTime Now();

    int GetDay() const { return day; }
    int GetMonth() const { return month; }
    int GetYear() const { return year; }
    int GetHour() const { return hour; }
    int GetMinute() const { return minute; }
    int GetSecond() const { return second; }
    int GetDayNumber() const { return dayNumber; }
    int GetSecondsOfDay() const { return secondsOfDay; }
    int GetDayOfWeek() const;
    int GetDayOfYear() const;
    int GetWeekOfYear() const;
    int GetDaysInMonth() const;
    CDateTime GetDateOnly() const;

    // %-directive formatting with the names of the current locale (LocaleNames.h).
    std::string Format(std::string_view format) const;

    // Equality and order of the day number, then the seconds of the day.
    bool operator==(const CDateTime& other) const;
    bool operator>(const CDateTime& other) const;
    // Seconds from other to this value; negative when other is later.
    CDateTimeSpan operator-(const CDateTime& other) const;
    // Move by the span's whole days and its remaining seconds, carrying into
    // the day in either direction, so the time of day stays in 00:00:00..23:59:59.
    // A day number that would leave the int32 range stops at INT32_MIN or
    // INT32_MAX (the time of day is still moved).
    CDateTime& operator+=(const CDateTimeSpan& span);
    CDateTime& operator-=(const CDateTimeSpan& span);

    // Two little-endian int32 values: dayNumber, then secondsOfDay. Loading
    // throws CArchiveEndOfData when the bytes run out and CArchiveBadValue for
    // a time of day outside 0..86399; either way the value stays unchanged.
    void Serialize(CArchive& archive);
    // "dd.mm.yyyy, hh:mm:ss"
    std::string Dump() const;

private:
    void SettleTime();  // hour, minute, second from secondsOfDay
    void SettleDate();  // day, month, year from dayNumber
    // days: any whole-day count of a span; extraSeconds: (-86400, 86400).
    void MoveBy(std::int64_t days, std::int64_t extraSeconds);

    std::int32_t dayNumber = 1;
    std::int32_t secondsOfDay = 0;
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 1;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};
