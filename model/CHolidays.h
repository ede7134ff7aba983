// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/YearCalculation.h"
#include "core/WindowsLocale.h"
#include "records/Holiday.h"

#include <optional>
#include <string>
#include <vector>

class CArchive;
class CDateTime;

// The holiday definition document: language, version and an ordered list of
// holidays, plus the calculation tables of one year (derived, never stored).
class CHolidays {
public:
    CHolidays();  // runs Clear
    // A document holding exactly these holidays in this order, repeated IDs
    // and all, as a loaded file holds them (SetHoliday would merge repeated
    // IDs); calcYear 0, nothing calculated yet.
    CHolidays(LCID language, int version, std::vector<CHoliday> holidays);

    void Clear();
    void SetLanguage(LCID lcid) { language = lcid; }
    LCID GetLanguage() const { return language; }
    void SetVersion(int value) { version = value; }
    int GetVersion() const { return version; }

    int GetHolidayCount() const;
    // A copy of the holiday at the position; an empty holiday for a position
    // outside 0..count-1.
    CHoliday GetHoliday(int index) const;
    const std::vector<CHoliday>& Holidays() const { return calculation.Holidays(); }
    int FindHoliday(const std::string& id) const;  // exact match, or -1
    // Replaces the holiday with the same ID (the first, when a file holds the
    // ID more than once) or appends it.
    void SetHoliday(const CHoliday& holiday);
    void RemoveHoliday(const std::string& id);
    void RenameHoliday(const std::string& oldId, const std::string& newId);
    // The same changes by position, whatever the IDs: a holiday replaced,
    // inserted before `position` (Count() appends) or removed. Positions
    // outside the list change nothing. Each recalculates the held year.
    void ReplaceHolidayAt(int position, const CHoliday& holiday);
    void InsertHoliday(int position, const CHoliday& holiday);
    void RemoveHolidayAt(int position);

    static int GetReferenceCount() { return static_cast<int>(kReferenceIds.size()); }
    static std::string GetReferenceId(int index);  // "" outside 0..2
    static bool IsReferenceId(const std::string& id);

    // Loads (replacing holidays, language and version) or stores the document.
    // Loading throws CHolidayFileError for a damaged file; the document then
    // holds the language and version if they were read, and the holidays
    // whose records were complete.
    void Serialize(CArchive& archive);

    // The year calculation (rebuilds all tables for calcYear). The day queries
    // first recalculate when the date's year differs from calcYear.
    void Recalculate();
    int GetCalcYear() const { return calculation.Year(); }
    int GetDayHolidayCount(const CDateTime& date);
    // Leaves both texts empty for an index outside the day's list.
    void GetDayHoliday(const CDateTime& date, int index, std::string& display, std::string& id);
    const CYearCalculation& Calculation() const { return calculation; }
    // The tables of the year, recalculated first when another year is held
    // (as the day queries do).
    const CYearCalculation& CalculationOf(int year);
    // Where the dates of the holiday at `position` come from in `year`
    // (CYearCalculation::TraceHoliday), with the same recalculation first;
    // nothing for a position outside the list.
    std::optional<CHolidayTrace> TraceHoliday(int position, int year);

private:
    void Calculate(int year);

    LCID language = kLcidEnglishUnitedStates;
    int version = 100;
    // Holds the holidays, numbered for the calculation by its first Run
    // after they were replaced as a whole (construction, Clear, loading),
    // and calcYear.
    CYearCalculation calculation;
};
