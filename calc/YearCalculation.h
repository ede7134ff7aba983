// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/DateTrace.h"
#include "calc/DaySet.h"
#include "calc/NumberedHolidays.h"
#include "calc/YearDays.h"
#include "core/CDateTime.h"
#include "records/Holiday.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Evaluates a list of holidays for one year: resolves references between
// holidays and to the reference feasts, applies shift rules, and files the
// result into per-day tables (day of year 1..366).
//
// It holds its own copy of the holidays with their IDs numbered
// (NumberedHolidays.h): given by SetHolidays (taken over when moved in),
// numbered by the first Run and kept up to date change by change; a Run of a
// year then works on ID numbers and day numbers only.
//
// Values the editor never offers: a weekday step in a direction outside 0..3
// stays on its date. Choices where the rules leave it open: an interval of 0
// makes a ruleset apply only in its first year, a negative interval counts as
// its absolute value; a month outside 1..12 or a weekday outside 0..6 gives no
// date for a rule and no move for a shift; a date outside day numbers 1..3652059 is no
// date (a shift that would move a date there removes it). Counts and offsets of
// any int value are computed in 64 bits and cannot overflow. Years outside
// 0..9999 have no dates at all, not even reference feasts.
class CYearCalculation {
public:
    // At most this many dates are held in one calculation, so any document
    // completes in bounded time and memory: the dates one holiday collects
    // while it is evaluated stop growing at this limit, and when a resolved
    // holiday is entered only as many of its dates are kept (from the front of
    // its list) as the dates already held leave room for. Chains of holidays
    // with several applying rulesets double their dates at every level, so a
    // short document can reach the limit; normal documents hold a few hundred.
    static constexpr std::size_t kMaxDates = 1'000'000;

    // The holidays to calculate, in list order. Each change empties the
    // tables (the year stays) until the next Run.
    void SetHolidays(const std::vector<CHoliday>& holidays);
    void SetHolidays(std::vector<CHoliday>&& holidays);
    void ReplaceHoliday(std::size_t position, const CHoliday& holiday);
    void AppendHoliday(const CHoliday& holiday);
    void InsertHoliday(std::size_t position, const CHoliday& holiday);
    void RemoveHoliday(std::size_t position);

    // Rebuilds every table for the year from the holidays held.
    void Run(int year);
    // SetHolidays, then Run.
    void Run(const std::vector<CHoliday>& holidays, int year);
    // Forgets the holidays and empties all tables; the year becomes 0.
    void Reset();

    int Year() const { return year; }
    // The holidays held, as given and changed.
    const std::vector<CHoliday>& Holidays() const { return holidays.Holidays(); }

    // Entries of a day of the year (1..366); no entries outside that range.
    int DayEntryCount(int dayOfYear) const {
        if (dayOfYear < 1 || dayOfYear > CDaySet::kDays) {
            return 0;
        }
        return dayEntryCounts[static_cast<std::size_t>(dayOfYear - 1)];
    }
    // Entries of all days.
    std::size_t ListedEntryCount() const { return listedEntries; }
    // The first day from dayOfYear on that has entries, or 0 when there is none.
    int NextDayWithEntries(int dayOfYear) const { return filledDays.NextFrom(dayOfYear); }
    // Entry `index` of the day; "" for an index or day outside the tables.
    const std::string& DayDisplay(int dayOfYear, int index) const {
        const int position = EntryPosition(dayOfYear, index);
        return position != kNoPosition ? holidays.Holiday(static_cast<std::size_t>(position)).display : kNoText;
    }
    const std::string& DayId(int dayOfYear, int index) const {
        const int position = EntryPosition(dayOfYear, index);
        return position != kNoPosition ? holidays.Holiday(static_cast<std::size_t>(position)).id : kNoText;
    }
    // The list position of the holiday of entry `index` of the day; -1 for
    // an index or day outside the tables.
    int DayPosition(int dayOfYear, int index) const { return EntryPosition(dayOfYear, index); }
    // All display texts or IDs of a day, in entry order (copies).
    std::vector<std::string> DayDisplays(int dayOfYear) const;
    std::vector<std::string> DayIds(int dayOfYear) const;

    // The dates of a resolved holiday or reference feast, or nullptr. Valid
    // until the next Run or change.
    const std::vector<CDateTime>* Occurrences(const std::string& id) const;

    // Whether the holiday at `position` resolved its ID in the last Run with
    // at least one date in the year (a shift may move a date out of it).
    bool HasDateInYear(std::size_t position) const;

    // What the last Run made of one holiday of the list.
    struct CHolidayOutcome {
        enum class State {
            Resolved,   // its dates are held under its ID
            Displaced,  // another holiday or a reference feast resolved the ID first
            Waiting,    // never resolvable: it needs `waitingFor`, which did not resolve
        };
        State state = State::Resolved;
        int holder = -1;         // Displaced: the position holding the ID, -1 for a reference feast
        std::string waitingFor;  // Waiting: the first reference of its evaluation that is missing

        bool operator==(const CHolidayOutcome&) const = default;
    };
    // One outcome per holiday given to the last Run, in list order.
    const std::vector<CHolidayOutcome>& Outcomes() const { return outcomes; }

    // Number of dates held in all occurrence lists (reference feasts included).
    std::size_t HeldDateCount() const { return heldDates; }

