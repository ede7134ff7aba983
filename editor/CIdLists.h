// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"
#include "records/Holiday.h"

#include <QStringList>

#include <array>
#include <optional>
#include <string>
#include <vector>

class CComboList;
class CDisposal;
class CDialogControls;

// The five lists that offer holiday IDs, kept in step with the document:
// the ID list (sorted), the reference lists of the rules and of the shift
// target (sorted, the three reference IDs among the holiday IDs) and the
// condition list (unsorted: the seven weekday names, the three reference
// IDs, then the holiday IDs in the order they were added). Each list shows
// the IDs' bytes in one code page.
class CIdLists {
public:
    // Positions 0..6 of the condition list are the weekday names, Monday to
    // Sunday; IDs follow.
    static constexpr int kFirstConditionId = 7;
    static constexpr std::size_t kListCount = 5;

    // Where an ID stood in each list (-1: not there), so that taking back its
    // removal puts it back in the same places.
    using CPositions = std::array<int, kListCount>;

    // The items the lists drop when they are filled anew go to `disposal`.
    CIdLists(const CDialogControls& controls, CDisposal& disposal);

    CComboList* IdList() const { return lists[0]; }
    CComboList* ConditionList() const;
    const CCodePage& CodePage() const { return codePage; }

    // Empties the lists and fills them with the weekday names (condition
    // list), the reference IDs and the holidays' IDs in document order, in
    // the code page; the reference lists stand on their first item, the ID
    // list on the last ID added.
    void Fill(const QStringList& weekdayNames, const std::vector<CHoliday>& holidays, const CCodePage& idCodePage);
    // Adds the ID to every list at its place, or at the positions it had
    // when it was removed.
    void Add(const std::string& id);
    void Add(const std::string& id, const CPositions& positions);
    // Removes the first item of the ID from every list (in the condition
    // list among the IDs only) and tells where they stood.
    CPositions Remove(const std::string& id);
    // Shows every ID in another code page; sorted lists sort again, and each
    // list keeps its selected item.
    void ShowIn(const CCodePage& idCodePage);
    // Selects the ID's first item in the ID list, or nothing.
    void SelectHoliday(const std::optional<std::string>& id);

private:
    std::array<CComboList*, kListCount> lists{};
    CDisposal& disposal;
    CCodePage codePage{0};
};
