// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShownText.h"
#include "core/WindowsLocale.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

namespace {

const int kSingleByteCodePages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

void ExpectReadBack(const CCodePage& codePage, const std::string& bytes) {
    const std::string shown = ShowText(codePage, bytes);
    EXPECT_EQ(ReadShownText(codePage, shown), bytes) << "code page " << codePage.Number() << ", shown " << shown;
}

}  // namespace

TEST(ShownText, EveryByteOfEverySingleByteCodePageReadsBackUnchanged) {
    for (const int number : kSingleByteCodePages) {
        const CCodePage codePage(number);
        std::string all;
        for (int byte = 0; byte < 256; ++byte) {
            all += static_cast<char>(byte);
            ExpectReadBack(codePage, std::string(1, static_cast<char>(byte)));
        }
        ExpectReadBack(codePage, all);
    }
}

// Random texts, rich in backslashes, "x", hex digits, lead bytes and bytes
// that stand for no character, so that escapes and text meet in every order.
TEST(ShownText, RandomBytesReadBackUnchangedInEveryCodePage) {
    const char kLikely[] = {'\\',   'x',    'X',    '8',    '1',    'A',    'f',    'g',
                            '\x81', '\x82', '\xA0', '\xE4', '\xED', '\xFF', '\x1A', '\0'};
    std::mt19937 random(20240515);
    for (const int number : kAnsiCodePages) {
        const CCodePage codePage(number);
        for (int round = 0; round < 400; ++round) {
            std::string bytes(random() % 12, '\0');
            for (char& byte : bytes) {
                byte = random() % 2 == 0 ? kLikely[random() % sizeof kLikely] : static_cast<char>(random());
            }
            ExpectReadBack(codePage, bytes);
        }
    }
}

TEST(ShownText, ShowsCharactersAsThemselvesAndOtherBytesAsEscapes) {
    const struct {
        int codePage;
        std::string bytes;
        const char* shown;
    } cases[] = {
        {1252, "Mari\xE4", "Mari\xC3\xA4"}, {1252, "Mari\xF6", "Mari\xC3\xB6"},
        {1253, "a\xD2z", "a\\xD2z"},      // unassigned in 1253
        {932, "a\x82", "a\\x82"},         // a lead byte without its trail byte
        {932, "\xED\x40", "\\xED\\x40"},  // decodes, but encodes back as FA 5C
        {0, "Mari\xE4", "Mari\\xE4"},     // not UTF-8
        {1252, "C:\\temp", "C:\\temp"},   // an ordinary backslash
        {1252, "\\x81", "\\\\x81"},       // the text "\x81", not the byte
        {1252, "a\\\\", "a\\\\\\"},       // two backslashes
        {1253, "\\\xD2", "\\\\\\xD2"},    // a backslash before an escape
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowText(CCodePage(c.codePage), c.bytes), c.shown) << c.codePage << " " << c.shown;
    }
}

TEST(ShownText, TypedTextIsEncodedAndRefusedWhereTheCodePageHasNoCharacter) {
    const struct {
        int codePage;
        const char* typed;
        std::optional<std::string> bytes;
    } cases[] = {
        {1252, "Mari\xC3\xBC", "Mari\xFC"},      {1251, "\xD0\x94", "\xC4"}, {932, "\xE5\x85\x83", "\x8C\xB3"},
        {1252, "a\\xe4\\X41\\", "a\xE4\\X41\\"},  // escapes in either case; others are text
        {1252, "\xD0\x94", std::nullopt},         // Cyrillic De
        {1252, "a\xE2\x80\x8B", std::nullopt},    // zero-width space
        {932, "\xC2\xAD", std::nullopt},          // soft hyphen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadShownText(CCodePage(c.codePage), c.typed), c.bytes) << c.codePage << " " << c.typed;
    }
    EXPECT_EQ(FirstUnheldCharacter(CCodePage(1252), "ab\xD0\x94\xE2\x80\x8B"), U'\x0414');
    EXPECT_EQ(FirstUnheldCharacter(CCodePage(1252), "ab\xC3\xA4"), std::nullopt);
}
