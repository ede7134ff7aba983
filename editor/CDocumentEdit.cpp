// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CDocumentEdit.h"

#include "model/CHolidays.h"

#include <utility>

CDocumentEdit CDocumentEdit::Language(LCID languageBefore, LCID languageAfter) {
    CDocumentEdit edit(EKind::Language, -1);
    edit.valueBefore = languageBefore;
    edit.valueAfter = languageAfter;
    return edit;
}

CDocumentEdit CDocumentEdit::Version(int versionBefore, int versionAfter) {
    CDocumentEdit edit(EKind::Version, -1);
    edit.valueBefore = versionBefore;
    edit.valueAfter = versionAfter;
    return edit;
}

CDocumentEdit CDocumentEdit::Holiday(int position, std::optional<CHoliday> holidayBefore,
                                     std::optional<CHoliday> holidayAfter) {
    CDocumentEdit edit(EKind::Holiday, position);
    edit.before = std::move(holidayBefore);
    edit.after = std::move(holidayAfter);
    return edit;
}

void CDocumentEdit::Apply(CHolidays& document, CIdLists& lists) {
    Change(document, lists, true);
}

void CDocumentEdit::Revert(CHolidays& document, CIdLists& lists) {
    Change(document, lists, false);
}

void CDocumentEdit::Change(CHolidays& document, CIdLists& lists, bool forward) {
    switch (kind) {
    case EKind::Language: document.SetLanguage(static_cast<LCID>(forward ? valueAfter : valueBefore)); break;
    case EKind::Version: document.SetVersion(static_cast<int>(forward ? valueAfter : valueBefore)); break;
    case EKind::Holiday: {
        const CSide beforeSide{before, beforePositions};
        const CSide afterSide{after, afterPositions};
        ChangeHoliday(document, lists, forward ? beforeSide : afterSide, forward ? afterSide : beforeSide);
        break;
    }
    }
}

void CDocumentEdit::ChangeHoliday(CHolidays& document, CIdLists& lists, const CSide& from, const CSide& to) {
    if (from.holiday && to.holiday) {
        document.ReplaceHolidayAt(position, *to.holiday);
    } else if (to.holiday) {
        document.InsertHoliday(position, *to.holiday);
    } else {
        document.RemoveHolidayAt(position);
    }
    if (from.holiday && to.holiday && from.holiday->id == to.holiday->id) {
        return;  // the lists stay
    }
    if (from.holiday) {
        from.positions = lists.Remove(from.holiday->id);
    }
    if (to.holiday) {
        // Where the ID stood before it was taken out; at its usual place the
        // first time.
        if (to.positions) {
            lists.Add(to.holiday->id, *to.positions);
        } else {
            lists.Add(to.holiday->id);
        }
    }
}
