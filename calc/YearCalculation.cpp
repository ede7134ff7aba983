#include "calc/YearCalculation.h"

#include "calc/ReferenceFeasts.h"
#include "calc/RuleReferences.h"
#include "core/Weekday.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <queue>
#include <string_view>

namespace {

constexpr int kFirstYearWithDays = 0;
constexpr int kLastYearWithDays = 9999;

bool IsDayNumber(std::int64_t day) {
    return day >= CDateTime::kFirstDayNumber && day <= CDateTime::kLastDayNumber;
}

// Day number of a date of the year, or 0 when there is none (invalid date, or
// a year outside the range whose day numbers CDateTime can hold).
int DayNumberOf(int year, std::int32_t month, std::int32_t day) {
    if (year < kFirstYearWithDays || year > kLastYearWithDays) {
        return 0;
    }
    return CDateTime::GetDayNumber(year, month, day);
}

CDateTime DateOfDayNumber(int day) {
    CDateTime date;  // day number 1
    date += CDateTimeSpan(day - 1, 0, 0, 0);
    return date;
}

// validFrom <= year <= validTo and year - validFrom a multiple of |interval|;
// an interval of 0 applies in validFrom only. 64 bits hold every difference.
bool RulesetApplies(const CRuleset& ruleset, int year) {
    if (year < ruleset.validFrom || year > ruleset.validTo) {
        return false;
    }
    const std::int64_t sinceFirst = std::int64_t{year} - ruleset.validFrom;  // >= 0
    const std::int64_t interval = std::abs(std::int64_t{ruleset.interval});
    return interval == 0 ? sinceFirst == 0 : sinceFirst % interval == 0;
}

// The weekday step from `from` to weekday `weekday` in `direction` (an
// EDirection), taking the count-th such weekday; any other direction does not
// move and ignores the count. Nothing for a weekday outside Monday..Sunday.
// Relative rules and shift rules both step through here. The result may lie
// outside the day numbers; counts of any int value fit the 64-bit arithmetic.
std::optional<std::int64_t> WeekdayStep(int from, std::int32_t weekday, std::int32_t direction, std::int32_t count) {
    if (!IsWeekday(weekday)) {
        return std::nullopt;
    }
    const int back = (WeekdayOfDayNumber(from) - weekday + kDaysPerWeek) % kDaysPerWeek;     // [0, 6]
    const int forward = (weekday - WeekdayOfDayNumber(from) + kDaysPerWeek) % kDaysPerWeek;  // [0, 6]
    const std::int64_t furtherWeeks = count > 1 ? std::int64_t{count} - 1 : 0;
    const std::int64_t further = kDaysPerWeek * furtherWeeks;
    switch (direction) {
    case kBefore: return std::int64_t{from} - (back == 0 ? kDaysPerWeek : back) - further;
    case kBeforeOn: return std::int64_t{from} - back - further;
    case kOnAfter: return std::int64_t{from} + forward + further;
    case kAfter: return std::int64_t{from} + (forward == 0 ? kDaysPerWeek : forward) + further;
    default: return from;
    }
}

// Fixed weekday of a month: the ordinal-th weekday of the month, or 0 when
// there is none.
int WeekdayOfMonth(int year, const CRuleset& ruleset) {
    const std::int32_t month = ruleset.weekdayMonth;
    const std::int32_t weekday = ruleset.monthWeekday;
    const std::int32_t ordinal = ruleset.weekdayOrdinal;
    const int lastDay = DayNumberOf(year, month, CDateTime::GetDaysInMonth(year, month));
    if (!IsWeekday(weekday) || lastDay == 0) {
        return 0;
    }
    // The latest `weekday` on or before x.
    const auto onOrBefore = [weekday](int x) {
        return x - (WeekdayOfDayNumber(x) - weekday + kDaysPerWeek) % kDaysPerWeek;
    };
    switch (ordinal) {
    case CRuleset::kFirst:
    case CRuleset::kSecond:
    case CRuleset::kThird:
    case CRuleset::kFourth:
        return onOrBefore(DayNumberOf(year, month, kDaysPerWeek * (ordinal + 1)));  // day 7, 14, 21 or 28
    case CRuleset::kFifth: {
        const int fifth = onOrBefore(DayNumberOf(year, month, 28) + kDaysPerWeek);
        return fifth <= lastDay ? fifth : 0;
    }
    case CRuleset::kLast: return onOrBefore(lastDay);
    default: return 0;
    }
}

// The day of a relative date from one date of its reference (a rule that
// RuleReference gives a reference); nothing where the weekday step has none.
std::optional<std::int64_t> RelativeDay(const CRuleset& ruleset, int referenceDay) {
    if (ruleset.relativeKind == CRuleset::kFixedNumberOfDays) {
        const std::int64_t offset =
            ruleset.offsetDirection == kBefore ? -std::int64_t{ruleset.offsetDays} : std::int64_t{ruleset.offsetDays};
        return referenceDay + offset;
    }
    return WeekdayStep(referenceDay, ruleset.relativeWeekday, ruleset.weekdayDirection, ruleset.weekdayCount);
}

// Of a list's days, sorted as (day number, list position) pairs, the one
// nearest to `day`: the smallest distance wins, and of equal distances the
// earlier list position. The list is not empty.
int NearestDay(const std::vector<std::pair<int, int>>& byDay, int day) {
    // The nearest day above (or on) and the nearest below; lower_bound finds
    // each day's first (lowest) position, as the pairs sort by day, then position.
    const auto above = std::lower_bound(byDay.begin(), byDay.end(), std::pair{day, 0});
    std::optional<std::pair<int, int>> best;
    const auto consider = [&](std::pair<int, int> candidate) {
        const int distance = std::abs(candidate.first - day);
        if (!best || distance < std::abs(best->first - day) ||
            (distance == std::abs(best->first - day) && candidate.second < best->second)) {
            best = candidate;
        }
    };
    if (above != byDay.end()) {
        consider(*above);
    }
    if (above != byDay.begin()) {
        const int belowDay = std::prev(above)->first;
        consider(*std::lower_bound(byDay.begin(), above, std::pair{belowDay, 0}));
    }
    return best->first;
}

// Appends a computed day if it is a day number and the list has room.
void AppendDay(std::vector<int>& days, std::int64_t day) {
    if (IsDayNumber(day) && days.size() < CYearCalculation::kMaxDates) {
        days.push_back(static_cast<int>(day));
    }
}

}  // namespace

