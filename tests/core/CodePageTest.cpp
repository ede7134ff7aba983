// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CodePage.h"
#include "core/WindowsLocale.h"

#include <gtest/gtest.h>

#include <unicode/uchar.h>

#include <string>
#include <vector>

namespace {

const int kSingleByteCodePages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

}  // namespace

TEST(CodePage, EverySingleByteThatDecodesEncodesBackToItself) {
    for (const int number : kSingleByteCodePages) {
        const CCodePage codePage(number);
        ASSERT_TRUE(codePage.IsSupported()) << number;
        int decoded = 0;
        for (int byte = 0; byte < 256; ++byte) {
            const std::string bytes(1, static_cast<char>(byte));
            const auto utf8 = codePage.ToUtf8(bytes);
            if (!utf8) {
                continue;
            }
            ++decoded;
            const auto back = codePage.FromUtf8(*utf8);
            ASSERT_TRUE(back.has_value()) << "code page " << number << ", byte " << byte;
            EXPECT_EQ(*back, bytes) << "code page " << number << ", byte " << byte;
        }
        EXPECT_GE(decoded, 240) << number;  // only a few unassigned bytes at most
    }
}

TEST(CodePage, KnownCharactersInEachCodePage) {
    struct Case {
        int codePage;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {1252, "\x80 \xE9", "\xE2\x82\xAC \xC3\xA9"},  // euro sign, e acute
        {1250, "\x8A", "\xC5\xA0"},                    // S caron
        {1251, "\xC4\xE0", "\xD0\x94\xD0\xB0"},        // Cyrillic De, a
        {1253, "\xC1", "\xCE\x91"},                    // Greek Alpha
        {1254, "\xD0", "\xC4\x9E"},                    // G breve
        {1255, "\xE0", "\xD7\x90"},                    // Alef
        {1256, "\xC7", "\xD8\xA7"},                    // Alef
        {1257, "\xC0", "\xC4\x84"},                    // A ogonek
        {1258, "\xD5", "\xC6\xA0"},                    // O horn
        {874, "\xA1", "\xE0\xB8\x81"},                 // Ko kai
        {932, "\x82\xA0", "\xE3\x81\x82"},             // Hiragana a
        {936, "\xD6\xD0", "\xE4\xB8\xAD"},             // zhong
        {949, "\xB0\xA1", "\xEA\xB0\x80"},             // ga
        {950, "\xA4\xA4", "\xE4\xB8\xAD"},             // zhong
        {0, "caf\xC3\xA9", "caf\xC3\xA9"},             // UTF-8 as is
    };
    for (const Case& c : cases) {
        const CCodePage codePage(c.codePage);
        EXPECT_EQ(codePage.ToUtf8(c.bytes), c.utf8) << c.codePage;
        EXPECT_EQ(codePage.FromUtf8(c.utf8), c.bytes) << c.codePage;
    }
}

