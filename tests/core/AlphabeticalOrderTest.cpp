// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AlphabeticalOrder.h"

#include <unicode/locid.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

namespace {

// -1, 0 or 1 as the first text comes before, with or after the second.
int Order(const CAlphabeticalOrder& order, std::u16string_view a, std::u16string_view b) {
    const std::uint64_t aStart = order.KeyStart(a);
    const std::uint64_t bStart = order.KeyStart(b);
    return order.Before(aStart, a, bStart, b) ? -1 : (order.Before(bStart, b, aStart, a) ? 1 : 0);
}

}  // namespace

// Character codes put "Äpfel" after "Zitrone" and "Banana" before "apple".
// With ICU's default locale Swedish, an unknown locale must not take the
// Swedish order either.
TEST(AlphabeticalOrder, FollowsTheLocaleIgnoringCaseAndFallsBackToTheLanguageThenRoot) {
    const icu::Locale savedDefault = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("sv_SE"), status);
    const struct {
        const char* locale;
        std::u16string_view a;
        std::u16string_view b;
        int order;
    } cases[] = {
        {"de_DE", u"\u00C4pfel", u"Zitrone", -1},  // Ä with A
        {"de_DE", u"\u00C9clair", u"Emil", -1},    // É with E
        {"de_DE", u"\u00D6l", u"Zucker", -1},      // Ö with O
        {"de_DE", u"\u00FCben", u"Zebra", -1},     // ü with u
        {"de_DE", u"apple", u"Banana", -1},        // case ignored
        {"de_DE", u"XMAS", u"xmas", 0},            // equal up to case
        {"de_DE", u"Emil", u"\u00C9mil", -1},      // the accent tells them apart
        {"sv_SE", u"\u00C4pple", u"Zebra", 1},     // Swedish: Ä after Z
        {"sv_XX", u"\u00C4pple", u"Zebra", 1},     // the language's order
        {"xx_YY", u"\u00C4pfel", u"Zitrone", -1},  // the root order
        {"en_US_POSIX", u"apple", u"Banana", -1},  // not the order of character codes
        {"en_US_POSIX", u"XMAS", u"xmas", 0},
    };
    for (const auto& c : cases) {
        const CAlphabeticalOrder order(c.locale);
        EXPECT_EQ(Order(order, c.a, c.b), c.order) << c.locale << " case " << (&c - cases);
        EXPECT_EQ(Order(order, c.b, c.a), -c.order) << c.locale << " case " << (&c - cases);
    }
    icu::Locale::setDefault(savedDefault, status);
}

// The start of a key may decide only where the collator agrees; texts that
// share long starts, and that differ in case or accents only, need it.
TEST(AlphabeticalOrder, KeyStartsOrderTextsAsTheCollatorDoes) {
    const std::u16string_view letters = u"aAbBeE\u00C9\u00E9\u00C4zZ_09 \u0416\u0436\u6F22\U0001F600";
    std::mt19937 random(21);
    const auto text = [&] {
        std::u16string made = random() % 2 == 0 ? u"HEILIGE_DREI_" : u"";
        for (std::size_t length = random() % 6; length > 0; --length) {
            made += letters[random() % letters.size()];
        }
        return made;
    };
    for (const char* locale : {"de_DE", "sv_SE", "ru_RU"}) {
        const CAlphabeticalOrder order(locale);
        for (int i = 0; i < 2000; ++i) {
            const std::u16string a = text();
            const std::u16string b = text();
            const std::uint64_t aStart = order.KeyStart(a);
            const std::uint64_t bStart = order.KeyStart(b);
            ASSERT_NE(aStart, 0U);
            if (aStart != bStart) {
                EXPECT_EQ(aStart < bStart, order.Compare(a, b) < 0) << locale << " at " << i;
            }
        }
    }
}
