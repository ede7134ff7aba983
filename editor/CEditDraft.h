// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CDocumentEdit.h"

#include <vector>

class CHolidays;

// The changes of one command as its handler works them out, before any of
// them is made: the form's store first, then the command's own changes.
// Changes of one holiday merge into one; a command inserts or removes at
// most one holiday, after its other changes.
class CEditDraft {
public:
    explicit CEditDraft(const CHolidays& editedDocument) : document(editedDocument) {}

    void SetLanguage(LCID language);
    void SetVersion(int version);
    // The holiday at the position as the changes so far leave it.
    CHoliday Holiday(int position) const;
    void Replace(int position, const CHoliday& holiday);
    void Insert(int position, const CHoliday& holiday);
    void Remove(int position);

    bool IsEmpty() const { return edits.empty(); }
    bool ChangesLanguage() const { return languageChanged; }
    bool ChangesVersion() const { return versionChanged; }
    std::vector<CDocumentEdit> TakeEdits() { return std::move(edits); }

private:
    CDocumentEdit* ReplacementOf(int position);

    const CHolidays& document;
    std::vector<CDocumentEdit> edits;
    bool languageChanged = false;
    bool versionChanged = false;
};
