// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Windows locale identifiers (LCIDs), the language of a holiday file, mapped
// onto ICU's locales.
using LCID = std::uint32_t;

constexpr LCID kLcidEnglishUnitedStates = 0x0409;

// The LCID of the user's default locale, the regional format
// (RegionalFormat.h) whose names the editor shows; 0x0409 when ICU has none
// for it.
LCID GetUserDefaultLCID();

// One locale the editor offers as a file language.
struct CLocaleInfo {
    LCID lcid = 0;
    std::string icuName;      // for example "de_DE"
    std::string displayName;  // in the user's language, UTF-8, for example "German (Germany)"
};

// Every locale ICU knows that has a country and maps to an LCID with a
// sub-language, one entry per LCID, in ICU's order.
const std::vector<CLocaleInfo>& SupportedLocales();

// The Windows default ANSI code page of an LCID's language (1250..1258, 874,
// 932, 936, 949, 950), or 0 when the language has none (use UTF-8 then).
int GetDefaultAnsiCodePage(LCID lcid);

// Every code page that GetDefaultAnsiCodePage gives.
inline constexpr int kAnsiCodePages[] = {0,    874,  932,  936,  949,  950,  1250, 1251,
                                         1252, 1253, 1254, 1255, 1256, 1257, 1258};
