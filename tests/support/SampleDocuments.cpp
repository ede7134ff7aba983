// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/SampleDocuments.h"

#include "tests/support/RuleBuilders.h"

#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

CRuleset MakeFixedRuleset() {
    CRuleset ruleset;
    ruleset.fixedDay = 1;
    ruleset.fixedMonth = 1;
    ruleset.weekdayMonth = 1;
    ruleset.monthWeekday = 0;
    ruleset.relativeWeekday = 0;
    return ruleset;
}

namespace {

CHoliday MakeHoliday(std::string id, std::string display, CRuleset ruleset) {
    CHoliday holiday;
    holiday.id = std::move(id);
    holiday.display = std::move(display);
    holiday.rulesets.push_back(std::move(ruleset));
    return holiday;
}

}  // namespace

CHolidays MakeDocument(LCID language, const std::vector<CHoliday>& holidays) {
    return CHolidays(language, 100, holidays);
}

CHolidays MakeGermanHolidays() {
    CRuleset unity = rules::Fixed(3, 10);
    unity.validFrom = 1990;

    CHoliday repentanceReference = MakeHoliday("BUSS_UND_BETTAG_REF", "23. November", rules::Fixed(23, 11));
    repentanceReference.referenceOnly = CHoliday::kReferenceOnly;

    CRuleset repentance = MakeFixedRuleset();
    repentance.ruleKind = CRuleset::kRelativeDate;
    repentance.relativeKind = CRuleset::kFixedWeekday;
    repentance.weekdayCount = 1;
    repentance.relativeWeekday = rules::kWednesday;
    repentance.weekdayDirection = rules::kBefore;
    repentance.weekdayReference = "BUSS_UND_BETTAG_REF";

    return MakeDocument(
        0x0407,
        {
            MakeHoliday("NEUJAHR", "Neujahr", rules::Fixed(1, 1)),
            MakeHoliday("KARFREITAG", "Karfreitag", rules::DaysFrom(2, rules::kBefore, "EASTER_REF")),
            MakeHoliday("OSTERSONNTAG", "Ostersonntag", rules::DaysFrom(0, rules::kAfter, "EASTER_REF")),
            MakeHoliday("OSTERMONTAG", "Ostermontag", rules::DaysFrom(1, rules::kAfter, "EASTER_REF")),
            MakeHoliday("TAG_DER_ARBEIT", "Tag der Arbeit", rules::Fixed(1, 5)),
            MakeHoliday("CHRISTI_HIMMELFAHRT", "Christi Himmelfahrt", rules::DaysFrom(39, rules::kAfter, "EASTER_REF")),
            MakeHoliday("PFINGSTSONNTAG", "Pfingstsonntag", rules::DaysFrom(49, rules::kAfter, "EASTER_REF")),
            MakeHoliday("PFINGSTMONTAG", "Pfingstmontag", rules::DaysFrom(50, rules::kAfter, "EASTER_REF")),
            MakeHoliday("FRONLEICHNAM", "Fronleichnam", rules::DaysFrom(60, rules::kAfter, "EASTER_REF")),
            MakeHoliday("TAG_DER_DEUTSCHEN_EINHEIT", "Tag der Deutschen Einheit", unity),
            MakeHoliday("REFORMATIONSTAG", "Reformationstag", rules::Fixed(31, 10)),
            repentanceReference,
            MakeHoliday("BUSS_UND_BETTAG", "Bu\xDF- und Bettag", repentance),
            MakeHoliday("ALLERHEILIGEN", "Allerheiligen", rules::Fixed(1, 11)),
            MakeHoliday("HEILIGABEND", "Heiligabend", rules::Fixed(24, 12)),
            MakeHoliday("WEIHNACHTSTAG_1", "1. Weihnachtstag", rules::Fixed(25, 12)),
            MakeHoliday("WEIHNACHTSTAG_2", "2. Weihnachtstag", rules::Fixed(26, 12)),
            MakeHoliday("SILVESTER", "Silvester", rules::Fixed(31, 12)),
        });
}

CHolidays MakeChainedHolidays(int count) {
    std::vector<CHoliday> holidays;
    for (int index = 0; index < count; ++index) {
        const std::string id = "H" + std::to_string(index);
        const bool last = index == count - 1;
        CRuleset ruleset =
            last ? rules::Fixed(1, 1) : rules::DaysFrom(0, rules::kAfter, "H" + std::to_string(index + 1));
        holidays.push_back(MakeHoliday(id, "Chained " + std::to_string(index), ruleset));
    }
    return MakeDocument(0x0409, holidays);
}

namespace {

class CRandomHolidays {
public:
    explicit CRandomHolidays(unsigned seed) : random(seed) {}

