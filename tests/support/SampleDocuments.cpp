#include "tests/support/SampleDocuments.h"

#include "tests/support/RuleBuilders.h"

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
