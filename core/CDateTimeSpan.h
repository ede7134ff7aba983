// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// A signed duration in whole seconds. Moves a CDateTime forwards or backwards.
class CDateTimeSpan {
public:
    CDateTimeSpan() = default;
    // ((days * 24 + hours) * 60 + minutes) * 60 + seconds, computed in 64 bits;
    // no 32-bit arguments can overflow it.
    CDateTimeSpan(int days, int hours, int minutes, int seconds);

    // Whole days, truncated toward zero. Saturates at the int range for spans
    // beyond +-2^31 days, which no calendar date can use.
    int GetDays() const;
    std::int64_t GetTotalSeconds() const { return seconds; }

    // 64-bit difference; saturates at the int64 range instead of wrapping
    // (reachable only through FromSeconds with extreme values).
    CDateTimeSpan& operator-=(const CDateTimeSpan& other);
    CDateTimeSpan operator-(const CDateTimeSpan& other) const;
    bool operator<(const CDateTimeSpan& other) const { return seconds < other.seconds; }
    bool operator==(const CDateTimeSpan& other) const = default;

    static CDateTimeSpan FromSeconds(std::int64_t seconds);

private:
    std::int64_t seconds = 0;
};
