// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"
#include "editor/CDialogControls.h"
#include "editor/CSelection.h"

#include <QFont>
#include <QString>

#include <string>

class CCodePageTextBinding;
class CComboList;
class CEditorWindow;
class CHolidays;
class QAbstractButton;
class QAction;
class QLineEdit;
class QUndoStack;

// What the editor window shows and holds, for the tests, the benchmarks and
// the tools that drive it as a user does: they find its controls and menu
// items here, click, pick and type, and look at the outcome.
class CEditorView {
public:
    explicit CEditorView(const CEditorWindow& shownWindow) : window(shownWindow) {}

    // Controls by their ids (resources/ControlIds.h); nullptr for an unknown
    // id or a control of another kind.
    QWidget* Control(int id) const;
    template <class T>
    T* Control(int id) const {
        return Controls().Get<T>(id);
    }
    CComboList* List(int id) const;
    QLineEdit* Edit(int id) const;
    QAbstractButton* Button(int id) const;
    // The menu item of a command id (ids::kFileNew ... ids::kAboutBox).
    QAction* MenuAction(int commandId) const;

    const CHolidays& Document() const;
    const CSelection& Selection() const;
    // The open file's path as text; empty when untitled.
    QString FilePath() const;
    // The code page of the selected language, in which the window shows the
    // document's texts (IDs, display texts) and reads typed ones.
    const CCodePage& TextCodePage() const;
    // The bytes behind the Display edit 1042.
    const CCodePageTextBinding& DisplayText() const;
    const QFont& DisplayFont() const;
    // The text of the preview 1005 (UTF-8, lines ending in "\r\n").
    std::string PreviewReport() const;
    const QUndoStack& UndoStack() const;
    // Waits until the memory of replaced documents and list items, which
    // the window frees in the background, is given back.
    void WaitForBackgroundFreeing() const;

private:
    const CDialogControls& Controls() const;

    const CEditorWindow& window;
};
