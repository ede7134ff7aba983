// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LocaleNames.h"

#include "core/RegionalFormat.h"
#include "core/Weekday.h"

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace {

// Names indexed 0 = Monday ... 6 = Sunday and 0 = January ... 11 = December.
struct NameTables {
    std::array<std::string, 12> months;
    std::array<std::string, 12> abbreviatedMonths;
    std::array<std::string, 7> days;
    std::array<std::string, 7> abbreviatedDays;
    std::string morning;
    std::string afternoon;
};

bool IsMonth(int month) {
    return month >= 1 && month <= 12;
}

class CTableLocaleNames final : public ILocaleNames {
public:
    explicit CTableLocaleNames(NameTables tables) : names(std::move(tables)) {}

    std::string MonthName(int month) const override {
        return IsMonth(month) ? names.months[MonthIndex(month)] : std::string();
    }
    std::string DayName(int weekday) const override {
        return IsWeekday(weekday) ? names.days[DayIndex(weekday)] : std::string();
    }
    std::string AbbreviatedDayName(int weekday) const override {
        return IsWeekday(weekday) ? names.abbreviatedDays[DayIndex(weekday)] : std::string();
    }
    std::string AbbreviatedMonthName(int month) const override {
        return IsMonth(month) ? names.abbreviatedMonths[MonthIndex(month)] : std::string();
    }
    std::string MorningDesignator() const override { return names.morning; }
    std::string AfternoonDesignator() const override { return names.afternoon; }

private:
    static std::size_t MonthIndex(int month) { return static_cast<std::size_t>(month - 1); }
    static std::size_t DayIndex(int weekday) { return static_cast<std::size_t>(weekday); }

    NameTables names;
};

NameTables EnglishTables() {
    const std::array<std::string, 12> months = {"January", "February", "March",     "April",   "May",      "June",
                                                "July",    "August",   "September", "October", "November", "December"};
    return NameTables{
        months,
        {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
        {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
        {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
        "AM",
        "PM",
    };
}

std::string ToUtf8(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

// Copies ICU's 12 month names (January first) into the table.
bool CopyMonths(const icu::UnicodeString* names, int count, std::array<std::string, 12>& out) {
    if (names == nullptr || count < 12) {
        return false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = ToUtf8(names[i]);
    }
    return true;
}

// ICU's weekday arrays hold 8 entries indexed by UCAL_SUNDAY (1) ...
// UCAL_SATURDAY (7); index 0 is unused. Ours start at Monday.
bool CopyWeekdays(const icu::UnicodeString* names, int count, std::array<std::string, 7>& out) {
    if (names == nullptr || count < 8) {
        return false;
    }
    for (std::size_t weekday = 0; weekday < out.size(); ++weekday) {
        const std::size_t icuIndex = weekday == 6 ? 1 : weekday + 2;  // Sunday is 1, Monday 2
        out[weekday] = ToUtf8(names[icuIndex]);
    }
    return true;
}

// The names of a locale: ICU's stand-alone names, the plain forms. Nothing
// when ICU has no names of the locale's language: it then gives those of its
// default locale (which follows the environment too) or of its root locale
// ("M01" ... "M12"), neither of which the user asked for.
std::optional<NameTables> TablesOf(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(locale, status);
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING) {
        return std::nullopt;
    }
    UErrorCode actualStatus = U_ZERO_ERROR;
    const icu::Locale actual = symbols.getLocale(ULOC_ACTUAL_LOCALE, actualStatus);
    if (U_FAILURE(actualStatus) || std::string_view(actual.getLanguage()) != locale.getLanguage()) {
        return std::nullopt;
    }
    using Symbols = icu::DateFormatSymbols;
    NameTables tables;
    // Each getter reports its array length through count, so it must run
    // before count is read.
    int count = 0;
    bool complete = true;
    const icu::UnicodeString* names = symbols.getMonths(count, Symbols::STANDALONE, Symbols::WIDE);
    complete = complete && CopyMonths(names, count, tables.months);
    names = symbols.getMonths(count, Symbols::STANDALONE, Symbols::ABBREVIATED);
    complete = complete && CopyMonths(names, count, tables.abbreviatedMonths);
    names = symbols.getWeekdays(count, Symbols::STANDALONE, Symbols::WIDE);
    complete = complete && CopyWeekdays(names, count, tables.days);
    names = symbols.getWeekdays(count, Symbols::STANDALONE, Symbols::ABBREVIATED);
    complete = complete && CopyWeekdays(names, count, tables.abbreviatedDays);
    const icu::UnicodeString* halves = symbols.getAmPmStrings(count);
    if (halves != nullptr && count >= 2) {
        tables.morning = ToUtf8(halves[0]);
        tables.afternoon = ToUtf8(halves[1]);
    } else {
        complete = false;
    }
    if (!complete) {
        return std::nullopt;
    }
    return tables;
}

// The names of the user's regional format; of its language alone when ICU
// has none for the whole locale; the English tables when it has neither.
NameTables UserTables() {
    const icu::Locale locale(UserRegionalFormatLocale().c_str());
    std::optional<NameTables> tables = TablesOf(locale);
    if (!tables) {
        tables = TablesOf(icu::Locale(locale.getLanguage()));
    }
    return tables ? *tables : EnglishTables();
}

std::unique_ptr<ILocaleNames>& InstalledNames() {
    static std::unique_ptr<ILocaleNames> names;
    return names;
}

}  // namespace

std::unique_ptr<ILocaleNames> MakeUserLocaleNames() {
    return std::make_unique<CTableLocaleNames>(UserTables());
}

std::unique_ptr<ILocaleNames> MakeEnglishLocaleNames() {
    return std::make_unique<CTableLocaleNames>(EnglishTables());
}

const ILocaleNames& CurrentLocaleNames() {
    std::unique_ptr<ILocaleNames>& names = InstalledNames();
    if (!names) {
        names = MakeUserLocaleNames();
    }
    return *names;
}

void SetLocaleNames(std::unique_ptr<ILocaleNames> names) {
    InstalledNames() = std::move(names);
}

std::string GetDayName(int weekday) {
    return CurrentLocaleNames().DayName(weekday);
}

std::string GetMonthName(int month) {
    return CurrentLocaleNames().MonthName(month);
}
