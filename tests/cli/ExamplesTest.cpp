// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"
#include "model/DocumentCheck.h"
#include "model/HolidayFile.h"
#include "model/PreviewReport.h"
#include "tests/cli/CliTestSupport.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <fmt/format.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

CHolidays LoadExample(const std::string& name) {
    std::ostringstream warnings;
    CHolidays document = LoadDocument(ExamplePath(name), warnings);
    EXPECT_EQ(warnings.str(), "") << name;
    return document;
}

// "MM-DD ID" for each holiday of the year, in preview order.
std::vector<std::string> DatesOf(const std::string& name, int year) {
    CHolidays document = LoadExample(name);
    std::vector<std::string> dates;
    for (const CPreviewEntry& entry : CollectPreviewEntries(document, year)) {
        dates.push_back(fmt::format("{:02}-{:02} {}", entry.date.GetMonth(), entry.date.GetDay(), entry.id));
    }
    return dates;
}

using Dates = std::vector<std::string>;

TEST(Examples, JsonSourcesAndHolFilesAgree) {
    for (const char* stem : {"germany", "usa"}) {
        const CHolidays fromJson = LoadExample(std::string(stem) + ".json");
        const CHolidays fromHol = LoadExample(std::string(stem) + ".hol");
        EXPECT_EQ(SaveHolidayBytes(fromJson), SaveHolidayBytes(fromHol)) << stem;
        EXPECT_EQ(CheckDocument(fromJson).size(), 0u) << stem;
    }
}

TEST(Examples, GermanyDescribesTheSampleDocument) {
    EXPECT_EQ(SaveHolidayBytes(LoadExample("germany.json")), SaveHolidayBytes(MakeGermanHolidays()));
}

TEST(Examples, UsaIsInUsEnglish) {
    EXPECT_EQ(LoadExample("usa.hol").GetLanguage(), 0x0409u);
}

// Dates checked against printed calendars (Easter 2024: 31 March; 2025: 20 April).
TEST(Examples, GermanDatesAreRight) {
    EXPECT_EQ(DatesOf("germany.hol", 2024),
              (Dates{"01-01 NEUJAHR", "03-29 KARFREITAG", "03-31 OSTERSONNTAG", "04-01 OSTERMONTAG",
                     "05-01 TAG_DER_ARBEIT", "05-09 CHRISTI_HIMMELFAHRT", "05-19 PFINGSTSONNTAG", "05-20 PFINGSTMONTAG",
                     "05-30 FRONLEICHNAM", "10-03 TAG_DER_DEUTSCHEN_EINHEIT", "10-31 REFORMATIONSTAG",
                     "11-01 ALLERHEILIGEN", "11-20 BUSS_UND_BETTAG", "12-24 HEILIGABEND", "12-25 WEIHNACHTSTAG_1",
                     "12-26 WEIHNACHTSTAG_2", "12-31 SILVESTER"}));
    const Dates dates2025 = DatesOf("germany.json", 2025);
    for (const char* expected : {"04-18 KARFREITAG", "04-21 OSTERMONTAG", "05-29 CHRISTI_HIMMELFAHRT",
                                 "06-09 PFINGSTMONTAG", "06-19 FRONLEICHNAM", "11-19 BUSS_UND_BETTAG"}) {
        EXPECT_NE(std::find(dates2025.begin(), dates2025.end(), expected), dates2025.end()) << expected;
    }
    // German unity day exists from 1990 on.
    const Dates dates1989 = DatesOf("germany.hol", 1989);
    EXPECT_EQ(std::count(dates1989.begin(), dates1989.end(), "10-03 TAG_DER_DEUTSCHEN_EINHEIT"), 0);
}

// Observed dates as published in the federal holiday calendars for these years.
TEST(Examples, UsFederalDatesAreRight) {
    EXPECT_EQ(DatesOf("usa.hol", 2021),
              (Dates{"01-01 NEW_YEARS_DAY", "01-18 MLK_DAY", "02-15 WASHINGTONS_BIRTHDAY", "05-31 MEMORIAL_DAY",
                     "06-18 JUNETEENTH", "07-05 INDEPENDENCE_DAY", "09-06 LABOR_DAY", "10-11 COLUMBUS_DAY",
                     "11-11 VETERANS_DAY", "11-25 THANKSGIVING_DAY", "12-24 CHRISTMAS_DAY",
                     "12-31 NEW_YEARS_DAY"}));  // 1 January 2022 is a Saturday
    EXPECT_EQ(DatesOf("usa.hol", 2022),
              (Dates{"01-17 MLK_DAY", "02-21 WASHINGTONS_BIRTHDAY", "05-30 MEMORIAL_DAY", "06-20 JUNETEENTH",
                     "07-04 INDEPENDENCE_DAY", "09-05 LABOR_DAY", "10-10 COLUMBUS_DAY", "11-11 VETERANS_DAY",
                     "11-24 THANKSGIVING_DAY", "12-26 CHRISTMAS_DAY"}));
    EXPECT_EQ(DatesOf("usa.json", 2023),
              (Dates{"01-02 NEW_YEARS_DAY", "01-16 MLK_DAY", "02-20 WASHINGTONS_BIRTHDAY", "05-29 MEMORIAL_DAY",
                     "06-19 JUNETEENTH", "07-04 INDEPENDENCE_DAY", "09-04 LABOR_DAY", "10-09 COLUMBUS_DAY",
                     "11-10 VETERANS_DAY", "11-23 THANKSGIVING_DAY", "12-25 CHRISTMAS_DAY"}));
    // Before MLK Day (1986) and Juneteenth (2021); Veterans Day on the fourth Monday of October until 1977.
    EXPECT_EQ(DatesOf("usa.hol", 1975),
              (Dates{"01-01 NEW_YEARS_DAY", "02-17 WASHINGTONS_BIRTHDAY", "05-26 MEMORIAL_DAY",
                     "07-04 INDEPENDENCE_DAY", "09-01 LABOR_DAY", "10-13 COLUMBUS_DAY", "10-27 VETERANS_DAY",
                     "11-27 THANKSGIVING_DAY", "12-25 CHRISTMAS_DAY"}));
}

}  // namespace
