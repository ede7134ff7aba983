// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "core/LocaleNames.h"
#include "core/WindowsLocale.h"

#include "tests/support/ScopedLocaleEnvironment.h"

#include <unicode/locid.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct NameSet {
    std::vector<std::string> months;
    std::vector<std::string> abbreviatedMonths;
    std::vector<std::string> days;
    std::vector<std::string> abbreviatedDays;
    std::string morning;
    std::string afternoon;
};

NameSet Collect(const ILocaleNames& names) {
    NameSet set;
    for (int month = 1; month <= 12; ++month) {
        set.months.push_back(names.MonthName(month));
        set.abbreviatedMonths.push_back(names.AbbreviatedMonthName(month));
    }
    for (int weekday = 0; weekday <= 6; ++weekday) {
        set.days.push_back(names.DayName(weekday));
        set.abbreviatedDays.push_back(names.AbbreviatedDayName(weekday));
    }
    set.morning = names.MorningDesignator();
    set.afternoon = names.AfternoonDesignator();
    return set;
}

void ExpectUsEnglish(const NameSet& set) {
    const std::vector<std::string> months = {"January", "February", "March",     "April",   "May",      "June",
                                             "July",    "August",   "September", "October", "November", "December"};
    const std::vector<std::string> abbreviatedMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::vector<std::string> days = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                           "Friday", "Saturday", "Sunday"};
    const std::vector<std::string> abbreviatedDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    EXPECT_EQ(set.months, months);
    EXPECT_EQ(set.abbreviatedMonths, abbreviatedMonths);
    EXPECT_EQ(set.days, days);
    EXPECT_EQ(set.abbreviatedDays, abbreviatedDays);
    EXPECT_EQ(set.morning, "AM");
    EXPECT_EQ(set.afternoon, "PM");
}

}  // namespace

TEST(LocaleNames, EnglishSetIsUsEnglish) {
    ExpectUsEnglish(Collect(*MakeEnglishLocaleNames()));
}

TEST(LocaleNames, OutOfRangeArgumentsGiveEmptyText) {
    const auto names = MakeEnglishLocaleNames();
    EXPECT_EQ(names->MonthName(0), "");
    EXPECT_EQ(names->MonthName(13), "");
    EXPECT_EQ(names->AbbreviatedMonthName(-1), "");
    EXPECT_EQ(names->AbbreviatedMonthName(13), "");
    EXPECT_EQ(names->DayName(7), "");
    EXPECT_EQ(names->AbbreviatedDayName(-1), "");
    EXPECT_EQ(GetDayName(7), "");
    EXPECT_EQ(GetMonthName(0), "");
}

TEST(LocaleNames, IcuNamesOfThePosixLocaleAreUsEnglish) {
    const CScopedLocaleEnvironment posix("C");
    ExpectUsEnglish(Collect(*MakeUserLocaleNames()));
}

// The lists and the dates show the plain (stand-alone) names, never the
// inflected forms of ICU's format context ("января", "stycznia").
TEST(LocaleNames, ListsAndDatesShowPlainNames) {
    const struct {
        const char* locale;
        const char* lists;  // January, Monday, Sunday
        const char* date;   // "%d %b|%d %B|%a %A" of Wednesday, 1 May 2024
    } cases[] = {
        {"ru_RU.UTF-8", "январь понедельник воскресенье", "01 май|01 май|ср среда"},
        {"pl_PL.UTF-8", "styczeń poniedziałek niedziela", "01 maj|01 maj|śr. środa"},
        {"cs_CZ.UTF-8", "leden pondělí neděle", "01 kvě|01 květen|st středa"},
        {"fi_FI.UTF-8", "tammikuu maanantai sunnuntai", "01 touko|01 toukokuu|ke keskiviikko"},
        {"de_DE.UTF-8", "Januar Montag Sonntag", "01 Mai|01 Mai|Mi Mittwoch"},
    };
    for (const auto& c : cases) {
        const CScopedLocaleEnvironment environment(c.locale);
        SetLocaleNames(MakeUserLocaleNames());
        EXPECT_EQ(GetMonthName(1) + " " + GetDayName(0) + " " + GetDayName(6), c.lists) << c.locale;
        EXPECT_EQ(CDateTime(2024, 5, 1).Format("%d %b|%d %B|%a %A"), c.date) << c.locale;
    }
    SetLocaleNames(MakeEnglishLocaleNames());
}