void CYearCalculation::Reset() {
    year = 0;
    firstDayOfYear = 1;
    lastDayOfYear = 0;
    heldDates = 0;
    occurrences.clear();
    listed.clear();
    outcomes.clear();
    lastMissing.clear();
    for (auto& entries : dayEntries) {
        entries.clear();
    }
}

void CYearCalculation::Run(const std::vector<CHoliday>& holidays, int calcYear) {
    Reset();
    year = calcYear;
    const int first = DayNumberOf(year, 1, 1);
    if (first != 0) {
        firstDayOfYear = first;
        lastDayOfYear = DayNumberOf(year, 12, 31);
    }
    EnterReferenceFeasts();
    ResolveInPasses(holidays);
}

void CYearCalculation::EnterReferenceFeasts() {
    const bool hasDays = year >= kFirstYearWithDays && year <= kLastYearWithDays;
    const std::pair<std::string_view, CDateTime (*)(int)> feasts[] = {
        {kEasterReferenceId, &GetEasterDate},
        {kOrthodoxEasterReferenceId, &GetOrthodoxEasterDate},
        {kAdventReferenceId, &GetAdventDate},
    };
    for (const auto& [id, feastOf] : feasts) {
        COccurrences& list = occurrences[std::string(id)];
        if (hasDays) {
            list.dates.push_back(feastOf(year));
            ++heldDates;
        }
    }
}

