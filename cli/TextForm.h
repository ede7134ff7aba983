// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

class CCodePage;

// The JSON form of one text of a holiday document. A text is a byte string in
// the code page of the document's language. It is written as a JSON string
// when its bytes decode to UTF-8 and encode back to exactly the same bytes;
// otherwise as {"bytes": "<hex>"}, two lowercase hex digits per byte, so that
// every text survives a round trip unchanged.
//
// The text as the JSON string stands for it, or nothing when it is written
// as its bytes.
std::optional<std::string> TextAsUtf8(const std::string& bytes, const CCodePage& codePage);
// Appends two lowercase hex digits per byte.
void AppendHex(std::string& hex, std::string_view bytes);

// Why a JSON string cannot be a text in the code page, for a message: "code
// page 1252 cannot hold the character "元" (U+5143) (write the text's bytes
// as {"bytes": "<hex>"})". The character is named by its number too: it may
// be an invisible one.
std::string UnheldCharacterProblem(const CCodePage& codePage, std::string_view utf8);

// Why a text of hex digits is no bytes (BytesOfHex gives nothing), for a
// message: "the hex text has an odd number of digits (3)", or ""4g" at
// position 0 is not a hex byte".
std::string HexProblem(std::string_view hex);

// The bytes of a text of hex digits (either case, two per byte), or nothing
// when the count of digits is odd or a character is no hex digit.
std::optional<std::string> BytesOfHex(std::string_view hex);
