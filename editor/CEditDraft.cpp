// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CEditDraft.h"

#include "model/CHolidays.h"

#include <algorithm>

void CEditDraft::SetLanguage(LCID language) {
    if (!languageChanged && language != document.GetLanguage()) {
        edits.push_back(CDocumentEdit::Language(document.GetLanguage(), language));
        languageChanged = true;
    }
}

void CEditDraft::SetVersion(int version) {
    if (!versionChanged && version != document.GetVersion()) {
        edits.push_back(CDocumentEdit::Version(document.GetVersion(), version));
        versionChanged = true;
    }
}

CDocumentEdit* CEditDraft::ReplacementOf(int position) {
    const auto found = std::find_if(edits.begin(), edits.end(), [position](const CDocumentEdit& edit) {
        return edit.Position() == position && edit.HolidayAfter().has_value();
    });
    return found == edits.end() ? nullptr : &*found;
}

CHoliday CEditDraft::Holiday(int position) const {
    for (const CDocumentEdit& edit : edits) {
        if (edit.Position() == position && edit.HolidayAfter()) {
            return *edit.HolidayAfter();
        }
    }
    return document.GetHoliday(position);
}

void CEditDraft::Replace(int position, const CHoliday& holiday) {
    if (CDocumentEdit* earlier = ReplacementOf(position)) {
        earlier->SetHolidayAfter(holiday);
    } else if (holiday != document.Holidays().at(static_cast<std::size_t>(position))) {
        edits.push_back(CDocumentEdit::Holiday(position, document.GetHoliday(position), holiday));
    }
}

void CEditDraft::Insert(int position, const CHoliday& holiday) {
    edits.push_back(CDocumentEdit::Holiday(position, std::nullopt, holiday));
}

void CEditDraft::Remove(int position) {
    edits.push_back(CDocumentEdit::Holiday(position, Holiday(position), std::nullopt));
}
