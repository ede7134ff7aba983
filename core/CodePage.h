#pragma once

#include <optional>
#include <string>
#include <string_view>

// Conversion between the bytes of a Windows code page and UTF-8, through ICU.
// Code page 0 (no ANSI code page) means UTF-8 itself.
class CCodePage {
public:
    explicit CCodePage(int codePage);

    int Number() const { return codePage; }
    // Whether ICU has a converter for this code page. When it has none,
    // ToUtf8 and FromUtf8 give nothing and ToUtf8Lossy reads the bytes as UTF-8.
    bool IsSupported() const;

    // The UTF-8 text of the bytes, or nothing when a byte sequence is not valid
    // in this code page or would not convert back to the same bytes, so that
    // FromUtf8 of an accepted text always restores the original bytes.
    std::optional<std::string> ToUtf8(std::string_view bytes) const;
    // The UTF-8 text of the bytes with every invalid sequence shown as U+FFFD.
    std::string ToUtf8Lossy(std::string_view bytes) const;
    // The bytes of the UTF-8 text, or nothing when a character has no encoding
    // in this code page (or the text is not valid UTF-8).
    std::optional<std::string> FromUtf8(std::string_view utf8) const;

private:
    int codePage;
};