    CHolidays Make(int count) {
        std::vector<CHoliday> holidays;
        std::set<std::string> ids;
        while (static_cast<int>(holidays.size()) < count) {
            std::string id = Id();
            if (!ids.insert(id).second) {
                continue;
            }
            std::vector<CRuleset> rulesets = {Ruleset(holidays)};
            if (OneIn(10)) {
                rulesets.push_back(Ruleset(holidays));
            }
            CHoliday holiday = rules::Holiday(std::move(id), std::move(rulesets), OneIn(20));
            holidays.push_back(std::move(holiday));
        }
        return MakeDocument(0x0409, holidays);
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool OneIn(int n) { return Between(1, n) == 1; }

    // Letters of both cases, digits and underscores, so that the lists'
    // case-insensitive order differs from the bytes' order.
    std::string Id() {
        static constexpr char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789abcdefghijklmnopqrstuvwxyz";
        std::string id(static_cast<std::size_t>(Between(4, 20)), ' ');
        for (char& c : id) {
            c = kCharacters[Between(0, OneIn(4) ? 62 : 36)];
        }
        return id;
    }

    // An Easter reference or a holiday made before, so that every date resolves.
    std::string Reference(const std::vector<CHoliday>& earlier) {
        if (earlier.empty() || OneIn(2)) {
            return CHolidays::GetReferenceId(Between(0, CHolidays::GetReferenceCount() - 1));
        }
        return earlier[static_cast<std::size_t>(Between(0, static_cast<int>(earlier.size()) - 1))].id;
    }

    CRuleset Rule(const std::vector<CHoliday>& earlier) {
        const int kind = Between(1, 100);
        if (kind <= 40) {
            return rules::Fixed(Between(1, 28), Between(1, 12));
        }
        if (kind <= 65) {
            return rules::WeekdayOfMonth(Between(0, 5), Between(0, 6), Between(1, 12));
        }
        if (kind <= 85) {
            return rules::DaysFrom(Between(0, 60), OneIn(2) ? rules::kBefore : rules::kAfter, Reference(earlier));
        }
        return rules::WeekdayFrom(Between(1, 3), Between(0, 6), Between(0, 3), Reference(earlier));
    }

    CRuleset Ruleset(const std::vector<CHoliday>& earlier) {
        CRuleset ruleset = Rule(earlier);
        if (OneIn(5)) {
            const int from = Between(1900, 2050);
            ruleset = rules::Years(std::move(ruleset), from, Between(from, 2100), Between(1, 4));
        }
        if (OneIn(4)) {
            ruleset.shiftRules.push_back(rules::OnWeekdayShiftTo(rules::kSunday, 1, rules::kMonday, rules::kAfter));
        }
        if (OneIn(10)) {
            ruleset.shiftRules.push_back(OneIn(2) ? rules::OnWeekdayDrop(rules::kSaturday)
                                                  : rules::OnHolidayMoveTo(Reference(earlier), Reference(earlier)));
        }
        return ruleset;
    }

    std::mt19937 random;
};

}  // namespace

CHolidays MakeRandomHolidays(int count, unsigned seed) {
    return CRandomHolidays(seed).Make(count);
}

CHolidays MakeMixedHolidays(int count) {
    std::vector<CHoliday> holidays;
    holidays.reserve(static_cast<std::size_t>(count));
    for (int index = 0; index < count; ++index) {
        const int day = 1 + index % 28;
        const int month = 1 + index % 12;
        CRuleset ruleset;
        switch (index % 4) {
        case 0: ruleset = rules::Fixed(day, month); break;
        case 1: ruleset = rules::WeekdayOfMonth(index % 6, index % 7, month); break;
        case 2: ruleset = rules::DaysFrom(index % 60, rules::kAfter, "EASTER_REF"); break;
        default:
            ruleset = rules::WeekdayFrom(1 + index % 3, index % 7, rules::kBefore, "H" + std::to_string(index - 1));
        }
        if (index % 3 == 0) {
            ruleset.shiftRules = {rules::OnWeekdayShiftTo(rules::kSunday, 1, rules::kMonday, rules::kAfter)};
        }
        const std::string display =
            "Gedenktag f\xFCr die Stra\xDF"
            "e " +
            std::to_string(index);
        if (index % 5 == 0) {
            holidays.push_back(MakeHoliday("H" + std::to_string(index), display, rules::Years(ruleset, 1900, 1999)));
            holidays.back().rulesets.push_back(rules::Years(rules::Fixed(day, month), 2000, 2100));
        } else {
            holidays.push_back(MakeHoliday("H" + std::to_string(index), display, ruleset));
        }
    }
    return MakeDocument(0x0407, holidays);
}