// The regional format is the locale of LC_TIME: LC_ALL overrides it, LANG
// stands in for it, an empty value counts as unset. The messages' language
// does not matter. A new document's language follows the same locale.
TEST(LocaleNames, RegionalFormatIsLcAllThenLcTimeThenLang) {
    const struct {
        const char* lcAll;
        const char* lcTime;
        const char* lang;
        LCID lcid;
        const char* january;
    } cases[] = {
        {nullptr, "de_DE.UTF-8", "en_US.UTF-8", 0x0407, "Januar"},
        {"ru_RU.UTF-8", "de_DE.UTF-8", "en_US.UTF-8", 0x0419, "январь"},
        {"", "", "pl_PL.UTF-8", 0x0415, "styczeń"},
        {nullptr, "sr_RS.UTF-8@latin", nullptr, 0x241A, "januar"},
        {nullptr, "sr_RS.UTF-8", nullptr, 0x281A, "јануар"},
        {"C", nullptr, "de_DE.UTF-8", kLcidEnglishUnitedStates, "January"},
        {nullptr, nullptr, nullptr, kLcidEnglishUnitedStates, "January"},
    };
    for (const auto& c : cases) {
        const CScopedLocaleEnvironment environment(c.lcAll, c.lcTime, c.lang);
        const std::string where =
            std::string(c.lcAll ? c.lcAll : "-") + " " + (c.lcTime ? c.lcTime : "-") + " " + (c.lang ? c.lang : "-");
        EXPECT_EQ(GetUserDefaultLCID(), c.lcid) << where;
        EXPECT_EQ(MakeUserLocaleNames()->MonthName(1), c.january) << where;
    }
}

TEST(LocaleNames, InstalledSetServesTheFreeFunctions) {
    EXPECT_EQ(GetDayName(0), "Monday");
    EXPECT_EQ(GetMonthName(1), "January");
    {
        const CScopedLocaleEnvironment german("de_DE.UTF-8");
        SetLocaleNames(MakeUserLocaleNames());
        EXPECT_EQ(GetDayName(0), "Montag");
        EXPECT_EQ(GetMonthName(12), "Dezember");
    }
    SetLocaleNames(MakeEnglishLocaleNames());
    EXPECT_EQ(GetDayName(6), "Sunday");
}

// A locale ICU does not know gives the names of its language, else English:
// never ICU's "M01" ... "M12", nor the names of ICU's default locale, which
// a process takes from the same variables when it starts.
TEST(LocaleNames, UnknownRegionalFormatFallsBackToItsLanguageThenEnglish) {
    const icu::Locale savedDefault = icu::Locale::getDefault();
    const struct {
        const char* lcTime;
        const char* lang;
        const char* january;
    } cases[] = {
        {"xx_YY.invalid", "xx_YY.invalid", "January"},
        {"xx_YY.invalid", "de_DE.UTF-8", "January"},
        {"de_XX.UTF-8", "ru_RU.UTF-8", "Januar"},
    };
    for (const auto& c : cases) {
        const CScopedLocaleEnvironment environment(nullptr, c.lcTime, c.lang);
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale::setDefault(icu::Locale(std::string(c.lang, 5).c_str()), status);
        EXPECT_EQ(MakeUserLocaleNames()->MonthName(1), c.january) << c.lcTime << " " << c.lang;
    }
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(savedDefault, status);
}
