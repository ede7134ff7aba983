// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TextForm.h"

#include "cli/JsonText.h"
#include "core/CodePage.h"
#include "core/ShownText.h"

#include <fmt/format.h>

#include <cstdint>
#include <optional>
#include <utility>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The value of one hex digit (either case), or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string CodePageName(const CCodePage& codePage) {
    return codePage.Number() == 0 ? std::string("UTF-8") : fmt::format("code page {}", codePage.Number());
}

}  // namespace

std::optional<std::string> BytesOfHex(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

std::optional<std::string> TextAsUtf8(const std::string& bytes, const CCodePage& codePage) {
    // Some code pages map several byte sequences onto the same character.
    std::optional<std::string> utf8 = codePage.ToUtf8(bytes);
    if (utf8 && codePage.FromUtf8(*utf8) != bytes) {
        utf8.reset();
    }
    return utf8;
}

void AppendHex(std::string& hex, std::string_view bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0x0Fu]);
    }
}

std::string UnheldCharacterProblem(const CCodePage& codePage, std::string_view utf8) {
    const char32_t character = FirstUnheldCharacter(codePage, utf8).value_or(U'\uFFFD');
    return fmt::format(
        "{} cannot hold the character \"{}\" (U+{:04X}) (write the text's bytes as {{\"bytes\": \"<hex>\"}})",
        CodePageName(codePage), Utf8Of(character), static_cast<std::uint32_t>(character));
}

std::string HexProblem(std::string_view hex) {
    if (hex.size() % 2 != 0) {
        return fmt::format("the hex text has an odd number of digits ({})", hex.size());
    }
    std::size_t i = 0;
    while (i < hex.size() && HexValue(hex[i]) >= 0 && HexValue(hex[i + 1]) >= 0) {
        i += 2;
    }
    return fmt::format("\"{}\" at position {} is not a hex byte", Excerpt(hex.substr(i, 2)), i);
}
