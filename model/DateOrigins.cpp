// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DateOrigins.h"

#include "calc/DateTrace.h"
#include "calc/RuleReferences.h"
#include "core/CodePage.h"
#include "core/LocaleNames.h"
#include "core/ShownText.h"
#include "model/CHolidays.h"

#include <fmt/format.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

CDateTime DateOfDayNumber(int day) {
    CDateTime date;  // day number 1
    date += CDateTimeSpan(day - 1, 0, 0, 0);
    return date;
}

// "first" .. "fifth", then "6th", "21st", "112th".
std::string OrdinalWord(std::int64_t n) {
    static constexpr std::array<const char*, 5> kWords = {"first", "second", "third", "fourth", "fifth"};
    if (n >= 1 && n <= 5) {
        return kWords[static_cast<std::size_t>(n - 1)];
    }
    const std::int64_t lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return fmt::format("{}{}", n, suffix);
}

// The words of a weekday step's direction; nothing for one that does not move.
std::optional<const char*> DirectionWords(std::int32_t direction) {
    switch (direction) {
    case kBefore: return "before";
    case kBeforeOn: return "on or before";
    case kOnAfter: return "on or after";
    case kAfter: return "after";
    default: return std::nullopt;
    }
}

// Builds the texts of one holiday's traced dates.
class COriginWriter {
public:
    COriginWriter(const CHoliday& holidayRecord, int calculatedYear, const CCodePage& shownIn,
                  std::string_view betweenLines)
        : holiday(holidayRecord), year(calculatedYear), codePage(shownIn), lineBreak(betweenLines) {}

    CDateOrigin Origin(const CTracedDate& traced) const {
        std::string text = fmt::format("Ruleset {}: {}", traced.ruleset + 1, RuleText(traced));
        std::string shifts;
        for (const CTracedShift& shift : traced.shifts) {
            shifts += (shifts.empty() ? "" : "; ") + ShiftText(traced, shift);
        }
        if (!shifts.empty()) {
            text.append(lineBreak).append(shifts);
        }
        return {DateOfDayNumber(traced.day), traced.ruleset, std::move(text)};
    }

private:
    const CRuleset& Ruleset(int index) const { return holiday.rulesets[static_cast<std::size_t>(index)]; }

    // "Sunday 24 May", with the year when it is not the one calculated.
    std::string DayText(int day) const {
        const CDateTime date = DateOfDayNumber(day);
        return date.Format(date.GetYear() == year ? "%A %#d %B" : "%A %#d %B %Y");
    }

    std::string RuleText(const CTracedDate& traced) const {
        const CRuleset& ruleset = Ruleset(traced.ruleset);
        switch (ruleset.ruleKind) {
        case CRuleset::kFixedDate: return DateOfDayNumber(traced.ruleDay).Format("%#d %B");
        case CRuleset::kWeekdayOfMonth: {
            const bool last = ruleset.weekdayOrdinal == CRuleset::kLast;
            return fmt::format("{} {} of {}", last ? "last" : OrdinalWord(ruleset.weekdayOrdinal + 1),
                               GetDayName(ruleset.monthWeekday), GetMonthName(ruleset.weekdayMonth));
        }
        default: break;
        }
        // A relative date: only those give dates besides the two above.
        const std::string* referenceId = RuleReference(ruleset);
        const std::string reference = fmt::format("{} ({})", ShowText(codePage, referenceId ? *referenceId : ""),
                                                  DateOfDayNumber(traced.referenceDay).Format("%#d %b %Y"));
        if (ruleset.relativeKind == CRuleset::kFixedNumberOfDays) {
            const std::int64_t offset = ruleset.offsetDirection == kBefore ? -std::int64_t{ruleset.offsetDays}
                                                                           : std::int64_t{ruleset.offsetDays};
            if (offset == 0) {
                return "the day of " + reference;
            }
            const std::int64_t days = std::abs(offset);
            return fmt::format("{} day{} {} {}", days, days == 1 ? "" : "s", offset < 0 ? "before" : "after",
                               reference);
        }
        const std::optional<const char*> direction = DirectionWords(ruleset.weekdayDirection);
        if (!direction) {
            return fmt::format("the day of {}, which weekday direction {} does not move", reference,
                               ruleset.weekdayDirection);
        }
        const std::string weekday = GetDayName(ruleset.relativeWeekday);
        const std::string counted =
            ruleset.weekdayCount > 1 ? OrdinalWord(ruleset.weekdayCount) + " " + weekday : weekday;
        return fmt::format("{} {} {}", counted, *direction, reference);
    }

    std::string ShiftText(const CTracedDate& traced, const CTracedShift& shift) const {
        const std::string rule = shift.ruleset == traced.ruleset ? fmt::format("shift rule {}", shift.shiftRule + 1)
                                                                 : fmt::format("shift rule {} of ruleset {}",
                                                                               shift.shiftRule + 1, shift.ruleset + 1);
        if (shift.dropped) {
            return fmt::format("dropped by {} on {}", rule, DayText(shift.fromDay));
        }
        if (shift.toDay == shift.fromDay) {
            return fmt::format("{} applies on {} but does not move it", rule, DayText(shift.fromDay));
        }
        const CShiftRule& shiftRule = Ruleset(shift.ruleset).shiftRules[static_cast<std::size_t>(shift.shiftRule)];
        if (const std::string* target = TargetReference(shiftRule)) {
            return fmt::format("moved by {} from {} to the nearest date of {}", rule, DayText(shift.fromDay),
                               ShowText(codePage, *target));
        }
        return fmt::format("moved by {} from {}", rule, DayText(shift.fromDay));
    }

    const CHoliday& holiday;
    int year;
    const CCodePage& codePage;
    std::string_view lineBreak;
};

// The origins of the traced dates (or of the dropped ones) whose date lies in the year.
std::vector<CDateOrigin> Explain(CHolidays& document, int position, int year, const CCodePage& codePage,
                                 std::string_view lineBreak, bool dropped) {
    std::vector<CDateOrigin> origins;
    const std::optional<CHolidayTrace> trace = document.TraceHoliday(position, year);
    if (!trace) {
        return origins;
    }
    const COriginWriter writer(document.Holidays()[static_cast<std::size_t>(position)], year, codePage, lineBreak);
    for (const CTracedDate& traced : dropped ? trace->dropped : trace->dates) {
        if (DateOfDayNumber(traced.day).GetYear() == year) {
            origins.push_back(writer.Origin(traced));
        }
    }
    return origins;
}

}  // namespace

std::vector<CDateOrigin> ExplainHolidayDates(CHolidays& document, int position, int year, const CCodePage& codePage,
                                             std::string_view lineBreak) {
    return Explain(document, position, year, codePage, lineBreak, false);
}

std::vector<CDateOrigin> ExplainDroppedDates(CHolidays& document, int position, int year, const CCodePage& codePage,
                                             std::string_view lineBreak) {
    return Explain(document, position, year, codePage, lineBreak, true);
}

const CDateOrigin* OriginOfPreviewLine(const std::vector<CPreviewEntry>& entries, std::size_t line,
                                       const std::vector<CDateOrigin>& origins) {
    if (line >= entries.size()) {
        return nullptr;
    }
    const CPreviewEntry& entry = entries[line];
    // The lines of a day are next to each other.
    std::size_t earlier = 0;
    for (std::size_t other = line; other-- > 0 && entries[other].date == entry.date;) {
        earlier += entries[other].holiday == entry.holiday ? 1U : 0U;
    }
    for (const CDateOrigin& origin : origins) {
        if (origin.date == entry.date && earlier-- == 0) {
            return &origin;
        }
    }
    return nullptr;
}
