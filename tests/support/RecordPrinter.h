// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/RecordFields.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Readable records in test failures: every field under its name, in file
// order, for example {id "X", display "Y", referenceOnly 0, rulesets [{...}]}.
class CRecordPrinter {
public:
    explicit CRecordPrinter(std::ostream& target) : os(target) {}

    template <class Record>
    void Print(const Record& record) {
        os << '{';
        separator = "";
        VisitFields(record, *this);
        os << '}';
    }

    void Int(const char* name, std::int32_t value) { Field(name) << value; }
    void Text(const char* name, const std::string& value) { Field(name) << '"' << value << '"'; }

    template <class Record>
    void List(const char* name, const std::vector<Record>& records) {
        Field(name) << '[';
        for (std::size_t i = 0; i < records.size(); ++i) {
            os << (i == 0 ? "" : " ");
            CRecordPrinter(os).Print(records[i]);
        }
        os << ']';
    }

private:
    std::ostream& Field(const char* name) {
        os << separator << name << ' ';
        separator = ", ";
        return os;
    }

    std::ostream& os;
    const char* separator = "";
};

inline std::ostream& operator<<(std::ostream& os, const CShiftRule& rule) {
    CRecordPrinter(os).Print(rule);
    return os;
}

inline std::ostream& operator<<(std::ostream& os, const CRuleset& ruleset) {
    CRecordPrinter(os).Print(ruleset);
    return os;
}

inline std::ostream& operator<<(std::ostream& os, const CHoliday& holiday) {
    CRecordPrinter(os).Print(holiday);
    return os;
}
