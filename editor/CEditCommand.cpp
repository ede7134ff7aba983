// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CEditCommand.h"

#include <utility>

CEditCommand::CEditCommand(IEditTarget& editTarget, const QString& text, std::vector<CDocumentEdit> documentEdits,
                           CSelection before, CSelection after)
    : QUndoCommand(text),
      target(editTarget),
      edits(std::move(documentEdits)),
      selectionBefore(std::move(before)),
      selectionAfter(std::move(after)) {}

void CEditCommand::redo() {
    for (CDocumentEdit& edit : edits) {
        edit.Apply(target.EditedDocument(), target.EditedIdLists());
    }
    target.ShowForm(selectionAfter);
}

void CEditCommand::undo() {
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        edit->Revert(target.EditedDocument(), target.EditedIdLists());
    }
    target.ShowForm(selectionBefore);
}
