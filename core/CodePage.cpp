// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CodePage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/uset.h>
#include <unicode/ustring.h>

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <memory>

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's name for the Windows code page. ICU 72 knows windows-874, -936, -949,
// -950 and -1250..-1258 under those names; Windows 932 is IBM 943 with
// Microsoft's mappings.
std::string ConverterName(int codePage) {
    if (codePage == 0) {
        return "UTF-8";
    }
    if (codePage == 932) {
        return "ibm-943_P15A-2003";
    }
    return fmt::format("windows-{}", codePage);
}

// Leaves the error as ICU reports it, so that a conversion stops at every
// character the code page cannot hold. ICU's own STOP callback clears the
// error for default-ignorable code points (zero-width space and joiners,
// bidi marks, U+FEFF, variation selectors, the soft hyphen where a code
// page lacks it), which would drop them silently.
void StopAtEveryUnmappable(const void*, UConverterFromUnicodeArgs*, const UChar*, int32_t, UChar32,
                           UConverterCallbackReason, UErrorCode*) {}

// The bytes 0x00..0x1F and 0x7F, and the characters of the same numbers.
constexpr bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

constexpr char32_t kLastAscii = 0x7F;

thread_local std::size_t openedConverters = 0;

// A converter that stops at the first invalid or unmappable sequence, in
// both directions, and uses no fallback mappings; nullptr when ICU has none.
Converter OpenStrictConverter(int codePage) {
    UErrorCode status = U_ZERO_ERROR;
    ++openedConverters;
    Converter converter(ucnv_open(ConverterName(codePage).c_str(), &status));
    if (U_FAILURE(status) || !converter) {
        return nullptr;
    }
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(converter.get(), StopAtEveryUnmappable, nullptr, nullptr, nullptr, &status);
    ucnv_setFallback(converter.get(), false);
    return U_FAILURE(status) ? nullptr : std::move(converter);
}

void AppendUtf16(char32_t character, std::u16string& units) {
    if (character < 0x10000) {
        units += static_cast<char16_t>(character);
    } else {  // a surrogate pair
        units += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
        units += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    }
}

// Appends the bytes of a run of text through the converter, or gives false
// when a character has no encoding.
bool AppendConverted(UConverter* converter, std::u16string_view run, std::string& bytes) {
    if (run.empty()) {
        return true;
    }
    const auto length = static_cast<int32_t>(run.size());
    const std::size_t start = bytes.size();
    // Room for any run in one call; a longer result, which only a huge
    // run can have, is converted again into the size ICU reports.
    const auto room = static_cast<int32_t>(std::min<std::int64_t>(
        (std::int64_t{length} + 10) * ucnv_getMaxCharSize(converter),  // UCNV_GET_MAX_BYTES_FOR_STRING
        std::numeric_limits<int32_t>::max()));
    bytes.resize(start + static_cast<std::size_t>(room));
    // ucnv_fromUChars resets the converter's from-Unicode state first.
    UErrorCode status = U_ZERO_ERROR;
    int32_t written = ucnv_fromUChars(converter, bytes.data() + start, room, run.data(), length, &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        bytes.resize(start + static_cast<std::size_t>(written));
        status = U_ZERO_ERROR;
        written = ucnv_fromUChars(converter, bytes.data() + start, written, run.data(), length, &status);
    }
    bytes.resize(start + static_cast<std::size_t>(U_SUCCESS(status) ? written : 0));
    return U_SUCCESS(status);
}

// Whether the converter converts a text character by character: it has no
// shift states and maps no sequences of characters, so that a text converts
// to what its characters convert to one by one, and every ASCII character
// is the byte of the same number in both directions. ICU's tables of every
// Windows code page and of UTF-8 are so; the test is made once, when the
// converter is opened, so that conversions may copy ASCII and convert the
// other characters one at a time, exactly as ICU would convert the text.
bool ConvertsCharacterByCharacter(UConverter* converter) {
    const UConverterType type = ucnv_getType(converter);
    if (type != UCNV_SBCS && type != UCNV_DBCS && type != UCNV_MBCS && type != UCNV_UTF8) {
        return false;
    }
    UErrorCode status = U_ZERO_ERROR;
    USet* const mapped = uset_openEmpty();
    ucnv_getUnicodeSet(converter, mapped, UCNV_ROUNDTRIP_AND_FALLBACK_SET, &status);
    const bool mapsSequences = uset_hasStrings(mapped);
    uset_close(mapped);
    if (U_FAILURE(status) || mapsSequences) {
        return false;
    }
    for (char16_t character = 0x20; character < kLastAscii; ++character) {
        const char byte = static_cast<char>(character);
        const char* source = &byte;
        ucnv_resetToUnicode(converter);
        const UChar32 decoded = ucnv_getNextUChar(converter, &source, &byte + 1, &status);
        std::string encoded;
        if (U_FAILURE(status) || decoded != character || !AppendConverted(converter, {&character, 1}, encoded) ||
            encoded != std::string_view(&byte, 1)) {
            return false;
        }
    }
    return true;
}

