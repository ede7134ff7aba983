// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonText.h"

#include "core/CodePage.h"
#include "core/ShownText.h"

#include <fmt/format.h>

#include <algorithm>

namespace {

constexpr std::size_t kExcerptCharacters = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the run of digits at the start of the text.
std::size_t DigitsAt(std::string_view text) {
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin());
}

// The length of JSON's integer part at the start of the text ("-", then "0"
// or a digit 1-9 and more digits), or 0 when it has none.
std::size_t IntegerPartAt(std::string_view text) {
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    const std::size_t digits = DigitsAt(text.substr(sign));
    if (digits == 0 || (digits > 1 && text[sign] == '0')) {
        return 0;
    }
    return sign + digits;
}

}  // namespace

void AppendJsonString(std::string& json, std::string_view utf8) {
    constexpr char kHexDigits[] = "0123456789abcdef";
    json += '"';
    std::size_t plain = 0;  // the characters from here on need no escape so far
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') {
            continue;
        }
        json.append(utf8.substr(plain, i - plain));
        plain = i + 1;
        switch (byte) {
        case '"': json += "\\\""; break;
        case '\\': json += "\\\\"; break;
        case '\b': json += "\\b"; break;
        case '\t': json += "\\t"; break;
        case '\n': json += "\\n"; break;
        case '\f': json += "\\f"; break;
        case '\r': json += "\\r"; break;
        default:
            json += "\\u00";
            json += kHexDigits[byte >> 4];
            json += kHexDigits[byte & 0x0F];
        }
    }
    json.append(utf8.substr(plain));
    json += '"';
}

std::string LineAndColumn(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    const std::size_t lineStart = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    const auto line = std::count(before.begin(), before.end(), '\n') + 1;
    const std::string_view inLine = before.substr(lineStart);
    // Every byte but the continuation bytes of UTF-8 sequences starts a character.
    const auto column = std::count_if(inLine.begin(), inLine.end(),
                                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }) +
                        1;
    return fmt::format("line {}, column {}", line, column);
}

std::string Excerpt(std::string_view input) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < input.size() && characters < kExcerptCharacters; ++characters) {
        end += std::max<std::size_t>(Utf8SequenceLength(input.substr(end)), 1);
    }
    const std::string shown = ShowText(CCodePage(0), input.substr(0, end));
    std::string excerpt;
    excerpt.reserve(shown.size() + 3);
    for (const char c : shown) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            excerpt += fmt::format("\\x{:02X}", byte);
        } else {
            excerpt += c;
        }
    }
    if (end < input.size()) {
        excerpt += "...";
    }
    return excerpt;
}

bool IsJsonInteger(std::string_view text) {
    return !text.empty() && IntegerPartAt(text) == text.size();
}

bool IsJsonNumber(std::string_view text) {
    std::size_t at = IntegerPartAt(text);
    if (at == 0) {
        return false;
    }
    if (at < text.size() && text[at] == '.') {
        const std::size_t digits = DigitsAt(text.substr(at + 1));
        if (digits == 0) {
            return false;
        }
        at += 1 + digits;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            ++at;
        }
        const std::size_t digits = DigitsAt(text.substr(at));
        if (digits == 0) {
            return false;
        }
        at += digits;
    }
    return at == text.size();
}
