// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CEditorView.h"

#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CPreviewView.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QFile>
#include <QLineEdit>

QWidget* CEditorView::Control(int id) const {
    return Controls().Widget(id);
}

CComboList* CEditorView::List(int id) const {
    return Controls().Get<CComboList>(id);
}

QLineEdit* CEditorView::Edit(int id) const {
    return Controls().Get<QLineEdit>(id);
}

QAbstractButton* CEditorView::Button(int id) const {
    return Controls().Get<QAbstractButton>(id);
}

QAction* CEditorView::MenuAction(int commandId) const {
    const auto found = window.menuActions.find(commandId);
    return found == window.menuActions.end() ? nullptr : found->second;
}

const CHolidays& CEditorView::Document() const {
    return window.document;
}

const CSelection& CEditorView::Selection() const {
    return window.selection;
}

QString CEditorView::FilePath() const {
    return QFile::decodeName(QByteArray::fromStdString(window.filePath.native()));
}

const CCodePage& CEditorView::TextCodePage() const {
    return window.textCodePage;
}

const CCodePageTextBinding& CEditorView::DisplayText() const {
    return *window.displayText;
}

const QFont& CEditorView::DisplayFont() const {
    return window.displayFont;
}

std::string CEditorView::PreviewReport() const {
    return Control<CPreviewView>(ids::kPreviewEdit)->Report("\r\n");
}

void CEditorView::WaitForBackgroundFreeing() const {
    window.disposal.WaitForAll();
}

const QUndoStack& CEditorView::UndoStack() const {
    return window.undoStack;
}

const CDialogControls& CEditorView::Controls() const {
    return window.controls;
}
