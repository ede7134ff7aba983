// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The source of the current local date and time behind CDateTime::Now().
// Tests replace it, because the defaults of new rulesets depend on today.
struct CLocalTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

using ClockSource = std::function<CLocalTime()>;

// The current local time from the installed source (the system clock by default).
CLocalTime ReadClock();
// Installs a source; an empty function restores the system clock.
void SetClockSource(ClockSource source);

// Installs a fixed time for the lifetime of the object (tests).
class CScopedFixedClock {
public:
    explicit CScopedFixedClock(CLocalTime fixed);
    ~CScopedFixedClock();
    CScopedFixedClock(const CScopedFixedClock&) = delete;
    CScopedFixedClock& operator=(const CScopedFixedClock&) = delete;
};