// The passes: each walks the holidays in list order and evaluates every
// holiday whose ID is not resolved yet, entering it at once when it resolves,
// so later holidays of the same pass see it; the first pass that resolves
// none ends the calculation.
//
// Only evaluations that can succeed are carried out, with identical results:
// an evaluation depends only on the holiday and on the occurrence lists of the
// IDs it reads, which never change once entered. So a holiday that failed on
// the missing ID X fails again at the same point until X is entered. It waits
// on X and is woken where the plain passes would first evaluate it with X
// resolved: later in the same pass when it comes after the holiday that
// resolved X, otherwise in the next pass. Every evaluation skipped would have
// failed without effect, so holidays resolve in the same order.
void CYearCalculation::ResolveInPasses(const std::vector<CHoliday>& holidays) {
    using CPositions = std::priority_queue<std::size_t, std::vector<std::size_t>, std::greater<>>;
    std::vector<std::size_t> everyPosition(holidays.size());
    for (std::size_t position = 0; position < holidays.size(); ++position) {
        everyPosition[position] = position;
    }
    CPositions pass(std::greater<>{}, std::move(everyPosition));
    std::vector<std::size_t> nextPass;
    std::unordered_map<std::string, std::vector<std::size_t>> waitingOn;
    outcomes.assign(holidays.size(), CHolidayOutcome{});
    lastMissing.assign(holidays.size(), nullptr);

    while (!pass.empty()) {
        while (!pass.empty()) {
            const std::size_t position = pass.top();
            pass.pop();
            const CHoliday& holiday = holidays[position];
            if (const COccurrences* held = Find(holiday.id); held != nullptr) {
                // Resolved earlier, a second holiday with that ID, or a reserved ID.
                if (held->holder != static_cast<int>(position)) {
                    outcomes[position] = {CHolidayOutcome::State::Displaced, held->holder, {}};
                }
                continue;
            }
            CEvaluation evaluation = Evaluate(holiday);
            if (evaluation.missing != nullptr) {
                lastMissing[position] = evaluation.missing;
                waitingOn[*evaluation.missing].push_back(position);
                continue;
            }
            lastMissing[position] = nullptr;
            Enter(holiday, static_cast<int>(position), std::move(evaluation.days));
            if (auto woken = waitingOn.find(holiday.id); woken != waitingOn.end()) {
                for (const std::size_t waiter : woken->second) {
                    if (waiter > position) {
                        pass.push(waiter);
                    } else {
                        nextPass.push_back(waiter);
                    }
                }
                waitingOn.erase(woken);
            }
        }
        pass = CPositions(std::greater<>{}, std::move(nextPass));
        nextPass.clear();
    }
    RecordUnresolved(holidays);
}

// The holidays whose latest evaluation failed. Another holiday may have
// resolved the ID since; otherwise the holiday failed on a reference that did
// not resolve either (it would have been woken), so evaluating it again now
// would fail on the same reference: that is what it waits for, as the last of
// the plain passes would find.
void CYearCalculation::RecordUnresolved(const std::vector<CHoliday>& holidays) {
    for (std::size_t position = 0; position < holidays.size(); ++position) {
        if (lastMissing[position] == nullptr) {
            continue;
        }
        if (const COccurrences* held = Find(holidays[position].id); held != nullptr) {
            outcomes[position] = {CHolidayOutcome::State::Displaced, held->holder, {}};
        } else {
            outcomes[position] = {CHolidayOutcome::State::Waiting, -1, *lastMissing[position]};
        }
    }
}

