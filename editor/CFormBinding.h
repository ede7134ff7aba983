// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/FormBindingTables.h"
#include "records/Holiday.h"

#include <QVariant>

#include <cstdint>
#include <map>

class CCodePage;
class QString;
class CCodePageTextBinding;
class CDialogControls;

// Text to number as atoi reads it: optional leading blanks and sign, then
// the decimal digits up to the first other character; no digits gives 0.
// Numbers beyond the 32-bit range saturate at its ends.
std::int32_t NumberOfText(const QString& text);

// Shows the fields of a holiday, ruleset and shift rule in the form's
// controls, reads them back and enables the controls, all from the binding
// tables (FormBindingTables.h).
//
// Each control remembers its state at the moment its field was last shown:
// storing reads a control only when its state differs from that, so a
// control the user has not touched leaves its field as it is, even when the
// value is one the control cannot show (a month 13, a kind 7, a reference
// that no list item names). The window shows the record again after every
// store that changed the document, which moves the remembered states on.
//
// One exception: a reference shown on an item that names it only up to
// letter case is stored in the item's spelling even when untouched. That is
// not an edit of the user's: storing only the user's edits leaves it.
class CFormBinding {
public:
    enum class EStored {
        Shown,      // every field as the form shows it
        UserEdits,  // only the fields whose controls the user changed
    };

    CFormBinding(const CDialogControls& controls, CCodePageTextBinding& displayText);

    // Shows the record's fields; IDs are looked up in the lists as shown in
    // the code page.
    template <class Record>
    void Show(const Record& record, const CCodePage& codePage);
    // Writes into the record the fields whose controls changed since the
    // record was shown.
    template <class Record>
    void Store(Record& record, EStored stored = EStored::Shown) const;

    // Enables every field and command control as the tables say, given what
    // the form shows.
    void UpdateEnabling(bool holidayShown, bool rulesetSelected, bool shiftRuleSelected) const;

private:
    template <class Record>
    void ShowField(const CFieldBinding<Record>& binding, const Record& record, const CCodePage& codePage);
    template <class Record>
    void StoreField(const CFieldBinding<Record>& binding, Record& record, EStored stored) const;
    // The state of a field's control as storing compares it.
    QVariant State(EControlKind kind, const std::vector<int>& controls) const;
    // Whether the state differs from the one remembered for the control.
    bool Changed(int control, const QVariant& state, EStored stored) const;

    const CDialogControls& controls;
    CCodePageTextBinding& displayText;
    // Per control (a radio group: its first button): the state it was last
    // shown in. A control without one counts as changed.
    std::map<int, QVariant> shownStates;
    // The state of a reference list shown on an item of other letter case.
    std::map<int, QVariant> respelledStates;
};