TEST(CodePage, InvalidInputIsReportedNotReplaced) {
    // Characters the code page lacks.
    EXPECT_FALSE(CCodePage(1252).FromUtf8("\xE4\xB8\xAD").has_value());
    EXPECT_FALSE(CCodePage(1251).FromUtf8("\xC3\xA9").has_value());
    // Incomplete or invalid multi-byte sequences.
    EXPECT_FALSE(CCodePage(932).ToUtf8("\x82").has_value());
    EXPECT_FALSE(CCodePage(936).ToUtf8("a\xD6").has_value());
    // Unassigned single bytes.
    EXPECT_FALSE(CCodePage(1253).ToUtf8("\xD2").has_value());
    EXPECT_FALSE(CCodePage(1255).ToUtf8("\xFF").has_value());
    // Ill-formed UTF-8: overlong, surrogate, truncated, stray continuation.
    for (const char* bad : {"\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\x80", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(CCodePage(0).ToUtf8(bad).has_value()) << bad;
        EXPECT_FALSE(CCodePage(0).FromUtf8(bad).has_value()) << bad;
        EXPECT_FALSE(CCodePage(1252).FromUtf8(bad).has_value()) << bad;
    }
}

TEST(CodePage, EmptyTextAndEmbeddedZeroBytes) {
    for (const int number : {0, 1252, 932}) {
        const CCodePage codePage(number);
        EXPECT_EQ(codePage.ToUtf8(""), "");
        EXPECT_EQ(codePage.FromUtf8(""), "");
        EXPECT_EQ(codePage.ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    }
}

TEST(CodePage, UnknownCodePageHoldsOnlyAscii) {
    const CCodePage unknown(12345);
    EXPECT_FALSE(unknown.IsSupported());
    EXPECT_EQ(unknown.ToUtf8("abc\x1A"), "abc\x1A");
    EXPECT_EQ(unknown.FromUtf8("abc\x1A"), "abc\x1A");
    EXPECT_FALSE(unknown.ToUtf8("\xE4").has_value());
    EXPECT_FALSE(unknown.FromUtf8("\xC3\xA4").has_value());
}

TEST(CodePage, BytesThatDecodeButEncodeDifferentlyAreRefused) {
    // Windows 932 holds some characters twice (NEC and IBM rows); the second
    // spelling would come back as the first, so it is refused.
    const CCodePage japanese(932);
    EXPECT_FALSE(japanese.ToUtf8("\xED\x40").has_value());
    EXPECT_EQ(japanese.ToUtf8("\xFA\x5C"), "\xE7\xBA\x8A");
    EXPECT_FALSE(japanese.ToUtf8("\x87\x90").has_value());
    EXPECT_EQ(japanese.ToUtf8("\x81\xE0"), "\xE2\x89\x92");
}

TEST(CodePage, EveryAcceptedDoubleByteEncodesBackToItself) {
    for (const int number : {932, 936, 949, 950}) {
        const CCodePage codePage(number);
        int accepted = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const std::string bytes = {static_cast<char>(lead), static_cast<char>(trail)};
                const auto utf8 = codePage.ToUtf8(bytes);
                if (!utf8) {
                    continue;
                }
                ++accepted;
                ASSERT_EQ(codePage.FromUtf8(*utf8), bytes) << number << ": " << lead << " " << trail;
            }
        }
        EXPECT_GT(accepted, 7000) << number;
    }
}

// Windows maps the control bytes of every ANSI code page to the control
// characters of the same numbers; ICU's table for 932 exchanges 0x1A, 0x1C
// and 0x7F among themselves.
TEST(CodePage, ControlBytesAreTheControlCharactersInEveryCodePage) {
    for (const int number : kAnsiCodePages) {
        const CCodePage codePage(number);
        for (int control = 0; control <= 0x7F; control = control == 0x1F ? 0x7F : control + 1) {
            const std::string byte(1, static_cast<char>(control));
            EXPECT_EQ(codePage.ToUtf8(byte), byte) << number << ": " << control;
            EXPECT_EQ(codePage.FromUtf8(byte), byte) << number << ": " << control;
        }
    }
}

// Invisible characters (zero-width space and joiners, bidi marks, U+FEFF,
// variation selectors, the soft hyphen) that a code page lacks must be
// refused like any other character, never dropped.
TEST(CodePage, EveryDefaultIgnorableCharacterEncodesExactlyOrIsRefused) {
    std::vector<std::string> ignorables;
    for (UChar32 c = 0; c <= 0x10FFFF; ++c) {
        if ((c < 0xD800 || c > 0xDFFF) && u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
            ignorables.push_back(Utf8Of(static_cast<char32_t>(c)));
        }
    }
    ASSERT_GT(ignorables.size(), 4000u);
    for (const int number : kAnsiCodePages) {
        const CCodePage codePage(number);
        for (const std::string& character : ignorables) {
            const std::string text = "a" + character + "b";
            if (const auto bytes = codePage.FromUtf8(text)) {
                EXPECT_EQ(codePage.ToUtf8(*bytes), text) << number;
            }
        }
    }
}

// Opening an ICU converter costs more than converting a short text, so each
// code page opens one once and reuses it for every conversion.
TEST(CodePage, ConversionsReuseTheConverterOfTheirCodePage) {
    for (const int number : kAnsiCodePages) {
        const CCodePage codePage(number);
        codePage.ToUtf8("first use");
        const std::size_t opened = OpenedConverterCount();
        for (const char* text : {"a", "Bu\xDF", "\x82\xA0", "\xC3\xA4", "\x81"}) {
            codePage.ToUtf8(text);
            codePage.FromUtf8(text);
            codePage.Split(text);
            CCodePage(number).IsSupported();
        }
        EXPECT_EQ(OpenedConverterCount(), opened) << number;
    }
}
