// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTimeSpan.h"

#include <limits>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace

CDateTimeSpan::CDateTimeSpan(int days, int hours, int minutes, int secs)
    // |days| <= 2^31 gives at most about 1.9e14 seconds: far inside int64.
    : seconds(((std::int64_t{days} * 24 + hours) * 60 + minutes) * 60 + secs) {}

CDateTimeSpan CDateTimeSpan::FromSeconds(std::int64_t totalSeconds) {
    CDateTimeSpan span;
    span.seconds = totalSeconds;
    return span;
}

int CDateTimeSpan::GetDays() const {
    const std::int64_t days = seconds / kSecondsPerDay;  // truncates toward zero
    if (days > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (days < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(days);
}

CDateTimeSpan& CDateTimeSpan::operator-=(const CDateTimeSpan& other) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(seconds, other.seconds, &difference)) {
        // Only spans built from raw seconds can get here; saturate instead of wrapping.
        difference =
            other.seconds < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    }
    seconds = difference;
    return *this;
}

CDateTimeSpan CDateTimeSpan::operator-(const CDateTimeSpan& other) const {
    CDateTimeSpan result = *this;
    result -= other;
    return result;
}
