// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/DocumentCheck.h"

#include "calc/RuleReferences.h"
#include "calc/YearCalculation.h"
#include "core/CodePage.h"
#include "core/ShownText.h"
#include "core/WindowsLocale.h"
#include "model/ReferenceCycles.h"
#include "records/HolidayId.h"
#include "records/RecordFields.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <future>
#include <iterator>
#include <set>
#include <string_view>
#include <thread>
#include <unordered_map>

namespace {

// A cycle message names at most this many other holidays.
constexpr std::size_t kMaxNamedCycleMembers = 5;

// A reference that takes part in the calculation of a ruleset.
struct CUsedReference {
    std::string place;  // for example "ruleset 2, shift rule 1, shiftTarget"
    std::string id;
};

// "ruleset 2", or within a ruleset "ruleset 2, shift rule 1".
template <class Record>
std::string RecordPlace(const std::string& owner, std::size_t index) {
    const std::string place = fmt::format("{} {}", kRecordNoun<Record>, index + 1);
    return owner.empty() ? place : owner + ", " + place;
}

// The references the calculation looks up for a ruleset's rule and shift rules.
std::vector<CUsedReference> UsedReferences(const CRuleset& ruleset, const std::string& rulesetPlace) {
    std::vector<CUsedReference> used;
    const auto use = [&used](const auto& record, const std::string* id, const std::string& place) {
        if (id != nullptr) {
            used.push_back({place + ", " + FieldName(record, id), *id});
        }
    };
    use(ruleset, RuleReference(ruleset), rulesetPlace);
    for (std::size_t i = 0; i < ruleset.shiftRules.size(); ++i) {
        const CShiftRule& rule = ruleset.shiftRules[i];
        const std::string rulePlace = RecordPlace<CShiftRule>(rulesetPlace, i);
        use(rule, ConditionReference(rule), rulePlace);
        use(rule, TargetReference(rule), rulePlace);
    }
    return used;
}

// A field whose value the editor picks from a list, and the values it offers.
struct CChoice {
    const char* name;
    std::int32_t low;
    std::int32_t high;
    bool endsOnly = false;  // only low and high themselves, nothing between

    bool Allows(std::int32_t value) const {
        return endsOnly ? value == low || value == high : value >= low && value <= high;
    }
    std::string Describe() const {
        return endsOnly ? fmt::format("{} or {}", low, high) : fmt::format("{} to {}", low, high);
    }
};

const CChoice kChoices[] = {
    {"referenceOnly", CHoliday::kListed, CHoliday::kReferenceOnly, true},
    {"ruleKind", CRuleset::kFixedDate, CRuleset::kRelativeDate},
    {"fixedDay", 1, 31},
    {"fixedMonth", 1, 12},
    {"weekdayOrdinal", CRuleset::kFirst, CRuleset::kLast},
    {"monthWeekday", kMonday, kSunday},
    {"weekdayMonth", 1, 12},
    {"relativeKind", CRuleset::kFixedNumberOfDays, CRuleset::kFixedWeekday},
    {"offsetDirection", kBefore, kAfter, true},
    {"relativeWeekday", kMonday, kSunday},
    {"weekdayDirection", kBefore, kAfter},
    {"conditionKind", CShiftRule::kOnWeekday, CShiftRule::kOnHoliday},
    {"conditionWeekday", kMonday, kSunday},
    {"action", CShiftRule::kShiftToWeekday, CShiftRule::kDrop},
    {"shiftWeekday", kMonday, kSunday},
    {"shiftDirection", kBefore, kAfter},
};

const CChoice* ChoiceOf(std::string_view field) {
    const auto found = std::find_if(std::begin(kChoices), std::end(kChoices),
                                    [field](const CChoice& choice) { return choice.name == field; });
    return found == std::end(kChoices) ? nullptr : &*found;
}

// Walks a holiday's records and reports the values outside the editor's
// choices and the rulesets that never apply, record by record in file order.
class CValueChecker {
public:
    CValueChecker(std::vector<std::string>& problemList, std::string recordPlace)
        : problems(problemList), place(std::move(recordPlace)) {}