    // Where the dates of the holiday at `position` come from in the last
    // Run: its evaluation carried out again, with a tracer. It gives the
    // dates the Run gave, in the same order: an evaluation depends only on
    // the holiday and on the occurrence lists of the IDs it reads, which the
    // Run had entered before it and keeps. Of those dates it keeps as many as
    // the Run held (see kMaxDates). Nothing when the holiday did not resolve
    // its ID in the last Run, or the holidays changed since.
    std::optional<CHolidayTrace> TraceHoliday(std::size_t position);

private:
    static constexpr int kNoId = CNumberedHolidays::kNoId;
    static constexpr int kNoPosition = -1;
    static inline const std::string kNoText;

    // The occurrences of one ID number: `count` day numbers from `first` in
    // heldDays, and, once a shift rule asks, the same days as (day number,
    // list position) pairs sorted ascending from `sortedFirst` in sortedDays.
    // They belong to this Run when `generation` is that of the tables;
    // otherwise the ID is not resolved (yet).
    // Besides, during a Run, the first holiday waiting for the ID (see
    // `waiting`), whatever the generation.
    struct CHeld {
        std::uint64_t generation = 0;
        int holder = kNoPosition;  // position of the holiday that resolved the ID; -1 for a reference feast
        int firstWaiting = kNoPosition;
        std::size_t first = 0;
        std::size_t count = 0;
        std::size_t sortedFirst = kNotSorted;
        static constexpr std::size_t kNotSorted = static_cast<std::size_t>(-1);

        // Holds the days of this Run's generation; the waiting holidays stay.
        void Hold(std::uint64_t runGeneration, int holderPosition, std::size_t firstDay, std::size_t dayCount) {
            generation = runGeneration;
            holder = holderPosition;
            first = firstDay;
            count = dayCount;
            sortedFirst = kNotSorted;
        }
    };
    using CDayPositions = std::span<const std::pair<int, int>>;

    void ClearTables();
    void EnterReferenceFeasts();
    void ResolveInPasses();
    void Visit(int position);
    void Wait(int position, int missing);
    void Wake(CHeld& list, int position);
    int Evaluate(const CHoliday& holiday, const CNumberedHolidays::CHolidayIds& ids);
    void Collect(std::int64_t day, int referenceDay);
    int AppendRuleDays(const CRuleset& ruleset, int reference);
    int ApplyShiftRules(const std::vector<CShiftRule>& rules, std::span<const int> references);
    int TestCondition(const CShiftRule& rule, int condition, int day, bool& matches);
    int CarryOut(const CShiftRule& rule, int target, int& day, bool& drop);
    void Enter(const CHoliday& holiday, int position, CHeld& list);
    void FileDayEntries();
    void RecordUnresolved();
    const CHeld* Resolved(int id) const;
    CDayPositions SortedByDay(int id);
    // The position of the holiday listed as the day's entry, or kNoPosition.
    int EntryPosition(int dayOfYear, int index) const {
        if (index < 0 || index >= DayEntryCount(dayOfYear)) {
            return kNoPosition;
        }
        return entryPositions[static_cast<std::size_t>(dayEntryFirst[static_cast<std::size_t>(dayOfYear - 1)] + index)];
    }

    CNumberedHolidays holidays;
    int year = 0;
    // The days of a year and the day numbers of its reference feasts (in the
    // order of kReferenceIds), computed again only when a Run is for another year.
    CYearDays yearDays;
    std::array<int, 3> feastDays{};
    bool yearDaysSet = false;
    std::size_t heldDates = 0;

    // Per ID number. Clearing the tables starts a new generation.
    std::vector<CHeld> held;
    std::uint64_t tablesGeneration = 0;
    std::vector<int> heldDays;
    std::vector<std::pair<int, int>> sortedDays;
    // The holidays listed on the days of the year: while a Run enters them,
    // each entry as (day index, list position) in entry order, and the count
    // of each day; once all are entered, FileDayEntries puts the positions
    // into entryPositions, each day's together and in entry order from
    // dayEntryFirst (by day index, 0 = 1 January; set where the day was filed
    // in the generation of the tables). filledDays holds the days with
    // entries; the counts of the others are 0. The buffers keep their memory
    // from year to year.
    std::vector<std::pair<int, int>> entered;
    std::array<int, CDaySet::kDays> dayEntryCounts{};
    std::array<int, CDaySet::kDays> dayEntryFirst{};
    std::array<std::uint64_t, CDaySet::kDays> dayFiledGeneration{};
    std::vector<int> entryPositions;
    CDaySet filledDays;
    std::size_t listedEntries = 0;
    std::vector<CHolidayOutcome> outcomes;

    // During a Run. Where in heldDays the holiday being evaluated collects its days.
    std::size_t collectedFirst = 0;
    // Told what the evaluation does, during TraceHoliday only; null in a Run,
    // which then pays one test of the pointer per collected day, applying
    // ruleset and matching shift rule.
    CDateTracer* tracer = nullptr;
    // Per position: the ID number missing in the holiday's latest evaluation,
    // kNoId once it resolved or before it was evaluated; and the next holiday
    // waiting for the same ID (the first is CHeld::firstWaiting). The
    // holidays whose evaluation failed at least once.
    struct CWaiting {
        int lastMissing = kNoId;
        int next = kNoPosition;
    };
    std::vector<CWaiting> waiting;
    std::vector<int> failed;
    // The holidays woken for a later place in this pass (a min-heap of
    // positions) and for the next pass.
    std::vector<int> thisPass;
    std::vector<int> nextPass;

    // Occurrences as dates, built from heldDays when first asked for after a
    // Run (the calculation itself needs only the day numbers): per ID number,
    // and the generation of the tables they were built from.
    mutable std::vector<std::vector<CDateTime>> occurrenceDates;
    mutable std::vector<std::uint64_t> occurrenceDatesGeneration;
};
