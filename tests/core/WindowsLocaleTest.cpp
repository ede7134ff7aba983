// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/WindowsLocale.h"

#include "tests/support/ScopedLocaleEnvironment.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(WindowsLocale, DefaultAnsiCodePagesByLanguage) {
    struct Case {
        LCID lcid;
        int codePage;
    };
    const Case cases[] = {
        {0x0407, 1252},
        {0x0409, 1252},
        {0x0419, 1251},
        {0x0411, 932},
        {0x0804, 936},
        {0x0404, 950},
        {0x0405, 1250},
        {0x0408, 1253},
        {0x041F, 1254},
        {0x040D, 1255},
        {0x0401, 1256},
        {0x0425, 1257},
        {0x042A, 1258},
        {0x041E, 874},
        {0x0412, 949},
        {0x0439, 0},
        {0x0437, 0},
        {0x042B, 0},
        {0x0449, 0},
        // Chinese by region: Hong Kong and Macau traditional, Singapore simplified.
        {0x0C04, 950},
        {0x1404, 950},
        {0x1004, 936},
        // Script variants: Serbian, Bosnian, Azeri, Uzbek Latin and Cyrillic.
        {0x041A, 1250},
        {0x081A, 1250},
        {0x0C1A, 1251},
        {0x241A, 1250},
        {0x281A, 1251},
        {0x141A, 1250},
        {0x201A, 1251},
        {0x042C, 1254},
        {0x082C, 1251},
        {0x0443, 1254},
        {0x0843, 1251},
        // An unknown language has none.
        {0x03FF, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetDefaultAnsiCodePage(c.lcid), c.codePage) << std::hex << c.lcid;
    }
}

TEST(WindowsLocale, UserDefaultLcidOfARegionalFormat) {
    const struct {
        const char* locale;
        LCID lcid;
    } cases[] = {
        {"de_DE.UTF-8", 0x0407},
        {"sr_RS.UTF-8@cyrillic", 0x281A},
        {"C.UTF-8", kLcidEnglishUnitedStates},  // the C locale is US English
        {"fr", 0x040C},                         // a language alone takes its likely country
        {"xx_YY", kLcidEnglishUnitedStates},
    };
    for (const auto& c : cases) {
        const CScopedLocaleEnvironment environment(c.locale);
        EXPECT_EQ(GetUserDefaultLCID(), c.lcid) << c.locale;
    }
}

TEST(WindowsLocale, SupportedLocalesHaveOneCountryLocalePerLcid) {
    const std::vector<CLocaleInfo>& locales = SupportedLocales();
    ASSERT_GT(locales.size(), 100u);
    std::set<LCID> seen;
    bool hasGermany = false;
    for (const CLocaleInfo& locale : locales) {
        EXPECT_TRUE(seen.insert(locale.lcid).second) << locale.icuName;
        EXPECT_NE((locale.lcid >> 10) & 0x3Fu, 0u) << locale.icuName;
        EXPECT_FALSE(locale.displayName.empty()) << locale.icuName;
        EXPECT_NE(locale.icuName.find('_'), std::string::npos) << locale.icuName;
        if (locale.lcid == 0x0407) {
            hasGermany = true;
            EXPECT_EQ(locale.icuName, "de_DE");
        }
    }
    EXPECT_TRUE(hasGermany);
}

// ICU gives en_AS, en_GU ... the LCID 0x0409 too; the entry must stand for the
// locale the LCID maps back to.
TEST(WindowsLocale, EachLcidStandsForTheLocaleItMapsBackTo) {
    std::map<LCID, std::string> nameOf;
    for (const CLocaleInfo& locale : SupportedLocales()) {
        nameOf[locale.lcid] = locale.icuName;
    }
    EXPECT_EQ(nameOf[0x0409], "en_US");
    EXPECT_EQ(nameOf[0x0809], "en_GB");
    EXPECT_EQ(nameOf[0x0C0A], "es_ES");
    EXPECT_EQ(nameOf[0x0407], "de_DE");
}
