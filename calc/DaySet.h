// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

// A set of days of the year (1..366) as bits: emptied in a few stores and
// walked in day order by skipping the days that are not in it.
class CDaySet {
public:
    static constexpr int kDays = 366;

    // dayOfYear: 1..kDays.
    void Insert(int dayOfYear) {
        const auto bit = static_cast<std::size_t>(dayOfYear - 1);
        words[bit / kWordBits] |= std::uint64_t{1} << (bit % kWordBits);
    }

    // The first day of the set from dayOfYear on, or 0 when there is none.
    int NextFrom(int dayOfYear) const {
        if (dayOfYear < 1) {
            dayOfYear = 1;
        }
        if (dayOfYear > kDays) {
            return 0;
        }
        const auto bit = static_cast<std::size_t>(dayOfYear - 1);
        std::size_t word = bit / kWordBits;
        std::uint64_t rest = words[word] & (~std::uint64_t{0} << (bit % kWordBits));
        while (rest == 0) {
            if (++word == words.size()) {
                return 0;
            }
            rest = words[word];
        }
        return static_cast<int>(word * kWordBits) + std::countr_zero(rest) + 1;
    }

    void Clear() { words.fill(0); }

private:
    static constexpr std::size_t kWordBits = 64;
    // Day d is bit (d - 1) % 64 of word (d - 1) / 64.
    std::array<std::uint64_t, (kDays + kWordBits - 1) / kWordBits> words{};
};