// The bytes the converter gives for single characters, kept for the
// characters met most recently: the texts of a file repeat the few letters
// of its language beyond ASCII.
class CCharacterBytes {
public:
    // Appends the bytes of the character, or gives false when it has none.
    bool Append(UConverter* converter, char32_t character, std::string& bytes) {
        CEntry& entry = entries[character % entries.size()];
        if (entry.character != character) {
            std::u16string units;
            AppendUtf16(character, units);
            std::string encoded;
            const bool held = AppendConverted(converter, units, encoded);
            if (encoded.size() > entry.bytes.size()) {
                bytes += encoded;  // longer than any character of a Windows code page: not kept
                return held;
            }
            entry = {character, held, static_cast<std::uint8_t>(encoded.size()), {}};
            std::copy(encoded.begin(), encoded.end(), entry.bytes.begin());
        }
        bytes.append(entry.bytes.data(), entry.length);
        return entry.held;
    }

private:
    struct CEntry {
        char32_t character = 0xFFFFFFFF;  // no character yet
        bool held = false;
        std::uint8_t length = 0;
        std::array<char, 4> bytes{};
    };
    std::array<CEntry, 256> entries;
};

// The strict converter of a code page and how it converts.
struct CStrictConverter {
    UConverter* converter;        // nullptr when ICU has none: the code page then holds ASCII only
    bool characterByCharacter;    // ConvertsCharacterByCharacter, or no converter
    CCharacterBytes* characters;  // the bytes of recent characters
};

// The strict converter of the code page, opened on its first use in this
// thread and kept for the thread's lifetime. A converter keeps the state of
// each direction apart, so the caller resets the direction it uses before a
// conversion and one converter serves both. Each thread has its own,
// because a converter must not be used by two threads at once.
CStrictConverter StrictConverter(int codePage) {
    struct CCached {
        int codePage;
        Converter converter;
        bool characterByCharacter;
        CCharacterBytes characters;
    };
    thread_local std::deque<CCached> cache;  // a few code pages at most; a deque keeps their places
    for (CCached& cached : cache) {
        if (cached.codePage == codePage) {
            return {cached.converter.get(), cached.characterByCharacter, &cached.characters};
        }
    }
    Converter converter = OpenStrictConverter(codePage);
    const bool characterByCharacter = converter == nullptr || ConvertsCharacterByCharacter(converter.get());
    CCached& cached =
        cache.emplace_back(CCached{codePage, std::move(converter), characterByCharacter, CCharacterBytes()});
    return {cached.converter.get(), cached.characterByCharacter, &cached.characters};
}

// Whether the character (or byte) below 0x80 is the byte of the same
// number: the control characters in every code page, as on Windows (ICU's
// table for 932 exchanges some of them), the others where the converter
// converts character by character.
bool IsItsOwnByte(char32_t character, const CStrictConverter& converter) {
    return IsControl(character) || (character <= kLastAscii && converter.characterByCharacter);
}

// Whether the character encodes to exactly these bytes.
bool EncodesTo(const CStrictConverter& converter, char32_t character, std::string_view bytes) {
    std::string encoded;
    if (converter.characterByCharacter) {
        return converter.characters->Append(converter.converter, character, encoded) && encoded == bytes;
    }
    std::u16string units;
    AppendUtf16(character, units);
    return AppendConverted(converter.converter, units, encoded) && encoded == bytes;
}

// The character of a well-formed UTF-8 sequence (Utf8SequenceLength).
char32_t DecodeUtf8(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(sequence[i])); };
    switch (sequence.size()) {
    case 1: return byte(0);
    case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3: return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default: return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    }
}

bool FitsInt32(std::size_t size) {
    // ICU's lengths are int32_t; one input unit yields at most a few output units.
    return size <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4);
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
    if (!FitsInt32(utf8.size())) {
        return std::nullopt;
    }
    // A text has no more UTF-16 units than UTF-8 bytes.
    std::u16string text(utf8.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t written = 0;
    // A substitution character of -1 makes ill-formed UTF-8 (overlong forms,
    // surrogates, truncated sequences) an error.
    u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &written, utf8.data(),
                         static_cast<int32_t>(utf8.size()), -1, nullptr, &status);
    // Exactly filled buffers report U_STRING_NOT_TERMINATED_WARNING, which is fine.
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(written));
    return text;
}

// The bytes of the text through a converter that does not convert character
// by character: control characters as themselves, every other run through
// the converter.
std::optional<std::string> EncodeRuns(UConverter* converter, std::u16string_view text) {
    std::string bytes;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsControl(text[i])) {
            continue;
        }
        if (!AppendConverted(converter, text.substr(runStart, i - runStart), bytes)) {
            return std::nullopt;
        }
        if (i < text.size()) {
            bytes.push_back(static_cast<char>(text[i]));
        }
        runStart = i + 1;
    }
    return bytes;
}

// Where the run of ASCII that starts at the position ends.
std::size_t AsciiRunEnd(std::string_view text, std::size_t position) {
    while (position < text.size() && static_cast<unsigned char>(text[position]) <= kLastAscii) {
        ++position;
    }
    return position;
}

bool IsAscii(std::string_view text) {
    return AsciiRunEnd(text, 0) == text.size();
}

}  // namespace

