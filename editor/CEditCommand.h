// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CDocumentEdit.h"
#include "editor/CSelection.h"

#include <QUndoCommand>

#include <vector>

class CHolidays;
class CIdLists;

// What a command works on: the window's document and ID lists, and the form
// that shows a selection of the document.
class IEditTarget {
public:
    virtual CHolidays& EditedDocument() = 0;
    virtual CIdLists& EditedIdLists() = 0;
    // Shows the document's language and version and the selection in the
    // form, as the document holds them now.
    virtual void ShowForm(const CSelection& selection) = 0;

protected:
    ~IEditTarget() = default;
};

// One command of the editor on the undo stack: its changes of the document
// and what the form showed before and shows after them. redo() makes the
// changes (also the first time, when the command is pushed) and shows the
// selection after them; undo() takes them back in reverse order and shows
// the selection before.
class CEditCommand : public QUndoCommand {
public:
    CEditCommand(IEditTarget& target, const QString& text, std::vector<CDocumentEdit> edits, CSelection before,
                 CSelection after);

    void redo() override;
    void undo() override;

private:
    IEditTarget& target;
    std::vector<CDocumentEdit> edits;
    CSelection selectionBefore;
    CSelection selectionAfter;
};