// Applying rulesets in list order: each appends its rule's dates, then its
// shift rules act on every date collected so far. The first reference that is
// not resolved ends the evaluation: the holiday is then not resolvable, and
// nothing it would still compute could be kept.
CYearCalculation::CEvaluation CYearCalculation::Evaluate(const CHoliday& holiday) {
    CEvaluation evaluation;
    for (const CRuleset& ruleset : holiday.rulesets) {
        if (!RulesetApplies(ruleset, year)) {
            continue;
        }
        evaluation.missing = AppendRuleDays(ruleset, evaluation.days);
        if (evaluation.missing == nullptr) {
            evaluation.missing = ApplyShiftRules(ruleset.shiftRules, evaluation.days);
        }
        if (evaluation.missing != nullptr) {
            break;
        }
    }
    return evaluation;
}

// Returns the reference that is not resolved, or nullptr.
const std::string* CYearCalculation::AppendRuleDays(const CRuleset& ruleset, std::vector<int>& days) {
    switch (ruleset.ruleKind) {
    case CRuleset::kFixedDate:
        if (const int day = DayNumberOf(year, ruleset.fixedMonth, ruleset.fixedDay); day != 0) {
            AppendDay(days, day);
        }
        return nullptr;
    case CRuleset::kWeekdayOfMonth:
        if (const int day = WeekdayOfMonth(year, ruleset); day != 0) {
            AppendDay(days, day);
        }
        return nullptr;
    default: break;
    }

    const std::string* referenceId = RuleReference(ruleset);
    if (referenceId == nullptr) {
        return nullptr;  // a rule without dates
    }
    const COccurrences* reference = Find(*referenceId);
    if (reference == nullptr) {
        return referenceId;
    }
    for (const CDateTime& date : reference->dates) {
        if (const auto day = RelativeDay(ruleset, date.GetDayNumber())) {
            AppendDay(days, *day);
        }
    }
    return nullptr;
}

// Runs over every date from first to last; the first matching rule acts on a
// date. Returns the reference that is not resolved, or nullptr.
const std::string* CYearCalculation::ApplyShiftRules(const std::vector<CShiftRule>& rules, std::vector<int>& days) {
    if (rules.empty()) {
        return nullptr;
    }
    std::size_t kept = 0;  // dates [0, kept) are final; dropped dates leave no gap
    for (std::size_t next = 0; next < days.size(); ++next) {
        int day = days[next];
        bool drop = false;
        for (const CShiftRule& rule : rules) {
            bool matches = false;
            if (const std::string* missing = TestCondition(rule, day, matches)) {
                return missing;
            }
            if (matches) {
                if (const std::string* missing = CarryOut(rule, day, drop)) {
                    return missing;
                }
                break;
            }
        }
        if (!drop) {
            days[kept++] = day;
        }
    }
    days.resize(kept);
    return nullptr;
}

// Sets `matches` when the rule's condition holds on the day; a condition kind
// outside the editor's choices never holds. Returns the reference that is not
// resolved, or nullptr.
const std::string* CYearCalculation::TestCondition(const CShiftRule& rule, int day, bool& matches) {
    if (rule.conditionKind == CShiftRule::kOnWeekday) {
        matches = WeekdayOfDayNumber(day) == rule.conditionWeekday;
    } else if (const std::string* conditionId = ConditionReference(rule)) {
        COccurrences* condition = Find(*conditionId);
        if (condition == nullptr) {
            return conditionId;
        }
        const auto& byDay = SortedByDay(*condition);
        const auto found = std::lower_bound(byDay.begin(), byDay.end(), std::pair{day, 0});
        matches = found != byDay.end() && found->first == day;
    }
    return nullptr;
}

