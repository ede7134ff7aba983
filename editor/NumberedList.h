#pragma once

#include "editor/CComboList.h"

#include <cstddef>

// Fills the ruleset or shift-rule list with the numbers "1" ... "count" and
// selects the first (nothing when count is 0).
inline void FillNumberedList(CComboList* list, std::size_t count) {
    list->RemoveAll();
    for (std::size_t number = 1; number <= count; ++number) {
        list->AddItem(QString::number(number));
    }
    list->Select(0);
}