CCodePage::CCodePage(int number) : codePage(number) {}

bool CCodePage::IsSupported() const {
    return StrictConverter(codePage).converter != nullptr;
}

std::vector<CCodePage::CPiece> CCodePage::Split(std::string_view bytes) const {
    std::vector<CPiece> pieces;
    pieces.reserve(bytes.size());  // each piece holds at least one byte
    const CStrictConverter converter = StrictConverter(codePage);
    UConverter* const decoder = converter.converter;
    if (decoder != nullptr) {
        ucnv_resetToUnicode(decoder);
    }
    const char* source = bytes.data();
    const char* const end = source + bytes.size();
    while (source < end) {
        const char* const start = source;
        const auto first = static_cast<unsigned char>(*source);
        if (IsItsOwnByte(first, converter) || decoder == nullptr) {
            ++source;
            const bool character = IsItsOwnByte(first, converter);
            pieces.push_back({std::string_view(start, 1), character ? std::optional<char32_t>(first) : std::nullopt});
            continue;
        }
        UErrorCode status = U_ZERO_ERROR;
        const UChar32 character = ucnv_getNextUChar(decoder, &source, end, &status);
        if (source == start) {
            ++source;  // never stand still
        }
        const std::string_view piece(start, static_cast<std::size_t>(source - start));
        if (U_FAILURE(status)) {
            ucnv_resetToUnicode(decoder);
            pieces.push_back({piece, std::nullopt});
            continue;
        }
        // Some byte sequences decode to characters that encode to other
        // bytes (932 holds some characters twice); they stand for no
        // character of their own.
        const auto decoded = static_cast<char32_t>(character);
        pieces.push_back(
            {piece, EncodesTo(converter, decoded, piece) ? std::optional<char32_t>(decoded) : std::nullopt});
    }
    return pieces;
}

std::optional<std::string> CCodePage::ToUtf8(std::string_view bytes) const {
    if (IsAscii(bytes) && StrictConverter(codePage).characterByCharacter) {
        return std::string(bytes);  // every byte is its own character
    }
    std::string utf8;
    for (const CPiece& piece : Split(bytes)) {
        if (!piece.character) {
            return std::nullopt;
        }
        utf8 += Utf8Of(*piece.character);
    }
    return utf8;
}

std::optional<std::string> CCodePage::FromUtf8(std::string_view utf8) const {
    const CStrictConverter converter = StrictConverter(codePage);
    if (!converter.characterByCharacter) {
        const std::optional<std::u16string> text = Utf8ToUtf16(utf8);
        return text ? EncodeRuns(converter.converter, *text) : std::nullopt;
    }
    // Each ASCII character is its own byte, so ASCII is copied a run at a
    // time; the other characters are converted one by one.
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t asciiEnd = AsciiRunEnd(utf8, i);
        bytes.append(utf8, i, asciiEnd - i);
        i = asciiEnd;
        if (i == utf8.size()) {
            break;
        }
        const std::size_t length = Utf8SequenceLength(utf8.substr(i));
        if (length == 0 || converter.converter == nullptr ||
            !converter.characters->Append(converter.converter, DecodeUtf8(utf8.substr(i, length)), bytes)) {
            return std::nullopt;
        }
        i += length;
    }
    return bytes;
}

std::size_t OpenedConverterCount() {
    return openedConverters;
}

std::size_t Utf8SequenceLength(std::string_view text) {
    const auto inRange = [&](std::size_t i, unsigned char low, unsigned char high) {
        return i < text.size() && static_cast<unsigned char>(text[i]) >= low &&
               static_cast<unsigned char>(text[i]) <= high;
    };
    if (text.empty()) {
        return 0;
    }
    const auto first = static_cast<unsigned char>(text[0]);
    if (first <= kLastAscii) {
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        return inRange(1, 0x80, 0xBF) ? 2 : 0;
    }
    if (first >= 0xE0 && first <= 0xEF) {
        const unsigned char low = first == 0xE0 ? 0xA0 : 0x80;   // no overlong form
        const unsigned char high = first == 0xED ? 0x9F : 0xBF;  // no surrogate
        return inRange(1, low, high) && inRange(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (first >= 0xF0 && first <= 0xF4) {
        const unsigned char low = first == 0xF0 ? 0x90 : 0x80;   // no overlong form
        const unsigned char high = first == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
        return inRange(1, low, high) && inRange(2, 0x80, 0xBF) && inRange(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

std::string Utf8Of(char32_t character) {
    const auto byte = [](char32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (character < 0x80) {
        return {byte(character)};
    }
    if (character < 0x800) {
        return {byte(0xC0 | (character >> 6)), byte(0x80 | (character & 0x3F))};
    }
    if (character < 0x10000) {
        return {byte(0xE0 | (character >> 12)), byte(0x80 | ((character >> 6) & 0x3F)),
                byte(0x80 | (character & 0x3F))};
    }
    return {byte(0xF0 | (character >> 18)), byte(0x80 | ((character >> 12) & 0x3F)),
            byte(0x80 | ((character >> 6) & 0x3F)), byte(0x80 | (character & 0x3F))};
}