    void Int(const char* name, std::int32_t value) {
        const CChoice* choice = ChoiceOf(name);
        if (choice != nullptr && !choice->Allows(value)) {
            problems.push_back(fmt::format("{}{} {} is not one of the editor's choices ({})",
                                           place.empty() ? "" : place + ": ", name, value, choice->Describe()));
        }
    }
    void Text(const char*, const std::string&) {}

    template <class Record>
    void List(const char*, const std::vector<Record>& records) {
        for (std::size_t i = 0; i < records.size(); ++i) {
            CValueChecker recordChecker(problems, RecordPlace<Record>(place, i));
            VisitFields(records[i], recordChecker);
            recordChecker.CheckApplies(records[i]);
        }
    }

private:
    template <class Record>
    void CheckApplies(const Record&) {}
    // The year validFrom itself always passes the interval test (a difference
    // of 0 is a multiple of every interval), so only an empty range keeps a
    // ruleset from ever applying.
    void CheckApplies(const CRuleset& ruleset) {
        if (ruleset.validFrom > ruleset.validTo) {
            problems.push_back(fmt::format("{} never applies: validFrom {} is after validTo {}", place,
                                           ruleset.validFrom, ruleset.validTo));
        }
    }

    std::vector<std::string>& problems;
    std::string place;
};

// What the calculation made of one holiday over the checked years.
struct CHolidayYears {
    int resolved = 0;       // years in which it holds its ID
    bool dated = false;     // it has a date in one of them
    int displaced = 0;      // years in which another holiday holds its ID
    std::set<int> holders;  // those other holidays
    bool waited = false;    // in some year it waits for a reference that does not resolve
    bool cut = false;       // in a year it had no date, the calculation held as many dates as it can

    void Merge(const CHolidayYears& other) {
        resolved += other.resolved;
        dated = dated || other.dated;
        displaced += other.displaced;
        holders.insert(other.holders.begin(), other.holders.end());
        waited = waited || other.waited;
        cut = cut || other.cut;
    }
};

constexpr int kCheckedYears = kCheckLastYear - kCheckFirstYear + 1;

using CPositionsOfId = std::unordered_map<std::string, std::vector<int>>;

// What the calculation made of every holiday over some of the checked years,
// and the cycles of holidays that wait for each other in any of them.
struct CYearsSeen {
    std::vector<CHolidayYears> holidays;
    std::set<std::vector<int>> cycles;  // each in ascending order

    // Every part is a count, a set or a flag, so merging the parts of a split
    // range gives what one pass over the whole range gives.
    void Merge(const CYearsSeen& other) {
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            holidays[i].Merge(other.holidays[i]);
        }
        cycles.insert(other.cycles.begin(), other.cycles.end());
    }
};

// A holiday waits for an ID that did not resolve, so every holiday with that
// ID waits too; holidays that wait for each other in a circle stay unresolved
// because of one another.
void FindWaitingCycles(const std::vector<CYearCalculation::CHolidayOutcome>& outcomes,
                       const CPositionsOfId& positionsOfId, std::set<std::vector<int>>& cycles) {
    std::vector<std::vector<int>> waitsFor(outcomes.size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        if (outcomes[i].state != CYearCalculation::CHolidayOutcome::State::Waiting) {
            continue;
        }
        if (const auto found = positionsOfId.find(outcomes[i].waitingFor); found != positionsOfId.end()) {
            waitsFor[i] = found->second;
        }
    }
    for (std::vector<int>& cycle : FindReferenceCycles(waitsFor)) {
        cycles.insert(std::move(cycle));
    }
}

