// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"

#include "core/CArchive.h"
#include "core/Clock.h"
#include "core/Weekday.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kDaysPer400Years = 146097;
constexpr std::int64_t kDaysPer100Years = 36524;
constexpr std::int64_t kDaysPer4Years = 1461;
constexpr std::int64_t kDaysPerYear = 365;

// Indexed by month 1..12; index 0 holds 0.
constexpr std::array<int, 13> kDaysInMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days before the month in a common year, indexed by month 1..13.
constexpr std::array<int, 14> kDaysBeforeMonth = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};

// The double nearest to 1/30.5. It lies slightly above 1/30.5, so the month
// estimate reaches the whole numbers exactly at the boundaries e = 61, 122, ...
constexpr double kOneOverThirtyAndAHalf = 0.03278688524590164;

bool IsValidMonth(int month) {
    return month >= 1 && month <= 12;
}

bool IsLeap(std::int64_t year) {
    return year % 4 == 0 && (year % 400 == 0 || year % 100 != 0);
}

// Floor division and the matching non-negative remainder (divisor > 0).
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return (value % divisor < 0) ? quotient - 1 : quotient;
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    return value - FloorDiv(value, divisor) * divisor;
}

// Day of year for a month in 1..12, in 64 bits so that any day argument fits.
std::int64_t DayOfYear64(std::int64_t year, int month, std::int64_t day) {
    const int leapDay = (month > 2 && IsLeap(year)) ? 1 : 0;
    return kDaysBeforeMonth[static_cast<std::size_t>(month)] + day + leapDay;
}

// Day number without validation: year 0 counts from 1 like year 1; otherwise
// 365 days per year before this one plus the leap days among them.
std::int64_t DayNumber64(std::int64_t year, int month, std::int64_t day) {
    const std::int64_t dayOfYear = DayOfYear64(year, month, day);
    if (year == 0) {
        return dayOfYear;
    }
    const std::int64_t p = year - 1;
    return dayOfYear + 365 * p + p / 4 - p / 100 + p / 400;
}

// ISO 8601 week of a date given by its year, day of year and weekday.
// Weeks start on Monday; week 1 is the week with the year's first Thursday.
int IsoWeek(std::int64_t year, std::int64_t dayOfYear, int weekday) {
    const std::int64_t week = (dayOfYear - 1 - weekday + 10) / 7;
    if (week == 0) {
        // Before the first Monday of week 1: the last week of the previous year.
        // 31 December always lands in week 52 or 53, so this recurses once only.
        const std::int64_t previous = year - 1;
        return IsoWeek(previous, DayOfYear64(previous, 12, 31), WeekdayOfDayNumber(DayNumber64(previous, 12, 31)));
    }
    if (week == 53 && WeekdayOfDayNumber(DayNumber64(year, 12, 28)) >= 3) {
        // The year has only 52 weeks: these days open week 1 of the next year.
        return 1;
    }
    return static_cast<int>(week);
}

