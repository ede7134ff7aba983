// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The year calculation against a plain evaluation written straight from the
// rules: every pass walks every holiday, the resolvable flag is carried through
// all shift rules, IDs are looked up by their text, and dates are moved with
// CDateTime arithmetic.

#include "calc/ReferenceFeasts.h"
#include "calc/YearCalculation.h"
#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "tests/support/RandomHolidays.h"
#include "tests/support/RuleBuilders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

class CPlainCalculation {
public:
    CPlainCalculation(const std::vector<CHoliday>& holidays, int calcYear) : year(calcYear) {
        occurrences["EASTER_REF"] = {GetEasterDate(year)};
        occurrences["ORTHODOX_EASTER_REF"] = {GetOrthodoxEasterDate(year)};
        occurrences["ADVENT_REF"] = {GetAdventDate(year)};
        std::map<std::string, int> holder;
        std::vector<std::string> waitingFor(holidays.size());
        bool entered = true;
        while (entered) {
            entered = false;
            for (std::size_t i = 0; i < holidays.size(); ++i) {
                if (occurrences.count(holidays[i].id) != 0) {
                    continue;
                }
                if (Evaluate(holidays[i])) {
                    holder[holidays[i].id] = static_cast<int>(i);
                    entered = true;
                } else {
                    waitingFor[i] = firstMissing;
                }
            }
        }
        using State = CYearCalculation::CHolidayOutcome::State;
        for (std::size_t i = 0; i < holidays.size(); ++i) {
            const auto held = holder.find(holidays[i].id);
            if (occurrences.count(holidays[i].id) == 0) {
                outcomes.push_back({State::Waiting, -1, waitingFor[i]});
            } else if (held != holder.end() && held->second == static_cast<int>(i)) {
                outcomes.push_back({State::Resolved, -1, {}});
            } else {
                outcomes.push_back({State::Displaced, held == holder.end() ? -1 : held->second, {}});
            }
        }
    }

    std::map<std::string, std::vector<CDateTime>> occurrences;
    std::vector<CYearCalculation::CHolidayOutcome> outcomes;
    std::array<std::vector<std::string>, 366> dayIds;
    std::array<std::vector<std::string>, 366> dayDisplays;

private:
    static CDateTime Moved(CDateTime date, int days) {
        date += CDateTimeSpan(days, 0, 0, 0);
        return date;
    }

    const std::vector<CDateTime>* Lookup(const std::string& id) {
        const auto found = occurrences.find(id);
        if (found == occurrences.end()) {
            if (resolvable) {
                firstMissing = id;
            }
            resolvable = false;
            return nullptr;
        }
        return &found->second;
    }

    bool Applies(const CRuleset& r) const {
        if (year < r.validFrom || year > r.validTo) {
            return false;
        }
        const long long interval = r.interval < 0 ? -static_cast<long long>(r.interval) : r.interval;
        return interval == 0 ? year == r.validFrom : (year - r.validFrom) % interval == 0;
    }

    // False for a weekday outside 0..6; another direction stays on the date.
    static bool Step(CDateTime& date, int weekday, int direction, int count) {
        if (weekday < 0 || weekday > 6) {
            return false;
        }
        if (direction < 0 || direction > 3) {
            return true;
        }
        const int back = (date.GetDayOfWeek() - weekday + 7) % 7;
        const int forward = (weekday - date.GetDayOfWeek() + 7) % 7;
        const int further = count > 1 ? 7 * (count - 1) : 0;
        switch (direction) {
        case 0: date = Moved(date, -(back == 0 ? 7 : back) - further); break;
        case 1: date = Moved(date, -back - further); break;
        case 2: date = Moved(date, forward + further); break;
        default: date = Moved(date, (forward == 0 ? 7 : forward) + further); break;
        }
        return true;
    }

