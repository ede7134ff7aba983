// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/NumberedHolidays.h"

#include "calc/RuleReferences.h"

CNumberedHolidays::CNumberedHolidays() {
    for (const std::string_view feast : kReferenceIds) {
        Acquire(std::string(feast));
    }
}

void CNumberedHolidays::Assign(const std::vector<CHoliday>& newHolidays) {
    for (const CHolidayIds& holidayIds : ids) {
        Release(holidayIds);
    }
    holidays = newHolidays;
    ids.clear();
    ids.reserve(holidays.size());
    for (const CHoliday& holiday : holidays) {
        ids.push_back(Number(holiday));
    }
}

void CNumberedHolidays::Replace(std::size_t position, const CHoliday& holiday) {
    // Numbered before the old one is released, so IDs that both use keep their numbers.
    CHolidayIds replacement = Number(holiday);
    Release(ids[position]);
    holidays[position] = holiday;
    ids[position] = std::move(replacement);
}

void CNumberedHolidays::Append(const CHoliday& holiday) {
    ids.push_back(Number(holiday));
    holidays.push_back(holiday);
}

void CNumberedHolidays::Insert(std::size_t position, const CHoliday& holiday) {
    const auto offset = static_cast<std::ptrdiff_t>(position);
    ids.insert(ids.begin() + offset, Number(holiday));
    holidays.insert(holidays.begin() + offset, holiday);
}

void CNumberedHolidays::Remove(std::size_t position) {
    Release(ids[position]);
    const auto offset = static_cast<std::ptrdiff_t>(position);
    holidays.erase(holidays.begin() + offset);
    ids.erase(ids.begin() + offset);
}

int CNumberedHolidays::Find(const std::string& id) const {
    const auto found = numbers.find(id);
    return found == numbers.end() ? kNoId : found->second;
}

CNumberedHolidays::CHolidayIds CNumberedHolidays::Number(const CHoliday& holiday) {
    const auto numberOf = [this](const std::string* id) { return id == nullptr ? kNoId : Acquire(*id); };
    CHolidayIds holidayIds;
    holidayIds.id = Acquire(holiday.id);
    holidayIds.rulesets.reserve(holiday.rulesets.size());
    for (const CRuleset& ruleset : holiday.rulesets) {
        CRulesetIds& rulesetIds = holidayIds.rulesets.emplace_back();
        rulesetIds.reference = numberOf(RuleReference(ruleset));
        rulesetIds.shiftRules.reserve(ruleset.shiftRules.size());
        for (const CShiftRule& rule : ruleset.shiftRules) {
            rulesetIds.shiftRules.push_back({numberOf(ConditionReference(rule)), numberOf(TargetReference(rule))});
        }
    }
    return holidayIds;
}

void CNumberedHolidays::Release(const CHolidayIds& holidayIds) {
    const auto release = [this](int number) {
        if (number != kNoId) {
            Release(number);
        }
    };
    release(holidayIds.id);
    for (const CRulesetIds& rulesetIds : holidayIds.rulesets) {
        release(rulesetIds.reference);
        for (const CShiftRuleIds& ruleIds : rulesetIds.shiftRules) {
            release(ruleIds.condition);
            release(ruleIds.target);
        }
    }
}

int CNumberedHolidays::Acquire(const std::string& id) {
    const auto [found, added] = numbers.try_emplace(id, kNoId);
    if (added) {
        if (freeNumbers.empty()) {
            found->second = IdCount();
            texts.push_back(id);
            uses.push_back(0);
        } else {
            found->second = freeNumbers.back();
            freeNumbers.pop_back();
            texts[static_cast<std::size_t>(found->second)] = id;
        }
    }
    ++uses[static_cast<std::size_t>(found->second)];
    return found->second;
}

void CNumberedHolidays::Release(int number) {
    const auto index = static_cast<std::size_t>(number);
    if (--uses[index] > 0) {
        return;
    }
    numbers.erase(texts[index]);
    texts[index].clear();
    freeNumbers.push_back(number);
}
