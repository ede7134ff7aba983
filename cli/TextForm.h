// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

class CCodePage;

// The JSON form of one text of a holiday document. A text is a byte string in
// the code page of the document's language. It is written as a JSON string
// when its bytes decode to UTF-8 and encode back to exactly the same bytes;
// otherwise as {"bytes": "<hex>"}, two lowercase hex digits per byte, so that
// every text survives a round trip unchanged.
nlohmann::ordered_json TextToJson(const std::string& bytes, const CCodePage& codePage);

// The bytes of a JSON text (either form). Throws CCliError naming `place` when
// the value is neither form or a character has no encoding in the code page.
std::string TextFromJson(const nlohmann::ordered_json& value, const CCodePage& codePage, const std::string& place);

// The bytes of a text of hex digits (either case, two per byte), or nothing
// when the count of digits is odd or a character is no hex digit.
std::optional<std::string> BytesOfHex(std::string_view hex);