// Runs the calculation for the years from `first` to `last`.
CYearsSeen CalculateYears(const std::vector<CHoliday>& holidays, const CPositionsOfId& positionsOfId, int first,
                          int last) {
    using State = CYearCalculation::CHolidayOutcome::State;
    CYearsSeen seen{std::vector<CHolidayYears>(holidays.size()), {}};
    CYearCalculation calculation;
    calculation.SetHolidays(holidays);
    for (int year = first; year <= last; ++year) {
        calculation.Run(year);
        const auto& outcomes = calculation.Outcomes();
        const bool full = calculation.HeldDateCount() >= CYearCalculation::kMaxDates;
        bool anyWaiting = false;
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            CHolidayYears& record = seen.holidays[i];
            switch (outcomes[i].state) {
            case State::Resolved:
                ++record.resolved;
                if (calculation.HasDateInYear(i)) {
                    record.dated = true;
                } else {
                    record.cut = record.cut || full;
                }
                break;
            case State::Displaced:
                if (outcomes[i].holder >= 0) {
                    ++record.displaced;
                    record.holders.insert(outcomes[i].holder);
                }
                break;
            case State::Waiting:
                record.waited = true;
                anyWaiting = true;
                break;
            }
        }
        if (anyWaiting) {
            FindWaitingCycles(outcomes, positionsOfId, seen.cycles);
        }
    }
    return seen;
}

// Every checked year, split into one range per processor core: a large
// document spends most of the check in the calculation, and the years are
// independent of each other.
CYearsSeen CalculateCheckedYears(const std::vector<CHoliday>& holidays, const CPositionsOfId& positionsOfId) {
    const int parts = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1U, 8U));
    const int yearsPerPart = (kCheckedYears + parts - 1) / parts;
    std::vector<std::future<CYearsSeen>> others;
    for (int first = kCheckFirstYear + yearsPerPart; first <= kCheckLastYear; first += yearsPerPart) {
        const int last = std::min(first + yearsPerPart - 1, kCheckLastYear);
        others.push_back(std::async(std::launch::async, [&holidays, &positionsOfId, first, last] {
            return CalculateYears(holidays, positionsOfId, first, last);
        }));
    }
    CYearsSeen seen = CalculateYears(holidays, positionsOfId, kCheckFirstYear, kCheckFirstYear + yearsPerPart - 1);
    for (std::future<CYearsSeen>& other : others) {
        seen.Merge(other.get());
    }
    return seen;
}

class CChecker {
public:
    explicit CChecker(const CHolidays& document)
        : holidays(document.Holidays()), codePage(GetDefaultAnsiCodePage(document.GetLanguage())) {
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            positionsOfId[holidays[i].id].push_back(static_cast<int>(i));
        }
        CYearsSeen seen = CalculateCheckedYears(holidays, positionsOfId);
        years = std::move(seen.holidays);
        cycles = std::move(seen.cycles);
    }

    std::vector<CFinding> Run() {
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            CheckId(i);
            CheckValues(i);
            CheckReferences(i);
        }
        CheckCycles();
        CheckYears();
        std::stable_sort(findings.begin(), findings.end(),
                         [](const CFinding& a, const CFinding& b) { return a.holidayIndex < b.holidayIndex; });
        return findings;
    }

