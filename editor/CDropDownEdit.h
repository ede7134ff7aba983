// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CComboList.h"

// A drop-down list with an edit field whose text never stands for another
// item than the selected one. Text that names an item, whole or by a start
// that no other item shares (ignoring case), selects that item once editing
// ends (Enter, or the focus leaves the field) or the text is accepted by the
// program; any other text is put back to the selected item's text.
class CDropDownEdit : public CComboList {
    Q_OBJECT

public:
    explicit CDropDownEdit(bool isSorted, QWidget* parent = nullptr);

    // Selects the item the typed text names and shows its text, or shows the
    // selected item's text again.
    void AcceptTypedText();
    // The item the text names, or -1 (also for an empty text).
    int NamedItem(const QString& text) const;
};
