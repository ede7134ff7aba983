// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/WindowsLocale.h"
#include "editor/CIdLists.h"
#include "records/Holiday.h"

#include <optional>

class CHolidays;

// One change of the document that a command makes, with what it takes to
// make it again and to take it back: the document's language or version
// from one value to another, or a holiday at a position replaced, inserted
// or removed. The ID lists follow each change of an ID; an ID taken out of
// the lists goes back to the very places it had, so that the unsorted
// condition list, too, is as it was.
class CDocumentEdit {
public:
    static CDocumentEdit Language(LCID before, LCID after);
    static CDocumentEdit Version(int before, int after);
    // A holiday replaced (before and after), inserted (after only) or
    // removed (before only) at the position.
    static CDocumentEdit Holiday(int position, std::optional<CHoliday> before, std::optional<CHoliday> after);

    void Apply(CHolidays& document, CIdLists& lists);
    void Revert(CHolidays& document, CIdLists& lists);

    int Position() const { return position; }
    const std::optional<CHoliday>& HolidayAfter() const { return after; }
    void SetHolidayAfter(const CHoliday& holiday) { after = holiday; }

private:
    enum class EKind { Language, Version, Holiday };
    struct CSide {
        std::optional<CHoliday>& holiday;
        std::optional<CIdLists::CPositions>& positions;  // where its ID stood in the lists, once removed
    };

    CDocumentEdit(EKind editKind, int editPosition) : kind(editKind), position(editPosition) {}
    void Change(CHolidays& document, CIdLists& lists, bool forward);
    void ChangeHoliday(CHolidays& document, CIdLists& lists, const CSide& from, const CSide& to);

    EKind kind;
    int position;
    std::int64_t valueBefore = 0;  // language or version
    std::int64_t valueAfter = 0;
    std::optional<CHoliday> before;
    std::optional<CHoliday> after;
    std::optional<CIdLists::CPositions> beforePositions;
    std::optional<CIdLists::CPositions> afterPositions;
};