    void RuleDates(const CRuleset& r, std::vector<CDateTime>& dates) {
        if (r.ruleKind == 0) {
            CDateTime date;
            if (date.SetDate(year, r.fixedMonth, r.fixedDay)) {
                dates.push_back(date);
            }
        } else if (r.ruleKind == 1) {
            const int w = r.monthWeekday;
            const int m = r.weekdayMonth;
            if (w < 0 || w > 6 || m < 1 || m > 12) {
                return;
            }
            const auto onOrBefore = [w](CDateTime x) { return Moved(x, -((x.GetDayOfWeek() - w + 7) % 7)); };
            if (r.weekdayOrdinal >= 0 && r.weekdayOrdinal <= 3) {
                dates.push_back(onOrBefore(CDateTime(year, m, 7 * (r.weekdayOrdinal + 1))));
            } else if (r.weekdayOrdinal == 4) {
                const CDateTime fifth = onOrBefore(Moved(CDateTime(year, m, 28), 7));
                if (fifth.GetMonth() == m) {
                    dates.push_back(fifth);
                }
            } else if (r.weekdayOrdinal == 5) {
                dates.push_back(onOrBefore(CDateTime(year, m, CDateTime::GetDaysInMonth(year, m))));
            }
        } else if (r.ruleKind == 2 && r.relativeKind == 0) {
            if (const auto* reference = Lookup(r.offsetReference)) {
                for (const CDateTime& o : *reference) {
                    dates.push_back(Moved(o, r.offsetDirection == 0 ? -r.offsetDays : r.offsetDays));
                }
            }
        } else if (r.ruleKind == 2 && r.relativeKind == 1) {
            if (const auto* reference = Lookup(r.weekdayReference)) {
                for (CDateTime o : *reference) {
                    if (Step(o, r.relativeWeekday, r.weekdayDirection, r.weekdayCount)) {
                        dates.push_back(o);
                    }
                }
            }
        }
    }

    void Shift(const std::vector<CShiftRule>& rules, std::vector<CDateTime>& dates) {
        for (std::size_t i = 0; i < dates.size();) {
            bool dropped = false;
            for (const CShiftRule& rule : rules) {
                bool matches = rule.conditionKind == 0 && dates[i].GetDayOfWeek() == rule.conditionWeekday;
                if (rule.conditionKind == 1) {
                    if (const auto* condition = Lookup(rule.conditionHoliday)) {
                        for (const CDateTime& o : *condition) {
                            matches = matches || o == dates[i];
                        }
                    }
                }
                if (!matches) {
                    continue;
                }
                if (rule.action == 0) {
                    Step(dates[i], rule.shiftWeekday, rule.shiftDirection, rule.shiftCount);
                } else if (rule.action == 1) {
                    const auto* target = Lookup(rule.shiftTarget);
                    if (target != nullptr && !target->empty()) {
                        const CDateTime from = dates[i];
                        long long best = -1;
                        for (const CDateTime& o : *target) {
                            const long long distance = std::llabs((o - from).GetTotalSeconds());
                            if (best < 0 || distance < best) {
                                best = distance;
                                dates[i] = o;
                            }
                        }
                    }
                } else if (rule.action == 2) {
                    dates.erase(dates.begin() + static_cast<long>(i));
                    dropped = true;
                }
                break;
            }
            i += dropped ? 0 : 1;
        }
    }

    bool Evaluate(const CHoliday& holiday) {
        std::vector<CDateTime> dates;
        resolvable = true;
        for (const CRuleset& ruleset : holiday.rulesets) {
            if (!resolvable) {
                break;
            }
            if (Applies(ruleset)) {
                RuleDates(ruleset, dates);
                Shift(ruleset.shiftRules, dates);
            }
        }
        if (!resolvable) {
            return false;
        }
        occurrences[holiday.id] = dates;
        for (const CDateTime& date : dates) {
            if (holiday.referenceOnly == 0 && date.GetYear() == year) {
                dayIds[static_cast<std::size_t>(date.GetDayOfYear() - 1)].push_back(holiday.id);
                dayDisplays[static_cast<std::size_t>(date.GetDayOfYear() - 1)].push_back(holiday.display);
            }
        }
        return true;
    }

    int year;
    bool resolvable = true;
    std::string firstMissing;
};

// The calculation's occurrences of every ID (those of `ids`, the reference
// feasts and a missing one), outcomes and per-day tables are the plain ones.
// Returns the number of IDs with dates.
int ExpectPlainResults(const CYearCalculation& calculation, const std::vector<CHoliday>& holidays, int year,
                       std::vector<std::string> ids) {
    const CPlainCalculation plain(holidays, year);
    int dated = 0;
    ids.insert(ids.end(), {"EASTER_REF", "ORTHODOX_EASTER_REF", "ADVENT_REF", "MISSING"});
    for (const std::string& id : ids) {
        const auto found = plain.occurrences.find(id);
        const std::vector<CDateTime>* dates = calculation.Occurrences(id);
        EXPECT_EQ(dates != nullptr, found != plain.occurrences.end()) << id;
        if (dates != nullptr && found != plain.occurrences.end()) {
            EXPECT_EQ(*dates, found->second) << id;
            dated += found->second.empty() ? 0 : 1;
        }
    }
    EXPECT_EQ(calculation.Outcomes(), plain.outcomes);
    for (int day = 1; day <= 366; ++day) {
        const auto index = static_cast<std::size_t>(day - 1);
        EXPECT_EQ(calculation.DayIds(day), plain.dayIds[index]) << "day " << day;
        EXPECT_EQ(calculation.DayDisplays(day), plain.dayDisplays[index]) << "day " << day;
    }
    return dated;
}

