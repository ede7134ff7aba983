// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CDropDownEdit.h"

#include <QLineEdit>

CDropDownEdit::CDropDownEdit(bool isSorted, QWidget* parent) : CComboList(isSorted, parent) {
    setEditable(true);
    // Inline completion would show an item the user has not named.
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &CDropDownEdit::AcceptTypedText);
}

void CDropDownEdit::AcceptTypedText() {
    if (const int named = NamedItem(currentText()); named != -1) {
        Select(named);
    }
    setEditText(SelectedText());
}

int CDropDownEdit::NamedItem(const QString& text) const {
    if (text.isEmpty()) {
        return -1;
    }
    if (const int whole = FindText(text); whole != -1) {
        return whole;
    }
    int named = -1;
    for (int position = 0; position < Count(); ++position) {
        if (Text(position).startsWith(text, Qt::CaseInsensitive)) {
            if (named != -1) {
                return -1;  // the start of more than one item
            }
            named = position;
        }
    }
    return named;
}
