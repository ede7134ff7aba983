#include "tests/support/SampleDocuments.h"

#include "core/CArchive.h"
#include "model/HolidayFile.h"

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

constexpr int kBefore = 0;
constexpr int kAfter = 3;
constexpr int kWednesday = 2;

CHoliday MakeHoliday(std::string id, std::string display, CRuleset ruleset) {
    CHoliday holiday;
    holiday.id = std::move(id);
    holiday.display = std::move(display);
    holiday.rulesets.push_back(std::move(ruleset));
    return holiday;
}

CRuleset FixedDate(int day, int month) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.ruleKind = 0;
    ruleset.fixedDay = day;
    ruleset.fixedMonth = month;
    return ruleset;
}

// `days` before (direction 0) or after (direction 3) the reference.
CRuleset DaysFrom(int days, int direction, const std::string& reference) {
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.ruleKind = 2;
    ruleset.relativeKind = 0;
    ruleset.offsetDays = days;
    ruleset.offsetDirection = direction;
    ruleset.offsetReference = reference;
    return ruleset;
}

}  // namespace

CHolidays MakeDocument(LCID language, const std::vector<CHoliday>& holidays) {
    CArchive archive = CArchive::ForStoring();
    WriteHolidayData(archive, language, 100, holidays);
    CHolidays document;
    LoadHolidayBytes(document, archive.Buffer());
    return document;
}

CHolidays MakeGermanHolidays() {
    CRuleset unity = FixedDate(3, 10);
    unity.validFrom = 1990;

    CHoliday repentanceReference = MakeHoliday("BUSS_UND_BETTAG_REF", "23. November", FixedDate(23, 11));
    repentanceReference.referenceOnly = 1;

    CRuleset repentance = MakeFixedRuleset();
    repentance.ruleKind = 2;
    repentance.relativeKind = 1;
    repentance.weekdayCount = 1;
    repentance.relativeWeekday = kWednesday;
    repentance.weekdayDirection = kBefore;
    repentance.weekdayReference = "BUSS_UND_BETTAG_REF";

    return MakeDocument(0x0407, {
        MakeHoliday("NEUJAHR", "Neujahr", FixedDate(1, 1)),
        MakeHoliday("KARFREITAG", "Karfreitag", DaysFrom(2, kBefore, "EASTER_REF")),
        MakeHoliday("OSTERSONNTAG", "Ostersonntag", DaysFrom(0, kAfter, "EASTER_REF")),
        MakeHoliday("OSTERMONTAG", "Ostermontag", DaysFrom(1, kAfter, "EASTER_REF")),
        MakeHoliday("TAG_DER_ARBEIT", "Tag der Arbeit", FixedDate(1, 5)),
        MakeHoliday("CHRISTI_HIMMELFAHRT", "Christi Himmelfahrt", DaysFrom(39, kAfter, "EASTER_REF")),
        MakeHoliday("PFINGSTSONNTAG", "Pfingstsonntag", DaysFrom(49, kAfter, "EASTER_REF")),
        MakeHoliday("PFINGSTMONTAG", "Pfingstmontag", DaysFrom(50, kAfter, "EASTER_REF")),
        MakeHoliday("FRONLEICHNAM", "Fronleichnam", DaysFrom(60, kAfter, "EASTER_REF")),
        MakeHoliday("TAG_DER_DEUTSCHEN_EINHEIT", "Tag der Deutschen Einheit", unity),
        MakeHoliday("REFORMATIONSTAG", "Reformationstag", FixedDate(31, 10)),
        repentanceReference,
        MakeHoliday("BUSS_UND_BETTAG", "Bu\xDF- und Bettag", repentance),
        MakeHoliday("ALLERHEILIGEN", "Allerheiligen", FixedDate(1, 11)),
        MakeHoliday("HEILIGABEND", "Heiligabend", FixedDate(24, 12)),
        MakeHoliday("WEIHNACHTSTAG_1", "1. Weihnachtstag", FixedDate(25, 12)),
        MakeHoliday("WEIHNACHTSTAG_2", "2. Weihnachtstag", FixedDate(26, 12)),
        MakeHoliday("SILVESTER", "Silvester", FixedDate(31, 12)),
    });
}

CHolidays MakeChainedHolidays(int count) {
    std::vector<CHoliday> holidays;
    for (int index = 0; index < count; ++index) {
        const std::string id = "H" + std::to_string(index);
        const bool last = index == count - 1;
        CRuleset ruleset = last ? FixedDate(1, 1) : DaysFrom(0, kAfter, "H" + std::to_string(index + 1));
        holidays.push_back(MakeHoliday(id, "Chained " + std::to_string(index), ruleset));
    }
    return MakeDocument(0x0409, holidays);
}
