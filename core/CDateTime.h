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
// 31 December 9999) and year 0 through the setters. Arithmetic that leaves that
// range yields some value but never undefined behaviour.
class CDateTime {
public:
    static constexpr int kFirstDayNumber = 1;
    static constexpr int kLastDayNumber = 3652059;  // 31 December 9999

    CDateTime() = default;  // 1 January of year 1, 00:00:00
    CDateTime(int year, int month, int day);  // callers pass a valid date

    // Pure calendar functions. Weekdays: 0 = Monday ... 6 = Sunday.
    static bool IsLeapYear(int year);
    static int GetDaysInMonth(int year, int month);  // 0 for month outside 1..12 or year < 0
    static int GetDayOfYear(int year, int month, int day);
    static int GetDayNumber(int year, int month, int day);  // 0 for an invalid date
    static int GetDayOfWeek(int year, int month, int day);
    static int GetWeekOfYear(int year, int month, int day);  // ISO 8601, 1..53

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

    bool operator==(const CDateTime& other) const;
    bool operator>(const CDateTime& other) const;
    CDateTimeSpan operator-(const CDateTime& other) const;
    CDateTime& operator+=(const CDateTimeSpan& span);
    CDateTime& operator-=(const CDateTimeSpan& span);

    // Two little-endian int32 values: dayNumber, then secondsOfDay.
    void Serialize(CArchive& archive);
    // "dd.mm.yyyy, hh:mm:ss"
    std::string Dump() const;

private:
    void SettleTime();  // hour, minute, second from secondsOfDay
    void SettleDate();  // day, month, year from dayNumber

    std::int32_t dayNumber = 1;
    std::int32_t secondsOfDay = 0;
    std::int32_t day = 1;
    std::int32_t month = 1;
    std::int32_t year = 1;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};
