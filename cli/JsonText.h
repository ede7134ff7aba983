// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The JSON text itself, below the document it describes: its limits, how a
// string is written, and how messages about it name places and quote it.

// The most arrays and objects open at once in a JSON text; a document needs 8.
constexpr std::size_t kMaxJsonDepth = 100;

// Appends the UTF-8 text as a JSON string, in quotes: a quote, a backslash
// and the control characters escaped (\b, \t, \n, \f, \r, the others as
// \u00xx with lower-case hex digits), every other character as itself.
void AppendJsonString(std::string& json, std::string_view utf8);

// "line L, column C" of the byte at `offset` of the text, both counted from
// 1; the column counts characters (UTF-8 sequences, and each byte that
// starts none), as editors do.
std::string LineAndColumn(std::string_view text, std::size_t offset);

// Input quoted in a message: at most 40 characters of it, followed by "..."
// when it goes on, shown as texts are printed (ShownText.h, as UTF-8: a byte
// that is no character of it as \xNN), with the control characters
// U+0000..U+001F and U+007F written as \xNN too, so that the message stays
// one line of printable text.
std::string Excerpt(std::string_view input);

// Whether the text is a number as JSON writes one, and whether it is one
// without fraction and exponent (an integer, of any size).
bool IsJsonNumber(std::string_view text);
bool IsJsonInteger(std::string_view text);
