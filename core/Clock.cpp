// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Clock.h"

#include <algorithm>
#include <ctime>
#include <utility>

namespace {

CLocalTime ReadSystemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
        return CLocalTime{};
    }
    CLocalTime time;
    time.year = local.tm_year + 1900;
    time.month = local.tm_mon + 1;
    time.day = local.tm_mday;
    time.hour = local.tm_hour;
    time.minute = local.tm_min;
    time.second = std::min(local.tm_sec, 59);  // a leap second reads as :59
    return time;
}

ClockSource& InstalledSource() {
    static ClockSource source;
    return source;
}

}  // namespace

CLocalTime ReadClock() {
    const ClockSource& source = InstalledSource();
    return source ? source() : ReadSystemClock();
}

void SetClockSource(ClockSource source) {
    InstalledSource() = std::move(source);
}

CScopedFixedClock::CScopedFixedClock(CLocalTime fixed) {
    SetClockSource([fixed] { return fixed; });
}

CScopedFixedClock::~CScopedFixedClock() {
    SetClockSource({});
}
