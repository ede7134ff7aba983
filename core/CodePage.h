// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Conversion between the bytes of a Windows code page and UTF-8, through ICU.
// Code page 0 (no ANSI code page) means UTF-8 itself.
//
// Every code page maps the control bytes 0x00..0x1F and 0x7F to the control
// characters U+0000..U+001F and U+007F and back, as Windows does (ICU's
// table for 932 exchanges some of them). A code page ICU has no converter for
// holds ASCII only.
class CCodePage {
public:
    explicit CCodePage(int codePage);

    int Number() const { return codePage; }
    // Whether ICU has a converter for this code page.
    bool IsSupported() const;

    // One piece of a byte string as the code page reads it: one character and
    // the bytes that stand for it, or bytes that stand for no character (an
    // unassigned or cut-off sequence, or one whose character would encode to
    // other bytes).
    struct CPiece {
        std::string_view bytes;
        std::optional<char32_t> character;
    };
    // The pieces of the bytes in order; together they hold every byte once.
    std::vector<CPiece> Split(std::string_view bytes) const;

    // The UTF-8 text of the bytes, or nothing when any piece is no character,
    // so that FromUtf8 of an accepted text always restores the original bytes.
    std::optional<std::string> ToUtf8(std::string_view bytes) const;
    // The bytes of the UTF-8 text, or nothing when a character has no
    // encoding in this code page (invisible ones included) or the text is not
    // valid UTF-8.
    std::optional<std::string> FromUtf8(std::string_view utf8) const;

private:
    int codePage;
};

// How many ICU converters this thread has opened so far (or tried to, for a
// code page ICU lacks). Each code page opens its converter once, on its first
// use, and every conversion after that reuses it.
std::size_t OpenedConverterCount();

// The length of the well-formed UTF-8 sequence the text starts with (1 for
// ASCII, up to 4), or 0 when it starts with none: it is empty, or starts
// with an overlong form, a surrogate, a value beyond U+10FFFF, a cut-off
// sequence or a byte that starts no sequence.
std::size_t Utf8SequenceLength(std::string_view text);

// The UTF-8 bytes of a Unicode scalar value (not a surrogate).
std::string Utf8Of(char32_t character);
