// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/YearCalculation.h"

#include "calc/ReferenceFeasts.h"
#include "calc/RuleReferences.h"
#include "core/Weekday.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>
#include <utility>

namespace {

bool IsDayNumber(std::int64_t day) {
    return day >= CDateTime::kFirstDayNumber && day <= CDateTime::kLastDayNumber;
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
    if (interval <= 1) {
        return interval == 1 || sinceFirst == 0;  // every year needs no division
    }
    return sinceFirst % interval == 0;
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
int WeekdayOfMonth(const CYearDays& yearDays, const CRuleset& ruleset) {
    const std::int32_t month = ruleset.weekdayMonth;
    const std::int32_t weekday = ruleset.monthWeekday;
    const std::int32_t ordinal = ruleset.weekdayOrdinal;
    const int lastDay = yearDays.DayNumber(month, yearDays.DaysInMonth(month));
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
        return onOrBefore(yearDays.DayNumber(month, kDaysPerWeek * (ordinal + 1)));  // day 7, 14, 21 or 28
    case CRuleset::kFifth: {
        const int fifth = onOrBefore(yearDays.DayNumber(month, 28) + kDaysPerWeek);
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
int NearestDay(std::span<const std::pair<int, int>> byDay, int day) {
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

}  // namespace

void CYearCalculation::SetHolidays(const std::vector<CHoliday>& newHolidays) {
    holidays.Assign(newHolidays);
    ClearTables();
}

void CYearCalculation::SetHolidays(std::vector<CHoliday>&& newHolidays) {
    holidays.Assign(std::move(newHolidays));
    ClearTables();
}

void CYearCalculation::ReplaceHoliday(std::size_t position, const CHoliday& holiday) {
    holidays.Replace(position, holiday);
    ClearTables();
}

void CYearCalculation::AppendHoliday(const CHoliday& holiday) {
    holidays.Insert(holidays.Count(), holiday);
    ClearTables();
}

void CYearCalculation::InsertHoliday(std::size_t position, const CHoliday& holiday) {
    holidays.Insert(position, holiday);
    ClearTables();
}

void CYearCalculation::RemoveHoliday(std::size_t position) {
    holidays.Remove(position);
    ClearTables();
}

void CYearCalculation::Reset() {
    holidays.Assign({});
    ClearTables();
    outcomes.clear();
    year = 0;
}

void CYearCalculation::Run(const std::vector<CHoliday>& newHolidays, int calcYear) {
    SetHolidays(newHolidays);
    Run(calcYear);
}

void CYearCalculation::Run(int calcYear) {
    ClearTables();
    holidays.Number();
    year = calcYear;
    if (!yearDaysSet || yearDays.Year() != year) {
        yearDays = CYearDays(year);
        feastDays = {GetEasterDayNumber(yearDays), GetOrthodoxEasterDayNumber(yearDays), GetAdventDayNumber(yearDays)};
        yearDaysSet = true;
    }
    const auto idCount = static_cast<std::size_t>(holidays.IdCount());
    if (held.size() < idCount) {
        held.resize(idCount);
    }
    if (heldDays.capacity() == 0) {
        // Most holidays have a date or two; the buffers grow when they need more.
        heldDays.reserve(2 * holidays.Count() + kReferenceIds.size());
        entered.reserve(2 * holidays.Count());
    }
    // Every holiday is resolved unless the passes find otherwise. A resolved
    // outcome always holds the default holder and no text, so only the others
    // need resetting.
    outcomes.resize(holidays.Count());
    for (CHolidayOutcome& outcome : outcomes) {
        if (outcome.state != CHolidayOutcome::State::Resolved) {
            outcome = CHolidayOutcome{};
        }
    }
    EnterReferenceFeasts();
    ResolveInPasses();
    FileDayEntries();
}

// Empties the tables; the year and the outcomes of the last Run stay. The
// per-day lists and the other buffers keep their memory for the next Run,
// and a new generation leaves every ID unresolved.
void CYearCalculation::ClearTables() {
    for (const auto& [day, position] : entered) {
        dayEntryCounts[static_cast<std::size_t>(day)] = 0;
    }
    filledDays.Clear();
    entered.clear();
    listedEntries = 0;
    heldDays.clear();
    sortedDays.clear();
    heldDates = 0;
    ++tablesGeneration;
}

// Resolved in every year, with one date in the years that have days.
void CYearCalculation::EnterReferenceFeasts() {
    for (std::size_t feast = 0; feast < kReferenceIds.size(); ++feast) {
        const std::size_t first = heldDays.size();
        if (yearDays.HasDays()) {
            heldDays.push_back(feastDays[feast]);
            ++heldDates;
        }
        held[feast].Hold(tablesGeneration, kNoPosition, first,
                         heldDays.size() - first);  // numbered as in kReferenceIds
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
void CYearCalculation::ResolveInPasses() {
    const int count = static_cast<int>(holidays.Count());
    // Between Runs every holiday misses nothing and nobody waits (see
    // RecordUnresolved), so only new places need their values.
    if (waiting.size() < holidays.Count()) {
        waiting.resize(holidays.Count());
    }
    failed.clear();
    thisPass.clear();
    nextPass.clear();

    // The first pass visits every holiday. A holiday it wakes has failed
    // earlier in this pass, so it lies before the one that wakes it and
    // always goes to the next pass.
    for (int position = 0; position < count; ++position) {
        Visit(position);
    }
    while (!nextPass.empty()) {
        thisPass.swap(nextPass);
        nextPass.clear();
        std::make_heap(thisPass.begin(), thisPass.end(), std::greater<>{});
        while (!thisPass.empty()) {
            std::pop_heap(thisPass.begin(), thisPass.end(), std::greater<>{});
            const int position = thisPass.back();
            thisPass.pop_back();
            Visit(position);
        }
    }
    RecordUnresolved();
}

// Evaluates the holiday unless its ID is resolved already (earlier, by a
// second holiday with that ID, or as a reserved ID); enters it when it
// resolves, otherwise lets it wait for the ID it missed.
void CYearCalculation::Visit(int position) {
    const auto index = static_cast<std::size_t>(position);
    const CNumberedHolidays::CHolidayIds ids = holidays.Ids(index);
    CHeld& list = held[static_cast<std::size_t>(ids.id)];
    if (list.generation == tablesGeneration) {
        if (list.holder != position) {
            outcomes[index] = {CHolidayOutcome::State::Displaced, list.holder, {}};
        }
        return;
    }
    const CHoliday& holiday = holidays.Holiday(index);
    if (const int missing = Evaluate(holiday, ids); missing != kNoId) {
        Wait(position, missing);
        return;
    }
    waiting[index].lastMissing = kNoId;
    Enter(holiday, position, list);
    if (list.firstWaiting != kNoPosition) {
        Wake(list, position);
    }
}

void CYearCalculation::Wait(int position, int missing) {
    CWaiting& holiday = waiting[static_cast<std::size_t>(position)];
    if (holiday.lastMissing == kNoId) {
        failed.push_back(position);
    }
    holiday.lastMissing = missing;
    int& first = held[static_cast<std::size_t>(missing)].firstWaiting;
    holiday.next = first;
    first = position;
}

void CYearCalculation::Wake(CHeld& list, int position) {
    int& first = list.firstWaiting;
    for (int waiter = first; waiter != kNoPosition; waiter = waiting[static_cast<std::size_t>(waiter)].next) {
        if (waiter > position) {
            thisPass.push_back(waiter);
            std::push_heap(thisPass.begin(), thisPass.end(), std::greater<>{});
        } else {
            nextPass.push_back(waiter);
        }
    }
    first = kNoPosition;
}

// The holidays whose latest evaluation failed. Another holiday may have
// resolved the ID since; otherwise the holiday failed on a reference that did
// not resolve either (it would have been woken), so evaluating it again now
// would fail on the same reference: that is what it waits for, as the last of
// the plain passes would find. Then nobody misses or waits any more.
void CYearCalculation::RecordUnresolved() {
    for (const int position : failed) {
        const auto index = static_cast<std::size_t>(position);
        const int missing = waiting[index].lastMissing;
        if (missing == kNoId) {
            continue;  // resolved after all
        }
        if (const CHeld* holder = Resolved(holidays.Ids(index).id)) {
            outcomes[index] = {CHolidayOutcome::State::Displaced, holder->holder, {}};
        } else {
            outcomes[index] = {CHolidayOutcome::State::Waiting, kNoPosition, std::string(holidays.IdText(missing))};
        }
        waiting[index].lastMissing = kNoId;
        held[static_cast<std::size_t>(missing)].firstWaiting = kNoPosition;
    }
}

// Applying rulesets in list order: each collects its rule's days, then its
// shift rules act on every day collected so far. The days are collected at
// the end of heldDays, from collectedFirst on, where Enter keeps them. The
// first reference that is not resolved ends the evaluation: the holiday is
// then not resolvable, and nothing it would still compute could be kept.
// Returns the number of that reference, or kNoId.
inline int CYearCalculation::Evaluate(const CHoliday& holiday, const CNumberedHolidays::CHolidayIds& ids) {
    collectedFirst = heldDays.size();
    std::size_t read = 0;  // where the ruleset's numbers start in ids.reads
    for (std::size_t index = 0; index < holiday.rulesets.size(); ++index) {
        const CRuleset& ruleset = holiday.rulesets[index];
        const std::size_t rulesetRead = read;
        read += 1 + 2 * ruleset.shiftRules.size();
        if (!RulesetApplies(ruleset, yearDays.Year())) {
            continue;
        }
        if (tracer != nullptr) {
            tracer->BeginRuleset(static_cast<int>(index));
        }
        int missing = AppendRuleDays(ruleset, ids.reads[rulesetRead]);
        if (missing == kNoId && !ruleset.shiftRules.empty()) {
            missing = ApplyShiftRules(ruleset.shiftRules, ids.reads.subspan(rulesetRead + 1, read - rulesetRead - 1));
        }
        if (missing != kNoId) {
            heldDays.resize(collectedFirst);
            return missing;
        }
    }
    return kNoId;
}

// Collects a computed day if it is a day number and the holiday has room.
// `referenceDay`: the day of the reference a relative rule computed it from, else 0.
inline void CYearCalculation::Collect(std::int64_t day, int referenceDay) {
    if (IsDayNumber(day) && heldDays.size() - collectedFirst < kMaxDates) {
        heldDays.push_back(static_cast<int>(day));
        if (tracer != nullptr) {
            tracer->Collected(static_cast<int>(day), referenceDay);
        }
    }
}

// `reference`: the number of the ID the rule reads, or kNoId. Returns it when
// it is not resolved, otherwise kNoId.
inline int CYearCalculation::AppendRuleDays(const CRuleset& ruleset, int reference) {
    switch (ruleset.ruleKind) {
    case CRuleset::kFixedDate:
        if (const int day = yearDays.DayNumber(ruleset.fixedMonth, ruleset.fixedDay); day != 0) {
            Collect(day, 0);
        }
        return kNoId;
    case CRuleset::kWeekdayOfMonth:
        if (const int day = WeekdayOfMonth(yearDays, ruleset); day != 0) {
            Collect(day, 0);
        }
        return kNoId;
    default: break;
    }

    if (reference == kNoId) {
        return kNoId;  // a rule without dates
    }
    const CHeld* list = Resolved(reference);
    if (list == nullptr) {
        return reference;
    }
    // The list lies before the collected days, so collecting leaves it whole.
    for (std::size_t index = list->first; index < list->first + list->count; ++index) {
        if (const auto day = RelativeDay(ruleset, heldDays[index])) {
            Collect(*day, heldDays[index]);
        }
    }
    return kNoId;
}

// Runs over every collected day from first to last; the first matching rule
// acts on a day. `references`: the numbers of the IDs each rule reads, two
// per rule (its condition's, its target's).
// Returns the number of a reference that is not resolved, or kNoId.
int CYearCalculation::ApplyShiftRules(const std::vector<CShiftRule>& rules, std::span<const int> references) {
    std::size_t kept = collectedFirst;  // days [collectedFirst, kept) are final; dropped days leave no gap
    for (std::size_t next = collectedFirst; next < heldDays.size(); ++next) {
        int day = heldDays[next];
        bool drop = false;
        for (std::size_t index = 0; index < rules.size(); ++index) {
            bool matches = false;
            if (const int missing = TestCondition(rules[index], references[2 * index], day, matches);
                missing != kNoId) {
                return missing;
            }
            if (matches) {
                if (const int missing = CarryOut(rules[index], references[2 * index + 1], day, drop);
                    missing != kNoId) {
                    return missing;
                }
                if (tracer != nullptr) {
                    tracer->Shifted(next - collectedFirst, static_cast<int>(index), day, drop);
                }
                break;
            }
        }
        if (!drop) {
            heldDays[kept++] = day;
        }
    }
    heldDays.resize(kept);
    if (tracer != nullptr) {
        tracer->EndShiftRules();
    }
    return kNoId;
}

// Sets `matches` when the rule's condition holds on the day; a condition kind
// outside the editor's choices never holds. Returns `condition` when the rule
// reads that ID and it is not resolved, otherwise kNoId.
int CYearCalculation::TestCondition(const CShiftRule& rule, int condition, int day, bool& matches) {
    if (rule.conditionKind == CShiftRule::kOnWeekday) {
        matches = WeekdayOfDayNumber(day) == rule.conditionWeekday;
    } else if (condition != kNoId) {
        if (Resolved(condition) == nullptr) {
            return condition;
        }
        const CDayPositions byDay = SortedByDay(condition);
        const auto found = std::lower_bound(byDay.begin(), byDay.end(), std::pair{day, 0});
        matches = found != byDay.end() && found->first == day;
    }
    return kNoId;
}

// Moves the day or sets `drop`; an action outside the editor's choices leaves
// the day as it is. Returns `target` when the rule reads that ID and it is not
// resolved, otherwise kNoId.
int CYearCalculation::CarryOut(const CShiftRule& rule, int target, int& day, bool& drop) {
    if (rule.action == CShiftRule::kShiftToWeekday) {
        if (const auto moved = WeekdayStep(day, rule.shiftWeekday, rule.shiftDirection, rule.shiftCount)) {
            drop = !IsDayNumber(*moved);
            day = drop ? day : static_cast<int>(*moved);
        }
    } else if (target != kNoId) {
        if (Resolved(target) == nullptr) {
            return target;
        }
        if (const CDayPositions byDay = SortedByDay(target); !byDay.empty()) {
            day = NearestDay(byDay, day);
        }
    } else if (rule.action == CShiftRule::kDrop) {
        drop = true;
    }
    return kNoId;
}

// Holds the collected days in the list of the holiday's ID and lists those
// in the year on their days, unless the holiday is for reference only.
inline void CYearCalculation::Enter(const CHoliday& holiday, int position, CHeld& list) {
    const std::size_t kept = std::min(heldDays.size() - collectedFirst, kMaxDates - heldDates);
    heldDays.resize(collectedFirst + kept);
    heldDates += kept;
    list.Hold(tablesGeneration, position, collectedFirst, kept);
    if (holiday.referenceOnly != CHoliday::kListed) {
        return;
    }
    for (std::size_t index = collectedFirst; index < heldDays.size(); ++index) {
        if (const int day = heldDays[index]; yearDays.Contains(day)) {
            const int dayIndex = day - yearDays.First();
            entered.emplace_back(dayIndex, position);
            ++dayEntryCounts[static_cast<std::size_t>(dayIndex)];
            filledDays.Insert(dayIndex + 1);
            ++listedEntries;
        }
    }
}

// Files the positions entered into one run of entryPositions per day (the
// runs in no particular order), each day's in entry order: walking the
// entries from the last, a day's run is laid out when its last entry is met,
// and each entry goes just before those of its day filed so far, so that the
// day's first ends where its run starts.
void CYearCalculation::FileDayEntries() {
    int laidOut = 0;
    entryPositions.resize(entered.size());
    for (auto entry = entered.rbegin(); entry != entered.rend(); ++entry) {
        const auto day = static_cast<std::size_t>(entry->first);
        if (dayFiledGeneration[day] != tablesGeneration) {
            dayFiledGeneration[day] = tablesGeneration;
            laidOut += dayEntryCounts[day];
            dayEntryFirst[day] = laidOut;
        }
        entryPositions[static_cast<std::size_t>(--dayEntryFirst[day])] = entry->second;
    }
}

inline const CYearCalculation::CHeld* CYearCalculation::Resolved(int id) const {
    const auto index = static_cast<std::size_t>(id);
    return index < held.size() && held[index].generation == tablesGeneration ? &held[index] : nullptr;
}

// Sorted once per Run and ID, when a shift rule first asks: the days of a
// resolved ID never change within a Run.
CYearCalculation::CDayPositions CYearCalculation::SortedByDay(int id) {
    CHeld& list = held[static_cast<std::size_t>(id)];
    if (list.sortedFirst == CHeld::kNotSorted) {
        list.sortedFirst = sortedDays.size();
        for (std::size_t index = 0; index < list.count; ++index) {
            sortedDays.emplace_back(heldDays[list.first + index], static_cast<int>(index));
        }
        std::sort(sortedDays.begin() + static_cast<std::ptrdiff_t>(list.sortedFirst), sortedDays.end());
    }
    return {sortedDays.data() + list.sortedFirst, list.count};
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

bool CYearCalculation::HasDateInYear(std::size_t position) const {
    if (position >= holidays.Count() || !holidays.IsNumbered()) {
        return false;
    }
    const CHeld* list = Resolved(holidays.Ids(position).id);
    if (list == nullptr || list->holder != static_cast<int>(position)) {
        return false;
    }
    const auto first = heldDays.begin() + static_cast<std::ptrdiff_t>(list->first);
    return std::any_of(first, first + static_cast<std::ptrdiff_t>(list->count),
                       [this](int day) { return yearDays.Contains(day); });
}

// The evaluation works at the end of heldDays, as in a Run, and leaves the
// tables as they were.
std::optional<CHolidayTrace> CYearCalculation::TraceHoliday(std::size_t position) {
    if (position >= holidays.Count() || !holidays.IsNumbered()) {
        return std::nullopt;
    }
    const CHeld* list = Resolved(holidays.Ids(position).id);
    if (list == nullptr || list->holder != static_cast<int>(position)) {
        return std::nullopt;
    }
    const std::size_t heldCount = heldDays.size();
    CDateTracer recorder;
    tracer = &recorder;
    const int missing = Evaluate(holidays.Holiday(position), holidays.Ids(position));
    tracer = nullptr;
    const bool sameDays = missing == kNoId && heldDays.size() - heldCount >= list->count &&
                          std::equal(heldDays.begin() + static_cast<std::ptrdiff_t>(list->first),
                                     heldDays.begin() + static_cast<std::ptrdiff_t>(list->first + list->count),
                                     heldDays.begin() + static_cast<std::ptrdiff_t>(heldCount));
    heldDays.resize(heldCount);
    if (!sameDays) {
        return std::nullopt;  // cannot happen while the tables belong to the holidays
    }
    CHolidayTrace& trace = recorder.Trace();
    trace.dates.resize(list->count);  // the Run kept these from the front
    return std::move(trace);
}

const std::vector<CDateTime>* CYearCalculation::Occurrences(const std::string& id) const {
    const int number = holidays.Find(id);
    const CHeld* list = number == kNoId ? nullptr : Resolved(number);
    if (list == nullptr) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(number);
    if (occurrenceDates.size() <= index) {
        occurrenceDates.resize(held.size());
        occurrenceDatesGeneration.resize(held.size());
    }
    std::vector<CDateTime>& dates = occurrenceDates[index];
    if (occurrenceDatesGeneration[index] != tablesGeneration) {
        occurrenceDatesGeneration[index] = tablesGeneration;
        dates.clear();
        for (std::size_t day = list->first; day < list->first + list->count; ++day) {
            dates.push_back(DateOfDayNumber(heldDays[day]));
        }
    }
    return &dates;
}
