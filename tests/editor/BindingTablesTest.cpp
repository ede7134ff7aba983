// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/FormBindingTables.h"
#include "records/RecordFields.h"
#include "resources/Templates.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The names VisitFields gives the record's fields, in its order.
class CFieldNames {
public:
    void Int(const char* name, const std::int32_t&) { names.emplace_back(name); }
    void Text(const char* name, const std::string&) { names.emplace_back(name); }
    template <class Element>
    void List(const char* name, const std::vector<Element>&) {
        names.emplace_back(name);
    }
    std::vector<std::string> names;
};

// Each row binds the field it names, and the rows follow the visitor's order.
template <class Record>
void ExpectRowsNameTheirFieldsInVisitorOrder() {
    const Record record{};
    CFieldNames visited;
    VisitFields(record, visited);
    std::size_t next = 0;
    for (const CFieldBinding<Record>& row : FieldBindings<Record>()) {
        const void* field = row.number != nullptr ? static_cast<const void*>(&(record.*row.number))
                                                  : static_cast<const void*>(&(record.*row.text));
        EXPECT_STREQ(FieldName(record, field), row.field);
        while (next < visited.names.size() && visited.names[next] != row.field) {
            ++next;
        }
        EXPECT_LT(next, visited.names.size()) << row.field << " is out of the visitor's order";
    }
}

TEST(BindingTables, RowsBindTheFieldsTheyNameInTheOrderOfTheFieldVisitor) {
    ExpectRowsNameTheirFieldsInVisitorOrder<CHoliday>();
    ExpectRowsNameTheirFieldsInVisitorOrder<CRuleset>();
    ExpectRowsNameTheirFieldsInVisitorOrder<CShiftRule>();
}

// Every interactive control of the window is in exactly one table, and
// every enabling condition is used.
TEST(BindingTables, EveryControlAppearsOnceAndEveryEnablingRowIsUsed) {
    std::map<int, int> appearances;
    std::set<EEnabledWhen> used;
    const auto count = [&](const auto& rows) {
        for (const auto& row : rows) {
            for (int control : row.controls) {
                ++appearances[control];
            }
            used.insert(row.enabledWhen);
        }
    };
    count(HolidayBindings());
    count(RulesetBindings());
    count(ShiftRuleBindings());
    for (const CCommandControl& command : CommandControls()) {
        ++appearances[command.control];
        used.insert(command.enabledWhen);
    }
    for (int control : AlwaysEnabledControls()) {
        ++appearances[control];
    }
    for (const CControlTemplate& control : MainDialogTemplate().controls) {
        const bool interactive = control.kind != ControlKind::GroupBox && control.kind != ControlKind::Label &&
                                 control.kind != ControlKind::Icon;
        EXPECT_EQ(appearances[control.id], interactive ? 1 : 0) << "control " << control.id;
        appearances.erase(control.id);
    }
    EXPECT_TRUE(appearances.empty()) << "a table names a control the window does not have";
    EXPECT_EQ(used.size(), static_cast<std::size_t>(EEnabledWhen::ShiftToHoliday) + 1);
}

}  // namespace
