// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/Holiday.h"

#include <concepts>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

// The one description of the records' fields: VisitFields names every field
// of a record, in the order of the holiday file, to a visitor. The file's
// reader and writer, the JSON form, the check and the test printers all walk
// the records through it, so a field added here reaches every one of them.
//
// A visitor has these members, called for each field in turn (the fields are
// const when the record is):
//   Int(const char* name, std::int32_t& field)       numbers and codes
//   Text(const char* name, std::string& field)       byte strings: IDs, display texts, references
//   List(const char* name, std::vector<R>& records)  the records a record holds, always its last
//                                                    field; the visitor walks each with VisitFields

template <class Record, class Plain>
concept RecordOf = std::same_as<std::remove_const_t<Record>, Plain>;

template <RecordOf<CShiftRule> ShiftRule, class Visitor>
void VisitFields(ShiftRule& rule, Visitor& visitor) {
    visitor.Int("conditionKind", rule.conditionKind);
    visitor.Int("conditionWeekday", rule.conditionWeekday);
    visitor.Text("conditionHoliday", rule.conditionHoliday);
    visitor.Int("action", rule.action);
    visitor.Int("shiftCount", rule.shiftCount);
    visitor.Int("shiftWeekday", rule.shiftWeekday);
    visitor.Int("shiftDirection", rule.shiftDirection);
    visitor.Text("shiftTarget", rule.shiftTarget);
}

template <RecordOf<CRuleset> Ruleset, class Visitor>
void VisitFields(Ruleset& ruleset, Visitor& visitor) {
    visitor.Int("validFrom", ruleset.validFrom);
    visitor.Int("validTo", ruleset.validTo);
    visitor.Int("interval", ruleset.interval);
    visitor.Int("ruleKind", ruleset.ruleKind);
    visitor.Int("fixedDay", ruleset.fixedDay);
    visitor.Int("fixedMonth", ruleset.fixedMonth);
    visitor.Int("weekdayOrdinal", ruleset.weekdayOrdinal);
    visitor.Int("monthWeekday", ruleset.monthWeekday);
    visitor.Int("weekdayMonth", ruleset.weekdayMonth);
    visitor.Int("relativeKind", ruleset.relativeKind);
    visitor.Int("offsetDays", ruleset.offsetDays);
    visitor.Int("offsetDirection", ruleset.offsetDirection);
    visitor.Text("offsetReference", ruleset.offsetReference);
    visitor.Int("weekdayCount", ruleset.weekdayCount);
    visitor.Int("relativeWeekday", ruleset.relativeWeekday);
    visitor.Int("weekdayDirection", ruleset.weekdayDirection);
    visitor.Text("weekdayReference", ruleset.weekdayReference);
    visitor.List("shiftRules", ruleset.shiftRules);
}

template <RecordOf<CHoliday> Holiday, class Visitor>
void VisitFields(Holiday& holiday, Visitor& visitor) {
    visitor.Text("id", holiday.id);
    visitor.Text("display", holiday.display);
    visitor.Int("referenceOnly", holiday.referenceOnly);
    visitor.List("rulesets", holiday.rulesets);
}

// What messages call one record of each kind ("ruleset 2, shift rule 1");
// the plural adds an "s".
template <class Record>
inline constexpr const char* kRecordNoun = nullptr;
template <>
inline constexpr const char* kRecordNoun<CHoliday> = "holiday";
template <>
inline constexpr const char* kRecordNoun<CRuleset> = "ruleset";
template <>
inline constexpr const char* kRecordNoun<CShiftRule> = "shift rule";

// Finds the name of the field at an address (FieldName).
class CFieldNameFinder {
public:
    explicit CFieldNameFinder(const void* field) : wanted(field) {}

    void Int(const char* name, const std::int32_t& field) { Match(name, &field); }
    void Text(const char* name, const std::string& field) { Match(name, &field); }
    template <class Element>
    void List(const char* name, const std::vector<Element>& field) {
        Match(name, &field);
    }

    const char* Name() const { return found; }

private:
    void Match(const char* name, const void* address) {
        if (address == wanted) {
            found = name;
        }
    }

    const void* wanted;
    const char* found = "";
};

// The name of the record's field at `field`, or "" when none of its fields is
// there.
template <class Record>
const char* FieldName(const Record& record, const void* field) {
    CFieldNameFinder finder(field);
    VisitFields(record, finder);
    return finder.Name();
}
