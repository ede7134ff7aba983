// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShownText.h"

#include <utility>
#include <vector>

namespace {

constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

// The value of one hex digit (either case), or -1.
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Whether "xNN" starts at the position (the escape after its backslash).
bool IsByteEscapeTail(std::string_view text, std::size_t position) {
    return position + 2 < text.size() && text[position] == 'x' && HexValue(text[position + 1]) >= 0 &&
           HexValue(text[position + 2]) >= 0;
}

// Whether a backslash before the position would start an escape.
bool WouldStartEscape(std::string_view text, std::size_t position) {
    return (position < text.size() && text[position] == '\\') || IsByteEscapeTail(text, position);
}

}  // namespace

std::string ShowText(const CCodePage& codePage, std::string_view bytes) {
    // First the characters and escapes, noting where the backslashes of the
    // text stand; then each of them is doubled when what follows it would
    // make it read as an escape.
    std::string plain;
    std::vector<std::size_t> backslashes;
    if (std::optional<std::string> characters = codePage.ToUtf8(bytes)) {
        // Every piece is a character (the common case, and a fast one for
        // ASCII): the text is their UTF-8, and each backslash in it is one
        // of the text's own.
        plain = std::move(*characters);
        for (std::size_t position = plain.find('\\'); position != std::string::npos;
             position = plain.find('\\', position + 1)) {
            backslashes.push_back(position);
        }
    } else {
        for (const CCodePage::CPiece& piece : codePage.Split(bytes)) {
            if (piece.character) {
                if (*piece.character == U'\\') {
                    backslashes.push_back(plain.size());
                }
                plain += Utf8Of(*piece.character);
                continue;
            }
            for (const char c : piece.bytes) {
                const auto byte = static_cast<unsigned char>(c);
                plain += "\\x";
                plain += kUpperHexDigits[byte >> 4];
                plain += kUpperHexDigits[byte & 0x0Fu];
            }
        }
    }
    std::string shown;
    shown.reserve(plain.size() + backslashes.size());
    std::size_t copied = 0;
    for (const std::size_t position : backslashes) {
        shown.append(plain, copied, position + 1 - copied);
        if (WouldStartEscape(plain, position + 1)) {
            shown += '\\';
        }
        copied = position + 1;
    }
    shown.append(plain, copied);
    return shown;
}

std::optional<std::string> ReadShownText(const CCodePage& codePage, std::string_view shown) {
    std::string bytes;
    std::string literal;  // UTF-8 characters not yet encoded
    const auto encodeLiteral = [&] {
        const std::optional<std::string> encoded = codePage.FromUtf8(literal);
        literal.clear();
        if (!encoded) {
            return false;
        }
        bytes += *encoded;
        return true;
    };
    // Backslashes and escapes are ASCII, which never occurs inside the bytes
    // of another UTF-8 character, so the text can be scanned byte by byte.
    for (std::size_t i = 0; i < shown.size();) {
        if (shown[i] == '\\' && i + 1 < shown.size() && shown[i + 1] == '\\') {
            literal += '\\';
            i += 2;
        } else if (shown[i] == '\\' && IsByteEscapeTail(shown, i + 1)) {
            if (!encodeLiteral()) {
                return std::nullopt;
            }
            bytes += static_cast<char>(HexValue(shown[i + 2]) * 16 + HexValue(shown[i + 3]));
            i += 4;
        } else {
            literal += shown[i];
            ++i;
        }
    }
    if (!encodeLiteral()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<char32_t> FirstUnheldCharacter(const CCodePage& codePage, std::string_view shown) {
    const CCodePage utf8(0);
    for (const CCodePage::CPiece& piece : utf8.Split(shown)) {
        if (piece.character && !codePage.FromUtf8(piece.bytes)) {
            return piece.character;
        }
    }
    return std::nullopt;
}

CShownText::CShownText(std::string textBytes, const CCodePage& textCodePage)
    : codePage(textCodePage), bytes(std::move(textBytes)), text(ShowText(codePage, bytes)) {}

std::optional<std::string> CShownText::BytesOf(std::string_view editedText) const {
    if (editedText == text) {
        return bytes;
    }
    return ReadShownText(codePage, editedText);
}
