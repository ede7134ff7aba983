// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/TextForm.h"

#include "cli/CliError.h"
#include "cli/JsonText.h"
#include "core/CodePage.h"
#include "core/ShownText.h"

#include <fmt/format.h>

#include <cstdint>
#include <optional>
#include <utility>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

std::string ToHex(const std::string& bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0x0Fu]);
    }
    return hex;
}

// The value of one hex digit (either case), or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string FromHex(const std::string& hex, const std::string& place) {
    if (std::optional<std::string> bytes = BytesOfHex(hex)) {
        return *std::move(bytes);
    }
    if (hex.size() % 2 != 0) {
        throw CCliError(fmt::format("{}.bytes: the hex text has an odd number of digits ({})", place, hex.size()));
    }
    std::size_t i = 0;
    while (HexValue(hex[i]) >= 0 && HexValue(hex[i + 1]) >= 0) {
        i += 2;
    }
    throw CCliError(fmt::format("{}.bytes: \"{}\" at position {} is not a hex byte", place, hex.substr(i, 2), i));
}

std::string BytesFromObject(const nlohmann::ordered_json& value, const std::string& place) {
    for (const auto& item : value.items()) {
        if (item.key() != "bytes") {
            throw CCliError(
                fmt::format("{}.{}: unknown field (a text object holds only \"bytes\")", place, item.key()));
        }
    }
    const auto found = value.find("bytes");
    if (found == value.end()) {
        throw CCliError(fmt::format("{}: a text object needs the field \"bytes\"", place));
    }
    if (!found->is_string()) {
        throw CCliError(
            fmt::format("{}.bytes: expected a string of hex digits, found {}", place, DescribeJsonValue(*found)));
    }
    return FromHex(found->get<std::string>(), place);
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

nlohmann::ordered_json TextToJson(const std::string& bytes, const CCodePage& codePage) {
    // A string only when it stands for exactly these bytes: some code pages
    // map several byte sequences onto the same character.
    if (const std::optional<std::string> utf8 = codePage.ToUtf8(bytes)) {
        if (codePage.FromUtf8(*utf8) == bytes) {
            return *utf8;
        }
    }
    return nlohmann::ordered_json{{"bytes", ToHex(bytes)}};
}

std::string TextFromJson(const nlohmann::ordered_json& value, const CCodePage& codePage, const std::string& place) {
    if (value.is_object()) {
        return BytesFromObject(value, place);
    }
    if (!value.is_string()) {
        throw CCliError(fmt::format("{}: expected a text (a string or {{\"bytes\": \"<hex>\"}}), found {}", place,
                                    DescribeJsonValue(value)));
    }
    const std::string& text = value.get_ref<const std::string&>();
    if (std::optional<std::string> bytes = codePage.FromUtf8(text)) {
        return *std::move(bytes);
    }
    // Named by its number too: it may be an invisible one.
    const char32_t character = FirstUnheldCharacter(codePage, text).value_or(U'\uFFFD');
    throw CCliError(fmt::format(
        "{}: {} cannot hold the character \"{}\" (U+{:04X}) (write the text's bytes as {{\"bytes\": \"<hex>\"}})",
        place, CodePageName(codePage), Utf8Of(character), static_cast<std::uint32_t>(character)));
}
