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
    if (codePage == 932) {
        return "ibm-943_P15A-2003";
    }
    return fmt::format("windows-{}", codePage);
}

constexpr UChar kReplacementCharacter = 0xFFFD;

// Writes U+FFFD for every invalid sequence. ICU's own substitute callback
// writes U+001A for converters whose substitution byte is 0x1A.
void SubstituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* status) {
    if (reason > UCNV_IRREGULAR) {
        return;  // reset, close or clone: nothing to write
    }
    *status = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, &kReplacementCharacter, 1, 0, status);
}

// A converter that stops at the first invalid or unmappable sequence, in
// both directions, and uses no fallback mappings.
Converter OpenStrictConverter(int codePage) {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(ConverterName(codePage).c_str(), &status));
    if (U_FAILURE(status) || !converter) {
        return nullptr;
    }
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    ucnv_setFallback(converter.get(), false);
    return U_FAILURE(status) ? nullptr : std::move(converter);
}

bool FitsInt32(std::size_t size) {
    // ICU's lengths are int32_t; one input unit yields at most a few output units.
    return size <= static_cast<std::size_t>(std::numeric_limits<int32_t>::max() / 4);
}

// Runs an ICU conversion that takes (destination, capacity, status) twice:
// once to learn the length, once to fill the buffer.
template <typename Unit, typename Convert>
std::optional<std::basic_string<Unit>> ConvertWithPreflight(Convert convert) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = convert(nullptr, 0, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
        return std::nullopt;
    }
    std::basic_string<Unit> result(static_cast<std::size_t>(length), Unit{});
    status = U_ZERO_ERROR;
    convert(result.data(), length, &status);
    // Exactly filled buffers report U_STRING_NOT_TERMINATED_WARNING, which is fine.
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    return result;
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8, bool substitute) {
    if (!FitsInt32(utf8.size())) {
        return std::nullopt;
    }
    const auto length = static_cast<int32_t>(utf8.size());
    return ConvertWithPreflight<char16_t>([&](char16_t* out, int32_t capacity, UErrorCode* status) {
        int32_t written = 0;
        // A substitution character of -1 makes ill-formed UTF-8 (overlong forms,
        // surrogates, truncated sequences) an error.
        u_strFromUTF8WithSub(out, capacity, &written, utf8.data(), length,
                             substitute ? kReplacementCharacter : -1, nullptr, status);
        return written;
    });
}

std::string Utf16ToUtf8(const std::u16string& utf16) {
    std::string utf8;
    if (!FitsInt32(utf16.size())) {
        return utf8;
    }
    const auto length = static_cast<int32_t>(utf16.size());
    // Text that came out of a converter holds no unpaired surrogates.
    return ConvertWithPreflight<char>([&](char* out, int32_t capacity, UErrorCode* status) {
               int32_t written = 0;
               u_strToUTF8(out, capacity, &written, utf16.data(), length, status);
               return written;
           })
        .value_or(std::string());
}

std::optional<std::u16string> Decode(UConverter* converter, std::string_view bytes) {
    if (!FitsInt32(bytes.size())) {
        return std::nullopt;
    }
    const auto length = static_cast<int32_t>(bytes.size());
    return ConvertWithPreflight<char16_t>([&](char16_t* out, int32_t capacity, UErrorCode* status) {
        ucnv_reset(converter);
        return ucnv_toUChars(converter, out, capacity, bytes.data(), length, status);
    });
}

std::optional<std::string> Encode(UConverter* converter, const std::u16string& text) {
    if (!FitsInt32(text.size())) {
        return std::nullopt;
    }
    const auto length = static_cast<int32_t>(text.size());
    return ConvertWithPreflight<char>([&](char* out, int32_t capacity, UErrorCode* status) {
        ucnv_reset(converter);
        return ucnv_fromUChars(converter, out, capacity, text.data(), length, status);
    });
}

}  // namespace

CCodePage::CCodePage(int number) : codePage(number) {}

bool CCodePage::IsSupported() const {
    return codePage == 0 || OpenStrictConverter(codePage) != nullptr;
}

std::optional<std::string> CCodePage::ToUtf8(std::string_view bytes) const {
    if (codePage == 0) {
        if (!Utf8ToUtf16(bytes, false)) {
            return std::nullopt;
        }
        return std::string(bytes);
    }
    const Converter converter = OpenStrictConverter(codePage);
    if (!converter) {
        return std::nullopt;
    }
    const std::optional<std::u16string> text = Decode(converter.get(), bytes);
    if (!text) {
        return std::nullopt;
    }
    // Some byte sequences decode to characters that encode to other bytes.
    // Refusing them keeps every accepted text convertible back unchanged.
    const std::optional<std::string> reencoded = Encode(converter.get(), *text);
    if (!reencoded || *reencoded != bytes) {
        return std::nullopt;
    }
    return Utf16ToUtf8(*text);
}

std::string CCodePage::ToUtf8Lossy(std::string_view bytes) const {
    if (codePage != 0) {
        const Converter converter = OpenStrictConverter(codePage);
        if (converter) {
            UErrorCode status = U_ZERO_ERROR;
            ucnv_setToUCallBack(converter.get(), SubstituteReplacementCharacter, nullptr, nullptr,
                                nullptr, &status);
            if (U_SUCCESS(status)) {
                if (const auto text = Decode(converter.get(), bytes)) {
                    return Utf16ToUtf8(*text);
                }
            }
        }
    }
    // UTF-8, or a code page ICU cannot convert: read the bytes as UTF-8 so
    // that at least ASCII survives.
    return Utf16ToUtf8(Utf8ToUtf16(bytes, true).value_or(std::u16string()));
}

std::optional<std::string> CCodePage::FromUtf8(std::string_view utf8) const {
    const std::optional<std::u16string> text = Utf8ToUtf16(utf8, false);
    if (!text) {
        return std::nullopt;
    }
    if (codePage == 0) {
        return std::string(utf8);
    }
    const Converter converter = OpenStrictConverter(codePage);
    if (!converter) {
        return std::nullopt;
    }
    return Encode(converter.get(), *text);
}