TEST(PassEquivalence, RandomDocumentsGiveThePlainResults) {
    // One calculation for all documents, so nothing of one may leak into the next.
    CRandomDocuments documents(31337);
    std::vector<std::string> ids;
    CYearCalculation calculation;
    int resolvedSomewhere = 0;
    for (int round = 0; round < 3000 && !testing::Test::HasFailure(); ++round) {
        SCOPED_TRACE(round);
        const std::vector<CHoliday> holidays = documents.Next(ids);
        const int year = documents.Between(2000, 2012);
        calculation.Run(holidays, year);
        resolvedSomewhere += ExpectPlainResults(calculation, holidays, year, ids);
    }
    EXPECT_GT(resolvedSomewhere, 3000);  // the documents are not trivially empty
}

TEST(PassEquivalence, DocumentsChangedBetweenYearsGiveThePlainResults) {
    // The document keeps the calculation's copy of its holidays up to date
    // change by change: a replaced, added, removed or renamed holiday, or a
    // reference that names a new ID, must count in the next recalculation
    // and in the next year asked for.
    CRandomDocuments documents(4711);
    std::vector<std::string> ids;
    for (int round = 0; round < 300 && !testing::Test::HasFailure(); ++round) {
        CHolidays document = MakeDocument(0x0409, documents.Next(ids));
        int year = documents.Between(2000, 2012);
        document.CalculationOf(year);
        for (int change = 0; change < 12 && !testing::Test::HasFailure(); ++change) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", change " << change);
            const std::string id = documents.Pick();
            switch (documents.Between(0, 3)) {
            case 0: {
                CHoliday holiday = documents.NextHoliday(id);
                holiday.display += " after change " + std::to_string(change);
                document.SetHoliday(holiday);
                break;
            }
            case 1: document.RemoveHoliday(id); break;
            case 2:
                ids.push_back("R" + std::to_string(change));
                document.RenameHoliday(id, documents.Pick());
                break;
            default: year = documents.Between(2000, 2012); break;
            }
            ExpectPlainResults(document.CalculationOf(year), document.Holidays(), year, ids);
        }
    }
}

TEST(PassEquivalence, ShuffledChainsGiveThePlainResults) {
    // Long chains in random list order need many passes, some resolving
    // several holidays at once, some woken later in the same pass.
    std::mt19937 random(4711);
    CYearCalculation calculation;
    for (int round = 0; round < 50; ++round) {
        std::vector<CHoliday> holidays;
        const int count = 200;
        for (int i = 0; i < count; ++i) {
            const std::string id = "C" + std::to_string(i);
            const int parent = i == 0 ? -1 : static_cast<int>(random() % static_cast<unsigned>(i));
            holidays.push_back(parent < 0
                                   ? rules::Holiday(id, {rules::Fixed(1, 3)})
                                   : rules::Holiday(id, {rules::DaysFrom(static_cast<int>(random() % 3), rules::kAfter,
                                                                         "C" + std::to_string(parent))}));
        }
        std::shuffle(holidays.begin(), holidays.end(), random);
        const CPlainCalculation plain(holidays, 2024);
        calculation.Run(holidays, 2024);
        for (int day = 1; day <= 366; ++day) {
            ASSERT_EQ(calculation.DayIds(day), plain.dayIds[static_cast<std::size_t>(day - 1)]) << round;
        }
    }
}

TEST(PassEquivalence, ChainOfTenThousandResolvesCompletely) {
    const CHolidays chain = MakeChainedHolidays(10'000);
    CYearCalculation calculation;
    calculation.Run(chain.Holidays(), 2024);
    const std::vector<std::string> ids = calculation.DayIds(1);
    ASSERT_EQ(ids.size(), 10'000u);
    EXPECT_EQ(ids.front(), "H9999");  // resolved first, from the end of the list
    EXPECT_EQ(ids.back(), "H0");
}

}  // namespace