int ClampToInt(std::int64_t value) {
    return static_cast<int>(
        std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

CDateTime::CDateTime(int y, int m, int d) {
    SetDateTime(y, m, d, 0, 0, 0);
}

bool CDateTime::IsLeapYear(int y) {
    return IsLeap(y);
}

int CDateTime::GetDaysInMonth(int y, int m) {
    if (!IsValidMonth(m) || y < 0) {
        return 0;
    }
    if (m == 2 && IsLeap(y)) {
        return 29;
    }
    return kDaysInMonth[static_cast<std::size_t>(m)];
}

int CDateTime::GetDayOfYear(int y, int m, int d) {
    if (!IsValidMonth(m)) {
        return 0;
    }
    return ClampToInt(DayOfYear64(y, m, d));
}

int CDateTime::GetDayNumber(int y, int m, int d) {
    if (y < 0 || d < 1 || d > GetDaysInMonth(y, m)) {
        return 0;  // also covers an invalid month, whose month length is 0
    }
    const std::int64_t number = DayNumber64(y, m, d);
    return number > std::numeric_limits<std::int32_t>::max() ? 0 : static_cast<int>(number);
}

int CDateTime::GetDayOfWeek(int y, int m, int d) {
    return WeekdayOfDayNumber(GetDayNumber(y, m, d));
}

int CDateTime::GetWeekOfYear(int y, int m, int d) {
    if (!IsValidMonth(m)) {
        return 0;
    }
    return IsoWeek(y, DayOfYear64(y, m, d), GetDayOfWeek(y, m, d));
}

bool CDateTime::SetDate(int y, int m, int d) {
    const int number = GetDayNumber(y, m, d);
    if (number == 0) {
        return false;
    }
    dayNumber = number;
    day = d;
    month = m;
    year = y;
    return true;
}

bool CDateTime::SetTime(int h, int m, int s) {
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
        return false;
    }
    hour = h;
    minute = m;
    second = s;
    secondsOfDay = 3600 * h + 60 * m + s;
    return true;
}

bool CDateTime::SetDateTime(int y, int mo, int d, int h, int mi, int s) {
    return SetDate(y, mo, d) && SetTime(h, mi, s);
}

CDateTime CDateTime::Now() {
    const CLocalTime now = ReadClock();
    CDateTime value;
    value.SetDateTime(now.year, now.month, now.day, now.hour, now.minute, now.second);
    return value;
}

int CDateTime::GetDayOfWeek() const {
    return WeekdayOfDayNumber(dayNumber);
}

int CDateTime::GetDayOfYear() const {
    return GetDayOfYear(year, month, day);
}

int CDateTime::GetWeekOfYear() const {
    return IsoWeek(year, DayOfYear64(year, month, day), GetDayOfWeek());
}

int CDateTime::GetDaysInMonth() const {
    return GetDaysInMonth(year, month);
}

CDateTime CDateTime::GetDateOnly() const {
    CDateTime date = *this;
    date.SetTime(0, 0, 0);
    return date;
}

bool CDateTime::operator==(const CDateTime& other) const {
    return dayNumber == other.dayNumber && secondsOfDay == other.secondsOfDay;
}

bool CDateTime::operator>(const CDateTime& other) const {
    return dayNumber > other.dayNumber || (dayNumber == other.dayNumber && secondsOfDay > other.secondsOfDay);
}

CDateTimeSpan CDateTime::operator-(const CDateTime& other) const {
    // |dayNumber| <= 2^31, so each total stays below 2^48 seconds.
    const std::int64_t mine = std::int64_t{dayNumber} * kSecondsPerDay + secondsOfDay;
    const std::int64_t theirs = std::int64_t{other.dayNumber} * kSecondsPerDay + other.secondsOfDay;
    return CDateTimeSpan::FromSeconds(mine - theirs);
}

CDateTime& CDateTime::operator+=(const CDateTimeSpan& span) {
    const std::int64_t total = span.GetTotalSeconds();
    MoveBy(total / kSecondsPerDay, total % kSecondsPerDay);
    return *this;
}

CDateTime& CDateTime::operator-=(const CDateTimeSpan& span) {
    // Negating the quotient and remainder separately cannot overflow, unlike
    // negating the total.
    const std::int64_t total = span.GetTotalSeconds();
    MoveBy(-(total / kSecondsPerDay), -(total % kSecondsPerDay));
    return *this;
}

void CDateTime::MoveBy(std::int64_t days, std::int64_t extraSeconds) {
    // days: |days| < 1.1e14; extraSeconds: (-86400, 86400).
    std::int64_t newDayNumber = std::int64_t{dayNumber} + days;
    std::int64_t newSeconds = std::int64_t{secondsOfDay} + extraSeconds;  // (-86400, 172800)
    if (newSeconds >= kSecondsPerDay) {
        newDayNumber += 1;
        newSeconds -= kSecondsPerDay;
    } else if (newSeconds < 0) {
        newDayNumber -= 1;
        newSeconds += kSecondsPerDay;
    }
    dayNumber = ClampToInt(newDayNumber);
    secondsOfDay = static_cast<std::int32_t>(newSeconds);
    SettleTime();
    SettleDate();
}

void CDateTime::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt32(dayNumber);
        archive.WriteInt32(secondsOfDay);
        return;
    }
    const std::size_t start = archive.Position();
    const std::int32_t loadedDayNumber = archive.ReadInt32();
    const std::int32_t loadedSeconds = archive.ReadInt32();
    if (loadedSeconds < 0 || loadedSeconds >= kSecondsPerDay) {
        throw CArchiveBadValue(start + 4, fmt::format("time of day {} seconds is outside 0..86399", loadedSeconds));
    }
    dayNumber = loadedDayNumber;
    secondsOfDay = loadedSeconds;
    SettleTime();
    SettleDate();
}

std::string CDateTime::Dump() const {
    return Format("%d.%m.%Y, %H:%M:%S");
}

void CDateTime::SettleTime() {
    // secondsOfDay is always in [0, 86399].
    hour = secondsOfDay / 3600;
    minute = (secondsOfDay % 3600) / 60;
    second = secondsOfDay % 60;
}

void CDateTime::SettleDate() {
    // Split the zero-based day count into 400-, 100-, 4- and 1-year cycles. The
    // last day of a 400-year cycle and of a 4-year cycle is the 366th day of a
    // leap year, which the plain division would put at day 0 of the next year.
    // Floor division extends the count below day number 1 (day 0 is 31
    // December of year 0) without changing anything from day number 1 on.
    const std::int64_t n = std::int64_t{dayNumber} - 1;
    const std::int64_t q400 = FloorDiv(n, kDaysPer400Years);
    std::int64_t r = FloorMod(n, kDaysPer400Years);  // [0, 146096]
    const bool lastDayOf400 = r == kDaysPer400Years - 1;
    const std::int64_t q100 = r / kDaysPer100Years;  // [0, 4]
    r %= kDaysPer100Years;
    const std::int64_t q4 = r / kDaysPer4Years;  // [0, 24]
    r %= kDaysPer4Years;                         // [0, 1460]
    const bool lastDayOf4 = r == kDaysPer4Years - 1;
    const std::int64_t q1 = r / kDaysPerYear;  // [0, 4]
    std::int64_t d = r % kDaysPerYear;
    std::int64_t y = 400 * q400 + 100 * q100 + 4 * q4 + q1;
    if (lastDayOf400 || lastDayOf4) {
        d = 365;
        y -= 1;
    }
    y += 1;
    // d: zero-based day of the year, [0, 365].
    const int leap = IsLeap(y) ? 1 : 0;

    // Month estimate at 30.5 days a month, counted from 1 March so that
    // February's length does not matter; [1, 13].
    const std::int64_t e = d - leap - 59;
    int m = 0;
    if (e >= 0) {
        m = static_cast<int>(static_cast<double>(e) * kOneOverThirtyAndAHalf + 3.0);
    } else {
        m = static_cast<int>(static_cast<double>(d) * kOneOverThirtyAndAHalf + 1.0);
    }
    std::int64_t dd = d - kDaysBeforeMonth[static_cast<std::size_t>(m)] + 1;
    if (m > 2 && leap == 1) {
        dd -= 1;
    }
    if (dd == 0) {
        // The estimate runs one month ahead on 31 August, 31 October and 31 December.
        m -= 1;
        dd = 31;
    }
    day = static_cast<std::int32_t>(dd);
    month = m;
    year = static_cast<std::int32_t>(y);
}
