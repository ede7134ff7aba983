// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CComboList.h"

#include <cstddef>

// Fills the ruleset or shift-rule list with the numbers "1" ... "count" and
// selects the position (nothing outside 0..count-1).
inline void FillNumberedList(CComboList* list, std::size_t count, int selected) {
    list->RemoveAll();
    for (std::size_t number = 1; number <= count; ++number) {
        list->AddItem(QString::number(number));
    }
    list->Select(selected);
}
