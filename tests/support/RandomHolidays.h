// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"
#include "tests/support/SampleDocuments.h"

#include <random>
#include <string>
#include <vector>

// Random documents for the calculation's tests: a few holidays drawn from a
// small pool of IDs (so IDs repeat and references form cycles), every field
// in and out of the editor's choices, references to the pool, to the
// reference feasts and to an ID no holiday has ("MISSING"), dates close to
// each other and to Easter so that holidays share days and shift targets tie.
class CRandomDocuments {
public:
    explicit CRandomDocuments(unsigned seed) : random(seed) {}

    // A document of holidays whose IDs and references come from `ids`,
    // which it fills; NextHoliday and Pick draw from it as it grows.
    std::vector<CHoliday> Next(std::vector<std::string>& ids) {
        ids.clear();
        const int poolSize = Between(0, 1) == 0 ? Between(2, 6) : Between(2, 30);
        for (int i = 0; i < poolSize; ++i) {
            ids.push_back("H" + std::to_string(i));
        }
        pool = &ids;
        std::vector<CHoliday> holidays(static_cast<std::size_t>(Between(1, 40)));
        for (CHoliday& holiday : holidays) {
            holiday = NextHoliday(Between(0, 30) == 0 ? "EASTER_REF" : Pick());
        }
        return holidays;
    }

    CHoliday NextHoliday(const std::string& id) {
        CHoliday holiday;
        holiday.id = id;
        holiday.display = "display of " + id;
        holiday.referenceOnly = Between(0, 4) == 0 ? 1 : 0;
        holiday.rulesets.resize(static_cast<std::size_t>(Between(0, 3)));
        for (CRuleset& r : holiday.rulesets) {
            r = MakeFixedRuleset();
            r.validFrom = Between(1995, 2010);
            r.validTo = Between(2000, 2030);
            r.interval = Between(-3, 4);
            r.ruleKind = Between(0, 9) < 6 ? 2 : Between(0, 3);
            // Mostly days close to each other and to Easter, so holidays
            // share days and shift targets tie.
            r.fixedDay = Between(0, 9) == 0 ? Between(0, 32) : Between(1, 14);
            r.fixedMonth = Between(0, 9) == 0 ? Between(0, 13) : 4;
            r.weekdayOrdinal = Between(-1, 6);
            r.monthWeekday = Between(-1, 7);
            r.weekdayMonth = Between(0, 13);
            r.relativeKind = Between(0, 9) == 0 ? 2 : Between(0, 1);
            r.offsetDays = Between(0, 4) == 0 ? Between(-40, 40) : Between(-4, 4);
            r.offsetDirection = Between(0, 3);
            r.offsetReference = Reference();
            r.weekdayCount = Between(-1, 5);
            r.relativeWeekday = Between(-1, 7);
            r.weekdayDirection = Between(-1, 4);
            r.weekdayReference = Reference();
            r.shiftRules.resize(static_cast<std::size_t>(Between(0, 3)));
            for (CShiftRule& s : r.shiftRules) {
                s.conditionKind = Between(0, 2);
                s.conditionWeekday = Between(-1, 7);
                s.conditionHoliday = Reference();
                s.action = Between(0, 3);
                s.shiftCount = Between(-1, 4);
                s.shiftWeekday = Between(-1, 7);
                s.shiftDirection = Between(-1, 4);
                s.shiftTarget = Reference();
            }
        }
        return holiday;
    }

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    const std::string& Pick() {
        return (*pool)[static_cast<std::size_t>(Between(0, static_cast<int>(pool->size()) - 1))];
    }

private:
    std::string Reference() {
        const int pick = Between(0, 19);
        if (pick == 0) {
            return "MISSING";
        }
        if (pick < 4) {
            return CHolidays::GetReferenceId(pick - 1);
        }
        return Pick();
    }

    std::mt19937 random;
    const std::vector<std::string>* pool = nullptr;
};