// Moves the day or sets `drop`; an action outside the editor's choices leaves
// the day as it is. Returns the reference that is not resolved, or nullptr.
const std::string* CYearCalculation::CarryOut(const CShiftRule& rule, int& day, bool& drop) {
    if (rule.action == CShiftRule::kShiftToWeekday) {
        if (const auto moved = WeekdayStep(day, rule.shiftWeekday, rule.shiftDirection, rule.shiftCount)) {
            drop = !IsDayNumber(*moved);
            day = drop ? day : static_cast<int>(*moved);
        }
    } else if (const std::string* targetId = TargetReference(rule)) {
        COccurrences* target = Find(*targetId);
        if (target == nullptr) {
            return targetId;
        }
        if (const auto& byDay = SortedByDay(*target); !byDay.empty()) {
            day = NearestDay(byDay, day);
        }
    } else if (rule.action == CShiftRule::kDrop) {
        drop = true;
    }
    return nullptr;
}

void CYearCalculation::Enter(const CHoliday& holiday, int position, std::vector<int> days) {
    days.resize(std::min(days.size(), kMaxDates - heldDates));
    heldDates += days.size();

    COccurrences& list = occurrences[holiday.id];
    list.holder = position;
    list.dates.reserve(days.size());
    for (const int day : days) {
        list.dates.push_back(DateOfDayNumber(day));
    }
    if (holiday.referenceOnly != CHoliday::kListed) {
        return;
    }
    const auto entry = static_cast<std::uint32_t>(listed.size());
    listed.push_back({holiday.id, holiday.display});
    for (const int day : days) {
        if (day >= firstDayOfYear && day <= lastDayOfYear) {
            dayEntries[static_cast<std::size_t>(day - firstDayOfYear)].push_back(entry);
        }
    }
}

CYearCalculation::COccurrences* CYearCalculation::Find(const std::string& id) {
    const auto found = occurrences.find(id);
    return found == occurrences.end() ? nullptr : &found->second;
}

const std::vector<std::pair<int, int>>& CYearCalculation::SortedByDay(COccurrences& list) {
    if (list.byDay.size() != list.dates.size()) {
        list.byDay.clear();
        for (std::size_t position = 0; position < list.dates.size(); ++position) {
            list.byDay.emplace_back(list.dates[position].GetDayNumber(), static_cast<int>(position));
        }
        std::sort(list.byDay.begin(), list.byDay.end());
    }
    return list.byDay;
}

int CYearCalculation::DayEntryCount(int dayOfYear) const {
    if (dayOfYear < 1 || dayOfYear > static_cast<int>(dayEntries.size())) {
        return 0;
    }
    return static_cast<int>(dayEntries[static_cast<std::size_t>(dayOfYear - 1)].size());
}

const CYearCalculation::CListed* CYearCalculation::Entry(int dayOfYear, int index) const {
    if (index < 0 || index >= DayEntryCount(dayOfYear)) {
        return nullptr;
    }
    const auto& entries = dayEntries[static_cast<std::size_t>(dayOfYear - 1)];
    return &listed[entries[static_cast<std::size_t>(index)]];
}

const std::string& CYearCalculation::DayDisplay(int dayOfYear, int index) const {
    static const std::string none;
    const CListed* entry = Entry(dayOfYear, index);
    return entry != nullptr ? entry->display : none;
}

const std::string& CYearCalculation::DayId(int dayOfYear, int index) const {
    static const std::string none;
    const CListed* entry = Entry(dayOfYear, index);
    return entry != nullptr ? entry->id : none;
}

std::vector<std::string> CYearCalculation::DayDisplays(int dayOfYear) const {
    std::vector<std::string> displays;
    for (int index = 0; index < DayEntryCount(dayOfYear); ++index) {
        displays.push_back(DayDisplay(dayOfYear, index));
    }
    return displays;
}

std::vector<std::string> CYearCalculation::DayIds(int dayOfYear) const {
    std::vector<std::string> ids;
    for (int index = 0; index < DayEntryCount(dayOfYear); ++index) {
        ids.push_back(DayId(dayOfYear, index));
    }
    return ids;
}

const std::vector<CDateTime>* CYearCalculation::Occurrences(const std::string& id) const {
    const auto found = occurrences.find(id);
    return found == occurrences.end() ? nullptr : &found->second.dates;
}
