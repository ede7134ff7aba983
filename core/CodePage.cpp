#include "core/CodePage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <fmt/format.h>

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

// The strict converter of the code page, opened on its first use in this
// thread and kept for the thread's lifetime; nullptr when ICU has none. A
// converter keeps the state of each direction apart, so the caller resets
// the direction it uses before a conversion and one converter serves both.
// Each thread has its own, because a converter must not be used by two
// threads at once.
UConverter* StrictConverter(int codePage) {
    struct CCached {
        int codePage;
        Converter converter;
    };
    thread_local std::vector<CCached> cache;  // a few code pages at most
    for (const CCached& cached : cache) {
        if (cached.codePage == codePage) {
            return cached.converter.get();
        }
    }
    cache.push_back({codePage, OpenStrictConverter(codePage)});
    return cache.back().converter.get();
}

// The bytes 0x00..0x1F and 0x7F, and the characters of the same numbers.
constexpr bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

constexpr char32_t kLastAscii = 0x7F;

bool FitsInt32(std::size_t size) {
    // ICU's lengths are int32_t; one input unit yields at most a few output units.
    return size <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4);
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
    if (!FitsInt32(utf8.size())) {
        return std::nullopt;
    }
    const auto length = static_cast<int32_t>(utf8.size());
    UErrorCode status = U_ZERO_ERROR;
    int32_t written = 0;
    // A substitution character of -1 makes ill-formed UTF-8 (overlong forms,
    // surrogates, truncated sequences) an error.
    u_strFromUTF8WithSub(nullptr, 0, &written, utf8.data(), length, -1, nullptr, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
        return std::nullopt;
    }
    std::u16string text(static_cast<std::size_t>(written), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), written, &written, utf8.data(), length, -1, nullptr, &status);
    // Exactly filled buffers report U_STRING_NOT_TERMINATED_WARNING, which is fine.
    return U_FAILURE(status) ? std::nullopt : std::optional<std::u16string>(std::move(text));
}

// Appends the bytes of a run of text without control characters, or gives
// false when a character has no encoding. Without a converter only ASCII
// has one.
bool AppendRun(UConverter* converter, std::u16string_view run, std::string& bytes) {
    if (run.empty()) {
        return true;
    }
    if (converter == nullptr) {
        for (const char16_t unit : run) {
            if (unit > kLastAscii) {
                return false;
            }
            bytes.push_back(static_cast<char>(unit));
        }
        return true;
    }
    const auto length = static_cast<int32_t>(run.size());
    UErrorCode status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter);
    const int32_t needed = ucnv_fromUChars(converter, nullptr, 0, run.data(), length, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
        return false;
    }
    const std::size_t start = bytes.size();
    bytes.resize(start + static_cast<std::size_t>(needed));
    status = U_ZERO_ERROR;
    ucnv_resetFromUnicode(converter);
    ucnv_fromUChars(converter, bytes.data() + start, needed, run.data(), length, &status);
    return U_SUCCESS(status);
}

// The bytes of the text: control characters as themselves, every other run
// through the converter.
std::optional<std::string> Encode(UConverter* converter, std::u16string_view text) {
    std::string bytes;
    std::size_t runStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsControl(text[i])) {
            continue;
        }
        if (!AppendRun(converter, text.substr(runStart, i - runStart), bytes)) {
            return std::nullopt;
        }
        if (i < text.size()) {
            bytes.push_back(static_cast<char>(text[i]));
        }
        runStart = i + 1;
    }
    return bytes;
}

bool EncodesTo(UConverter* encoder, char32_t character, std::string_view bytes) {
    std::u16string units;
    if (character < 0x10000) {
        units += static_cast<char16_t>(character);
    } else {  // a surrogate pair
        units += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
        units += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    }
    const std::optional<std::string> encoded = Encode(encoder, units);
    return encoded.has_value() && *encoded == bytes;
}

}  // namespace

CCodePage::CCodePage(int number) : codePage(number) {}

bool CCodePage::IsSupported() const {
    return StrictConverter(codePage) != nullptr;
}

std::vector<CCodePage::CPiece> CCodePage::Split(std::string_view bytes) const {
    std::vector<CPiece> pieces;
    UConverter* const converter = StrictConverter(codePage);
    if (converter != nullptr) {
        ucnv_resetToUnicode(converter);
    }
    const char* source = bytes.data();
    const char* const end = source + bytes.size();
    while (source < end) {
        const char* const start = source;
        const auto first = static_cast<unsigned char>(*source);
        if (IsControl(first) || converter == nullptr) {
            ++source;
            const bool character = IsControl(first) || first <= kLastAscii;
            pieces.push_back({std::string_view(start, 1), character ? std::optional<char32_t>(first) : std::nullopt});
            continue;
        }
        UErrorCode status = U_ZERO_ERROR;
        const UChar32 character = ucnv_getNextUChar(converter, &source, end, &status);
        if (source == start) {
            ++source;  // never stand still
        }
        const std::string_view piece(start, static_cast<std::size_t>(source - start));
        if (U_FAILURE(status)) {
            ucnv_resetToUnicode(converter);
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
    const std::optional<std::u16string> text = Utf8ToUtf16(utf8);
    if (!text) {
        return std::nullopt;
    }
    return Encode(StrictConverter(codePage), *text);
}

std::size_t OpenedConverterCount() {
    return openedConverters;
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
