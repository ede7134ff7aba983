// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AlphabeticalOrder.h"

#include "core/RegionalFormat.h"

#include <unicode/ucol.h>
#include <unicode/uiter.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

// The locale whose order the collator takes: the POSIX variant's order is
// that of character codes, so it takes the root order instead.
std::string CollationLocale(const std::string& locale) {
    std::array<char, ULOC_FULLNAME_CAPACITY> variant{};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getVariant(locale.c_str(), variant.data(), static_cast<int32_t>(variant.size()), &status);
    if (U_SUCCESS(status) && std::strcmp(variant.data(), "POSIX") == 0) {
        return "root";
    }
    return locale;
}

// ICU counts characters in int32_t; longer texts are ordered by their start.
int32_t IcuLength(std::u16string_view text) {
    return static_cast<int32_t>(std::min<std::size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void CAlphabeticalOrder::CollatorCloser::operator()(UCollator* opened) const {
    ucol_close(opened);
}

CAlphabeticalOrder::CAlphabeticalOrder(const std::string& locale) {
    // ICU falls back from the locale to its language and then to the root
    // order (it loads collation data without its default locale), and says
    // so with a warning, which is no failure.
    UErrorCode status = U_ZERO_ERROR;
    collator.reset(ucol_open(CollationLocale(locale).c_str(), &status));
    if (U_FAILURE(status) || !collator) {
        status = U_ZERO_ERROR;
        collator.reset(ucol_open("root", &status));
    }
    if (collator) {
        ucol_setStrength(collator.get(), UCOL_SECONDARY);
    }
}

CAlphabeticalOrder::~CAlphabeticalOrder() = default;

const CAlphabeticalOrder& CAlphabeticalOrder::User() {
    static const CAlphabeticalOrder order(UserRegionalFormatLocale());
    return order;
}

std::uint64_t CAlphabeticalOrder::KeyStart(std::u16string_view text) const {
    std::array<std::uint8_t, 8> bytes{};
    int32_t count = 0;
    if (collator) {
        // The key's bytes come in parts; the first part is all we need.
        UCharIterator iterator;
        uiter_setString(&iterator, text.data(), IcuLength(text));
        std::array<std::uint32_t, 2> state{};
        UErrorCode status = U_ZERO_ERROR;
        count = ucol_nextSortKeyPart(collator.get(), &iterator, state.data(), bytes.data(),
                                     static_cast<int32_t>(bytes.size()), &status);
        if (U_FAILURE(status)) {
            return 0;
        }
    }
    std::uint64_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        start = (start << 8) | (static_cast<int32_t>(i) < count ? bytes[i] : 0U);
    }
    return start;
}

int CAlphabeticalOrder::Compare(std::u16string_view a, std::u16string_view b) const {
    if (!collator) {
        return a.compare(b);  // ICU without collation data: the order of UTF-16 code units
    }
    return ucol_strcoll(collator.get(), a.data(), IcuLength(a), b.data(), IcuLength(b));
}
