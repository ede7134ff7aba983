#pragma once

#include "core/CDateTime.h"
#include "records/Holiday.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Evaluates a list of holidays for one year: resolves references between
// holidays and to the reference feasts, applies shift rules, and files the
// result into per-day tables (day of year 1..366).
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

    // Rebuilds everything for the year from scratch.
    void Run(const std::vector<CHoliday>& holidays, int year);
    // Empties all tables; the year becomes 0.
    void Reset();

    int Year() const { return year; }

    // Entries of a day of the year (1..366); no entries outside that range.
    int DayEntryCount(int dayOfYear) const;
    // Entry `index` of the day; "" for an index or day outside the tables.
    const std::string& DayDisplay(int dayOfYear, int index) const;
    const std::string& DayId(int dayOfYear, int index) const;
    // All display texts or IDs of a day, in entry order (copies).
    std::vector<std::string> DayDisplays(int dayOfYear) const;
    std::vector<std::string> DayIds(int dayOfYear) const;

    // The dates of a resolved holiday or reference feast, or nullptr.
    const std::vector<CDateTime>* Occurrences(const std::string& id) const;

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

private:
    // The dates of one resolved ID, and the same dates as (day number, list
    // position) pairs sorted ascending, built when a shift rule first asks.
    struct COccurrences {
        std::vector<CDateTime> dates;
        std::vector<std::pair<int, int>> byDay;
        int holder = -1;  // position of the holiday that resolved the ID; -1 for a reference feast
    };
    // One evaluation: the holiday's day numbers, or the first ID it needed
    // that is not resolved yet (then the days are meaningless).
    struct CEvaluation {
        std::vector<int> days;
        const std::string* missing = nullptr;
    };
    // ID and display text of a listed holiday, held once for all its entries.
    struct CListed {
        std::string id;
        std::string display;
    };

    void EnterReferenceFeasts();
    void ResolveInPasses(const std::vector<CHoliday>& holidays);
    CEvaluation Evaluate(const CHoliday& holiday);
    const std::string* AppendRuleDays(const CRuleset& ruleset, std::vector<int>& days);
    const std::string* ApplyShiftRules(const std::vector<CShiftRule>& rules, std::vector<int>& days);
    const std::string* TestCondition(const CShiftRule& rule, int day, bool& matches);
    const std::string* CarryOut(const CShiftRule& rule, int& day, bool& drop);
    void Enter(const CHoliday& holiday, int position, std::vector<int> days);
    void RecordUnresolved(const std::vector<CHoliday>& holidays);
    COccurrences* Find(const std::string& id);
    const std::vector<std::pair<int, int>>& SortedByDay(COccurrences& list);
    const CListed* Entry(int dayOfYear, int index) const;

    int year = 0;
    int firstDayOfYear = 1;  // day numbers of 1 January and 31 December of year;
    int lastDayOfYear = 0;   // first > last when the year has no days
    std::size_t heldDates = 0;
    std::unordered_map<std::string, COccurrences> occurrences;
    std::vector<CListed> listed;
    // Per day of the year (index 0 = 1 January): positions into `listed`.
    std::array<std::vector<std::uint32_t>, 366> dayEntries;
    std::vector<CHolidayOutcome> outcomes;
    // During a Run: the missing reference of each holiday's latest evaluation,
    // nullptr once it resolved or before it was evaluated.
    std::vector<const std::string*> lastMissing;
};