private:
    void Add(std::size_t holiday, std::string message) {
        const std::string& id = holidays[holiday].id;
        findings.push_back(CFinding{static_cast<int>(holiday), id.empty() ? fmt::format("#{}", holiday + 1) : Text(id),
                                    std::move(message)});
    }

    std::string Text(const std::string& bytes) const { return ShowText(codePage, bytes); }

    void CheckId(std::size_t holiday) {
        const std::string& id = holidays[holiday].id;
        for (const EIdProblem problem : IdProblems(id)) {
            Add(holiday, IdProblemMessage(problem));
        }
        // The editor limits the bytes the ID takes in the file, not the
        // characters it shows.
        if (id.size() > kMaxIdLength) {
            Add(holiday,
                fmt::format("the ID has {} bytes, more than the {} the editor accepts", id.size(), kMaxIdLength));
        }
        CheckDisplaced(holiday);
    }

    // In each year the calculation gives a repeated ID to the holiday that
    // resolves first; the others with that ID are skipped.
    void CheckDisplaced(std::size_t holiday) {
        const CHolidayYears& record = years[holiday];
        if (record.displaced == 0) {
            return;
        }
        std::string holders;
        for (const int holder : record.holders) {
            holders += fmt::format("{}{}", holders.empty() ? "" : ", ", holder + 1);
        }
        const std::string who = record.holders.size() == 1
                                    ? fmt::format("holiday {} has the same ID and resolves first", holders)
                                    : fmt::format("holidays {} have the same ID and resolve first", holders);
        if (record.displaced == kCheckedYears) {
            Add(holiday, who + ", so this one is never calculated");
        } else {
            Add(holiday,
                fmt::format("{} in {} of the years from {} to {}, so this one is not calculated in those years", who,
                            record.displaced, kCheckFirstYear, kCheckLastYear));
        }
    }

    static const char* IdProblemMessage(EIdProblem problem) {
        switch (problem) {
        case EIdProblem::Empty: return "the ID is empty";
        case EIdProblem::Reserved:
            return "the ID is reserved for a reference feast, so the holiday is never calculated";
        case EIdProblem::Comma: return "the ID contains a comma";
        }
        return "";
    }

    void CheckValues(std::size_t holiday) {
        std::vector<std::string> problems;
        CValueChecker checker(problems, "");
        VisitFields(holidays[holiday], checker);
        for (std::string& problem : problems) {
            Add(holiday, std::move(problem));
        }
    }

    void CheckReferences(std::size_t holiday) {
        const std::vector<CRuleset>& rulesets = holidays[holiday].rulesets;
        for (std::size_t r = 0; r < rulesets.size(); ++r) {
            for (const CUsedReference& reference : UsedReferences(rulesets[r], RecordPlace<CRuleset>("", r))) {
                if (!IsReferenceId(reference.id) && !positionsOfId.contains(reference.id)) {
                    Add(holiday, fmt::format("{} \"{}\" names no holiday", reference.place, Text(reference.id)));
                }
            }
        }
    }

    void CheckCycles() {
        for (const std::vector<int>& cycle : cycles) {
            for (const int member : cycle) {
                Add(static_cast<std::size_t>(member), CycleMessage(member, cycle));
            }
        }
    }

    std::string CycleMessage(int member, const std::vector<int>& cycle) const {
        if (cycle.size() == 1) {
            return "the holiday refers to itself, so it never resolves in a year where that rule applies";
        }
        std::string others;
        std::size_t named = 0;
        for (const int other : cycle) {
            if (other == member) {
                continue;
            }
            if (named == kMaxNamedCycleMembers) {
                others += fmt::format(" and {} more", cycle.size() - 1 - named);
                break;
            }
            others +=
                fmt::format("{}\"{}\"", named == 0 ? "" : ", ", Text(holidays[static_cast<std::size_t>(other)].id));
            ++named;
        }
        return fmt::format(
            "the holiday is in a cycle of references with {}, so none of them resolves in a year "
            "where those rules apply",
            others);
    }

    void CheckYears() {
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            if (years[i].resolved == 0 && years[i].waited) {
                Add(i, fmt::format("the holiday resolves in no year from {} to {}", kCheckFirstYear, kCheckLastYear));
            } else if (years[i].resolved > 0 && !years[i].dated && years[i].cut) {
                Add(i, fmt::format("the holiday has no date because the calculation reached its limit of {} dates "
                                   "held at once",
                                   CYearCalculation::kMaxDates));
            } else if (years[i].resolved > 0 && !years[i].dated) {
                Add(i,
                    fmt::format("the holiday has no date in any year from {} to {}", kCheckFirstYear, kCheckLastYear));
            }
        }
    }

    const std::vector<CHoliday>& holidays;
    CCodePage codePage;
    CPositionsOfId positionsOfId;
    std::vector<CHolidayYears> years;
    std::set<std::vector<int>> cycles;  // each in ascending order, found in some year
    std::vector<CFinding> findings;
};

}  // namespace

std::vector<CFinding> CheckDocument(const CHolidays& document) {
    return CChecker(document).Run();
}
