// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct UCollator;

// The alphabetical order of a locale, ignoring case, as the platform's sorted
// lists keep their items: ICU's collator at the secondary strength, so that
// letters and accents tell texts apart and case does not ("XMAS" and "xmas"
// are equal, "Äpfel" comes before "Zitrone" in German and after it in
// Swedish). Other differences that ICU ranks below accents count no more
// than case does ("ß" and "ss", full-width and plain letters).
//
// The collator orders texts as their sort keys compare, byte by byte. The
// first 8 bytes of a text's key (KeyStart), computed once per text, order
// most pairs of texts without the collator; only texts whose keys start
// alike need it (Before).
class CAlphabeticalOrder {
public:
    // The order of an ICU locale ID ("de_DE"). A locale ICU has no order for
    // falls back to its language's, then to the root order, which English
    // uses; never to ICU's default locale. The POSIX locale ("en_US_POSIX",
    // the regional format of "C") gets the root order: ICU orders it by
    // character codes, upper case first, which does not ignore case.
    explicit CAlphabeticalOrder(const std::string& locale);
    ~CAlphabeticalOrder();
    CAlphabeticalOrder(const CAlphabeticalOrder&) = delete;
    CAlphabeticalOrder& operator=(const CAlphabeticalOrder&) = delete;

    // The order of the user's regional format (RegionalFormat.h), made on
    // first use.
    static const CAlphabeticalOrder& User();

    // The first 8 bytes of the text's sort key as a number, high byte first
    // (a shorter key is followed by zero bytes, which no key holds): of two
    // texts with different starts, the one with the smaller start comes
    // first. 0 says nothing (no key starts with a zero byte; ICU failed).
    // Texts are UTF-16; unpaired surrogates are allowed.
    std::uint64_t KeyStart(std::u16string_view text) const;
    // Negative, zero or positive as `a` comes before, with or after `b`.
    int Compare(std::u16string_view a, std::u16string_view b) const;
    // Whether two key starts tell the order of their texts (aStart < bStart
    // then says that the first comes first): they differ, and neither is 0.
    static bool StartsTell(std::uint64_t aStart, std::uint64_t bStart) {
        return aStart != bStart && aStart != 0 && bStart != 0;
    }
    // Whether `a`, whose key starts with `aStart`, comes before `b`.
    bool Before(std::uint64_t aStart, std::u16string_view a, std::uint64_t bStart, std::u16string_view b) const {
        return StartsTell(aStart, bStart) ? aStart < bStart : Compare(a, b) < 0;
    }

private:
    struct CollatorCloser {
        void operator()(UCollator* collator) const;
    };
    std::unique_ptr<UCollator, CollatorCloser> collator;
};
