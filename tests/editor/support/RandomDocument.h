// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"
#include "tests/support/SampleDocuments.h"

#include <QString>

#include <cctype>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

// Random documents holding everything a file may: fields in and out of
// their ranges, texts of arbitrary bytes, references to IDs that no holiday
// has, IDs that differ only in letter case.
class CRandomDocument {
public:
    explicit CRandomDocument(unsigned seed) : random(seed) {}

    CHolidays Make() {
        std::vector<CHoliday> holidays(static_cast<std::size_t>(Between(1, 4)));
        std::set<std::string> ids;
        for (CHoliday& holiday : holidays) {
            do {
                holiday.id = Id(ids);
            } while (!ids.insert(holiday.id).second);
        }
        knownIds.assign(ids.begin(), ids.end());
        for (int i = 0; i < CHolidays::GetReferenceCount(); ++i) {
            knownIds.push_back(CHolidays::GetReferenceId(i));
        }
        for (CHoliday& holiday : holidays) {
            holiday.display = Bytes(0, 24);
            holiday.referenceOnly = Field(0, 1);
            holiday.rulesets.resize(static_cast<std::size_t>(Between(0, 3)));
            for (CRuleset& ruleset : holiday.rulesets) {
                Fill(ruleset);
            }
        }
        CHolidays document = MakeDocument(Language(), holidays);
        document.SetVersion(Field(0, 1000));
        return document;
    }

private:
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    bool OneIn(int n) { return Between(1, n) == 1; }

    // Mostly a value the controls can show, sometimes one they cannot.
    std::int32_t Field(int low, int high) {
        switch (Between(0, 5)) {
        case 0: return std::numeric_limits<std::int32_t>::min() + Between(0, 1);
        case 1: return std::numeric_limits<std::int32_t>::max() - Between(0, 1);
        case 2: return std::uniform_int_distribution<std::int32_t>()(random);
        case 3: return Between(low - 3, high + 3);
        default: return Between(low, high);
        }
    }

    std::string Bytes(int minLength, int maxLength) {
        std::string bytes(static_cast<std::size_t>(Between(minLength, maxLength)), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(OneIn(2) ? Between('A', 'z') : Between(0, 255));
        }
        return bytes;
    }

    std::string Id(const std::set<std::string>& taken) {
        if (!taken.empty() && OneIn(3)) {
            // The same letters in another case.
            std::string variant = *taken.begin();
            for (char& c : variant) {
                c = static_cast<char>(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c) : std::tolower(c));
            }
            return variant;
        }
        return OneIn(2) ? "H" + std::to_string(Between(0, 99)) : Bytes(1, 70);
    }

    // An ID of the lists, a weekday's name or unknown bytes; never one that
    // matches a list item only up to letter case, which is shown on that
    // item and stored in its spelling.
    std::string Reference() {
        if (OneIn(2)) {
            return knownIds[static_cast<std::size_t>(Between(0, static_cast<int>(knownIds.size()) - 1))];
        }
        std::string unknown = OneIn(4) ? std::string("Monday") : Bytes(0, 12);
        while (MatchesOnlyUpToCase(unknown)) {
            unknown += '#';
        }
        return unknown;
    }

    bool MatchesOnlyUpToCase(const std::string& id) const {
        const auto text = [](const std::string& bytes) {
            return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
        };
        for (const std::string& known : knownIds) {
            if (known != id && QString::compare(text(known), text(id), Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
        return false;
    }

    void Fill(CRuleset& r) {
        r.validFrom = Field(1900, 2100);
        r.validTo = Field(1900, 2100);
        r.interval = Field(1, 5);
        r.ruleKind = Field(0, 2);
        r.fixedDay = Field(1, 31);
        r.fixedMonth = Field(1, 12);
        r.weekdayOrdinal = Field(0, 5);
        r.monthWeekday = Field(0, 6);
        r.weekdayMonth = Field(1, 12);
        r.relativeKind = Field(0, 1);
        r.offsetDays = Field(0, 100);
        r.offsetDirection = OneIn(2) ? 3 * Between(0, 1) : Field(0, 3);
        r.offsetReference = Reference();
        r.weekdayCount = Field(1, 5);
        r.relativeWeekday = Field(0, 6);
        r.weekdayDirection = Field(0, 3);
        r.weekdayReference = Reference();
        r.shiftRules.resize(static_cast<std::size_t>(Between(0, 3)));
        for (CShiftRule& s : r.shiftRules) {
            s.conditionKind = Field(0, 1);
            s.conditionWeekday = Field(0, 6);
            s.conditionHoliday = Reference();
            s.action = Field(0, 2);
            s.shiftCount = Field(1, 5);
            s.shiftWeekday = Field(0, 6);
            s.shiftDirection = Field(0, 3);
            s.shiftTarget = Reference();
        }
    }

    LCID Language() {
        // Listed ones with single- and multi-byte code pages, and unlisted ones.
        const LCID languages[] = {0x0409, 0x0407, 0x0419, 0x0411, 0x0804, 0x7777, 0};
        return languages[Between(0, static_cast<int>(std::size(languages)) - 1)];
    }

    std::mt19937 random;
    std::vector<std::string> knownIds;
};
