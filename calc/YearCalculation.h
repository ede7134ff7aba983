#pragma once

#include "core/CDateTime.h"
#include "model/Holiday.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

// Evaluates a list of holidays for one year: resolves references between
// holidays and to the reference feasts, applies shift rules, and files the
// result into per-day tables (day of year 1..366).
class CYearCalculation {
public:
    // At most this many dates are held in one calculation; dates beyond it are
    // dropped, so any document completes in bounded time and memory.
    static constexpr std::size_t kMaxDates = 1'000'000;

    // Rebuilds everything for the year from scratch.
    void Run(const std::vector<CHoliday>& holidays, int year);
    // Empties all tables.
    void Reset();

    int Year() const { return year; }
    // Entries of a day of the year (1..366); an empty list outside that range.
    const std::vector<std::string>& DayDisplays(int dayOfYear) const;
    const std::vector<std::string>& DayIds(int dayOfYear) const;
    // The dates of a resolved holiday or reference feast, or nullptr.
    const std::vector<CDateTime>* Occurrences(const std::string& id) const;

private:
    int year = 0;
    std::unordered_map<std::string, std::vector<CDateTime>> occurrences;
    std::array<std::vector<std::string>, 366> dayDisplays;
    std::array<std::vector<std::string>, 366> dayIds;
};
