#include "core/LocaleNames.h"

#include "tests/support/ScopedIcuDefaultLocale.h"

#include <gtest/gtest.h>

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
    const std::vector<std::string> months = {"January", "February", "March",     "April",
                                             "May",     "June",     "July",      "August",
                                             "September", "October", "November", "December"};
    const std::vector<std::string> abbreviatedMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::vector<std::string> days = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                           "Friday", "Saturday", "Sunday"};
    const std::vector<std::string> abbreviatedDays = {"Mon", "Tue", "Wed", "Thu",
                                                      "Fri", "Sat", "Sun"};
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
    EXPECT_EQ(names->DayName(7), "");
    EXPECT_EQ(names->AbbreviatedDayName(-1), "");
    EXPECT_EQ(GetDayName(7), "");
    EXPECT_EQ(GetMonthName(0), "");
}

TEST(LocaleNames, IcuNamesOfThePosixLocaleAreUsEnglish) {
    // ICU maps the C and POSIX locales of the environment to en_US_POSIX.
    const CScopedIcuDefaultLocale posix("en_US_POSIX");
    ExpectUsEnglish(Collect(*MakeUserLocaleNames()));
}

TEST(LocaleNames, IcuWeekdaysStartAtMondayInAnotherLanguage) {
    const CScopedIcuDefaultLocale german("de_DE");
    const auto names = MakeUserLocaleNames();
    EXPECT_EQ(names->DayName(0), "Montag");
    EXPECT_EQ(names->DayName(6), "Sonntag");
    EXPECT_EQ(names->MonthName(1), "Januar");
    EXPECT_EQ(names->MonthName(3), "M\xC3\xA4rz");  // UTF-8
    EXPECT_EQ(names->MonthName(12), "Dezember");
    EXPECT_FALSE(names->AbbreviatedDayName(0).empty());
    EXPECT_NE(names->AbbreviatedDayName(0), names->AbbreviatedDayName(6));
}

TEST(LocaleNames, InstalledSetServesTheFreeFunctions) {
    EXPECT_EQ(GetDayName(0), "Monday");
    EXPECT_EQ(GetMonthName(1), "January");
    {
        const CScopedIcuDefaultLocale german("de_DE");
        SetLocaleNames(MakeUserLocaleNames());
        EXPECT_EQ(GetDayName(0), "Montag");
        EXPECT_EQ(GetMonthName(12), "Dezember");
    }
    SetLocaleNames(MakeEnglishLocaleNames());
    EXPECT_EQ(GetDayName(6), "Sunday");
}
