// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/Holiday.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// The holidays as the year calculation reads them: a copy of each holiday,
// with the ID it holds and every ID its rules read (RuleReferences.h) as a
// number. Equal texts (exact, case-sensitive) get the same number, so a
// calculation keeps the occurrences of an ID at an index instead of hashing
// texts for every lookup of every year. The numbers change only with the
// holidays: a change renumbers just the holiday it touches.
//
// Numbers 0..2 are the reference feasts in the order of kReferenceIds. A
// number that no holiday holds or refers to any more goes to the next new ID,
// so the numbers stay as many as the distinct IDs in use.
class CNumberedHolidays {
public:
    static constexpr int kNoId = -1;  // a reference field that its rule does not read

    struct CShiftRuleIds {
        int condition = kNoId;  // ConditionReference
        int target = kNoId;     // TargetReference
    };
    struct CRulesetIds {
        int reference = kNoId;  // RuleReference
        std::vector<CShiftRuleIds> shiftRules;
    };
    // Parallel to the holiday: its ID, and per ruleset and shift rule the IDs read.
    struct CHolidayIds {
        int id = kNoId;
        std::vector<CRulesetIds> rulesets;
    };

    CNumberedHolidays();  // no holidays

    void Assign(const std::vector<CHoliday>& holidays);
    void Replace(std::size_t position, const CHoliday& holiday);
    void Append(const CHoliday& holiday);
    void Insert(std::size_t position, const CHoliday& holiday);  // position <= Count()
    void Remove(std::size_t position);

    std::size_t Count() const { return holidays.size(); }
    const CHoliday& Holiday(std::size_t position) const { return holidays[position]; }
    const CHolidayIds& Ids(std::size_t position) const { return ids[position]; }

    // Numbers run from 0 to IdCount() - 1; a free one has the text "".
    int IdCount() const { return static_cast<int>(texts.size()); }
    const std::string& IdText(int number) const { return texts[static_cast<std::size_t>(number)]; }
    // The number of an ID that a holiday holds or refers to, or kNoId.
    int Find(const std::string& id) const;

private:
    CHolidayIds Number(const CHoliday& holiday);
    void Release(const CHolidayIds& holidayIds);
    int Acquire(const std::string& id);
    void Release(int number);

    std::vector<CHoliday> holidays;
    std::vector<CHolidayIds> ids;  // position by position
    std::unordered_map<std::string, int> numbers;
    std::vector<std::string> texts;  // by number
    // By number: how many IDs and references of the holidays have it. The
    // reference feasts count one more, so their numbers are never freed.
    std::vector<int> uses;
    std::vector<int> freeNumbers;
};
