// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/WindowsLocale.h"

#include "core/RegionalFormat.h"

#include <unicode/uloc.h>
#include <unicode/unistr.h>

#include <array>
#include <cstring>
#include <map>

namespace {

// An LCID packs the primary language in bits 0..9 and the sub-language
// (country or script variant) in bits 10..15.
int PrimaryLanguage(LCID lcid) {
    return static_cast<int>(lcid & 0x3FFu);
}

int SubLanguage(LCID lcid) {
    return static_cast<int>((lcid >> 10) & 0x3Fu);
}

// A neutral or invariant LCID (sub-language 0) names no locale a file can use.
bool HasSubLanguage(LCID lcid) {
    return SubLanguage(lcid) != 0;
}

LCID LcidOfLocale(const char* locale) {
    return uloc_getLCID(locale);
}

std::string LikelyFullLocale(const char* locale) {
    std::array<char, ULOC_FULLNAME_CAPACITY> expanded{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_addLikelySubtags(locale, expanded.data(), static_cast<int32_t>(expanded.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length >= static_cast<int32_t>(expanded.size())) {
        return {};
    }
    return std::string(expanded.data(), static_cast<std::size_t>(length));
}

// One part of a locale name through ICU's getter of that part; "" when absent.
template <std::size_t Capacity>
std::string LocalePart(const char* locale, int32_t (*getPart)(const char*, char*, int32_t, UErrorCode*)) {
    std::array<char, Capacity> part{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = getPart(locale, part.data(), static_cast<int32_t>(part.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length >= static_cast<int32_t>(part.size())) {
        return {};
    }
    return std::string(part.data(), static_cast<std::size_t>(length));
}

std::string CountryOf(const char* locale) {
    return LocalePart<ULOC_COUNTRY_CAPACITY>(locale, uloc_getCountry);
}

std::string LanguageOf(const char* locale) {
    return LocalePart<ULOC_LANG_CAPACITY>(locale, uloc_getLanguage);
}

std::string DisplayName(const char* locale) {
    std::array<UChar, 256> name{};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        uloc_getDisplayName(locale, nullptr, name.data(), static_cast<int32_t>(name.size()), &status);
    if (U_FAILURE(status) || length <= 0 || length > static_cast<int32_t>(name.size())) {
        return locale;
    }
    std::string utf8;
    icu::UnicodeString(name.data(), length).toUTF8String(utf8);
    return utf8;
}

// True when ICU maps the LCID back to this very locale. ICU gives several
// locales the LCID of their language's main country (en_AS, en_GU ... all map
// to 0x0409); the one that maps back is the one the LCID stands for.
bool IsLocaleOfLcid(const char* locale, LCID lcid) {
    char back[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLocaleForLCID(lcid, back, sizeof back, &status);
    return U_SUCCESS(status) && std::strcmp(back, locale) == 0;
}

// True for an LCID that stands for a country's locale, as the files'
// languages do. Neutral LCIDs stand for a language only: most have
// sub-language 0 ("fr" is 0x000C), some not ("sr" is 0x7C1A).
bool NamesCountryLocale(LCID lcid) {
    if (!HasSubLanguage(lcid)) {
        return false;
    }
    char locale[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_getLocaleForLCID(lcid, locale, sizeof locale, &status);
    return U_SUCCESS(status) && !CountryOf(locale).empty();
}

std::vector<CLocaleInfo> EnumerateLocales() {
    // One entry per LCID at the place of its first locale in ICU's order; that
    // entry names the locale the LCID maps back to, when ICU has it.
    std::vector<CLocaleInfo> locales;
    std::map<LCID, std::size_t> entryOfLcid;
    const int32_t count = uloc_countAvailable();
    for (int32_t i = 0; i < count; ++i) {
        const char* locale = uloc_getAvailable(i);
        if (locale == nullptr || CountryOf(locale).empty()) {
            continue;
        }
        const LCID lcid = LcidOfLocale(locale);
        if (!HasSubLanguage(lcid)) {
            continue;
        }
        const auto [entry, isNew] = entryOfLcid.try_emplace(lcid, locales.size());
        if (isNew) {
            locales.push_back(CLocaleInfo{lcid, locale, DisplayName(locale)});
        } else if (IsLocaleOfLcid(locale, lcid)) {
            locales[entry->second] = CLocaleInfo{lcid, locale, DisplayName(locale)};
        }
    }
    return locales;
}

// Windows default ANSI code pages by primary language id. Languages that
// Windows writes only in Unicode (Hindi, Georgian, Armenian, the Indic
// languages, ...) are absent and give 0. The languages whose script depends
// on the sub-language are handled in GetDefaultAnsiCodePage.
struct LanguageCodePage {
    int language;
    int codePage;
};

// clang-format off
constexpr LanguageCodePage kCodePageByLanguage[] = {
    // Arabic script
    {0x01, 1256}, {0x20, 1256}, {0x29, 1256}, {0x80, 1256}, {0x8C, 1256},
    // Cyrillic
    {0x02, 1251}, {0x19, 1251}, {0x22, 1251}, {0x23, 1251}, {0x28, 1251}, {0x2F, 1251},
    {0x3F, 1251}, {0x40, 1251}, {0x44, 1251}, {0x6D, 1251}, {0x85, 1251},
    // Central European
    {0x05, 1250}, {0x0E, 1250}, {0x15, 1250}, {0x18, 1250}, {0x1B, 1250}, {0x1C, 1250},
    {0x24, 1250}, {0x42, 1250},
    // Western European and other Latin-script languages
    {0x03, 1252}, {0x06, 1252}, {0x07, 1252}, {0x09, 1252}, {0x0A, 1252}, {0x0B, 1252},
    {0x0C, 1252}, {0x0F, 1252}, {0x10, 1252}, {0x13, 1252}, {0x14, 1252}, {0x16, 1252},
    {0x17, 1252}, {0x1D, 1252}, {0x21, 1252}, {0x2D, 1252}, {0x2E, 1252}, {0x32, 1252},
    {0x34, 1252}, {0x35, 1252}, {0x36, 1252}, {0x38, 1252}, {0x3B, 1252}, {0x3C, 1252},
    {0x3E, 1252}, {0x41, 1252}, {0x52, 1252}, {0x56, 1252}, {0x62, 1252}, {0x64, 1252},
    {0x68, 1252}, {0x6A, 1252}, {0x6B, 1252}, {0x6C, 1252}, {0x6E, 1252}, {0x6F, 1252},
    {0x70, 1252}, {0x7A, 1252}, {0x7C, 1252}, {0x7E, 1252}, {0x82, 1252}, {0x83, 1252},
    {0x84, 1252}, {0x86, 1252}, {0x87, 1252}, {0x88, 1252}, {0x91, 1252}, {0x67, 1252},
    {0x75, 1252},
    // Single-language code pages
    {0x08, 1253},  // Greek
    {0x0D, 1255},  // Hebrew
    {0x11, 932},   // Japanese
    {0x12, 949},   // Korean
    {0x1E, 874},   // Thai
    {0x1F, 1254},  // Turkish
    {0x25, 1257}, {0x26, 1257}, {0x27, 1257},  // Estonian, Latvian, Lithuanian
    {0x2A, 1258},  // Vietnamese
};
// clang-format on

constexpr int kChinese = 0x04;
constexpr int kSerbianCroatianBosnian = 0x1A;
constexpr int kAzeri = 0x2C;
constexpr int kUzbek = 0x43;
constexpr int kMongolian = 0x50;
constexpr int kPunjabi = 0x46;
constexpr int kSindhi = 0x59;

int ChineseCodePage(int subLanguage) {
    // 0x02 PRC and 0x04 Singapore write simplified Chinese, as does the
    // neutral zh-Hans (0); Taiwan, Hong Kong, Macau and zh-Hant (0x1F) traditional.
    return (subLanguage == 0x00 || subLanguage == 0x02 || subLanguage == 0x04) ? 936 : 950;
}

int SerbianCroatianBosnianCodePage(int subLanguage) {
    // The Cyrillic forms: Serbian (Yugoslavia, Bosnia, Serbia, Montenegro) and
    // Bosnian; all others are Latin.
    switch (subLanguage) {
    case 0x03:
    case 0x07:
    case 0x08:
    case 0x0A:
    case 0x0C: return 1251;
    default: return 1250;
    }
}

}  // namespace

LCID GetUserDefaultLCID() {
    const std::string userLocale = UserRegionalFormatLocale();
    const char* locale = userLocale.c_str();
    LCID lcid = LcidOfLocale(locale);
    if (!NamesCountryLocale(lcid)) {
        // "fr", "sr_RS" or "en_US_POSIX" map to a neutral or the invariant
        // LCID. The likely full locale ("fr_Latn_FR") names a country; ICU
        // maps some only without the script ("fr_FR").
        const std::string expanded = LikelyFullLocale(locale);
        if (!expanded.empty()) {
            lcid = LcidOfLocale(expanded.c_str());
            if (!NamesCountryLocale(lcid)) {
                const std::string withoutScript = LanguageOf(expanded.c_str()) + "_" + CountryOf(expanded.c_str());
                lcid = LcidOfLocale(withoutScript.c_str());
            }
        }
    }
    // Otherwise (the C locale's en_US_POSIX, unknown languages): US English.
    return NamesCountryLocale(lcid) ? lcid : kLcidEnglishUnitedStates;
}

const std::vector<CLocaleInfo>& SupportedLocales() {
    static const std::vector<CLocaleInfo> locales = EnumerateLocales();
    return locales;
}

int GetDefaultAnsiCodePage(LCID lcid) {
    const int language = PrimaryLanguage(lcid);
    const int subLanguage = SubLanguage(lcid);
    switch (language) {
    case kChinese: return ChineseCodePage(subLanguage);
    case kSerbianCroatianBosnian: return SerbianCroatianBosnianCodePage(subLanguage);
    case kAzeri:
    case kUzbek: return subLanguage == 0x02 ? 1251 : 1254;   // 0x02 Cyrillic, else Latin
    case kMongolian: return subLanguage == 0x01 ? 1251 : 0;  // Cyrillic; Mongolian script none
    case kPunjabi:
    case kSindhi: return subLanguage == 0x02 ? 1256 : 0;  // Arabic script (Pakistan); Indic none
    default: break;
    }
    for (const LanguageCodePage& entry : kCodePageByLanguage) {
        if (entry.language == language) {
            return entry.codePage;
        }
    }
    return 0;
}
