// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CIdLists.h"

#include "editor/CComboList.h"
#include "editor/CDialogControls.h"
#include "editor/CDisposal.h"
#include "editor/CListItems.h"
#include "editor/CShownIds.h"
#include "model/CHolidays.h"
#include "resources/ControlIds.h"

#include <algorithm>

namespace {

// The lists in the order IDs are added to them; the ID list first.
constexpr std::array<int, CIdLists::kListCount> kListIds = {
    ids::kIdList, ids::kOffsetReferenceList, ids::kWeekdayReferenceList, ids::kConditionList, ids::kShiftTargetList};
constexpr std::size_t kConditionListIndex = 3;

// Where IDs start in a list: after the weekday names in the condition list.
int FirstIdPosition(std::size_t list) {
    return list == kConditionListIndex ? CIdLists::kFirstConditionId : 0;
}

}  // namespace

CIdLists::CIdLists(const CDialogControls& controls, CDisposal& itemDisposal) : disposal(itemDisposal) {
    for (std::size_t i = 0; i < kListCount; ++i) {
        lists[i] = controls.Get<CComboList>(kListIds[i]);
    }
}

CComboList* CIdLists::ConditionList() const {
    return lists[kConditionListIndex];
}

void CIdLists::Fill(const QStringList& weekdayNames, const std::vector<CHoliday>& holidays,
                    const CCodePage& idCodePage) {
    codePage = idCodePage;
    std::vector<std::vector<CListItem>> dropped;
    for (CComboList* list : lists) {
        dropped.push_back(list->TakeAll());
    }
    disposal.Dispose(std::move(dropped));
    for (const QString& name : weekdayNames) {
        ConditionList()->AddItem(name);
    }
    for (int i = 0; i < CHolidays::GetReferenceCount(); ++i) {
        for (std::size_t list = 1; list < kListCount; ++list) {
            lists[list]->AddId(CHolidays::GetReferenceId(i), codePage);
        }
    }
    // The holiday IDs in document order, as adding them one by one does,
    // each shown once and the batch sorted once for all lists.
    std::vector<std::string> holidayIds;
    holidayIds.reserve(holidays.size());
    for (const CHoliday& holiday : holidays) {
        holidayIds.push_back(holiday.id);
    }
    const CShownIds shownIds(holidayIds, codePage);
    const std::vector<int> lastPositions =
        CComboList::AddIdsToEach(std::vector<CComboList*>(lists.begin(), lists.end()), shownIds);
    IdList()->Select(lastPositions.front());
    for (std::size_t list = 1; list < kListCount; ++list) {
        lists[list]->Select(0);
    }
}

void CIdLists::Add(const std::string& id) {
    for (CComboList* list : lists) {
        list->AddId(id, codePage);
    }
}

void CIdLists::Add(const std::string& id, const CPositions& positions) {
    for (std::size_t list = 0; list < kListCount; ++list) {
        if (positions[list] >= 0) {
            lists[list]->InsertIdAt(positions[list], id, codePage);
        }
    }
}

CIdLists::CPositions CIdLists::Remove(const std::string& id) {
    CPositions positions{};
    for (std::size_t list = 0; list < kListCount; ++list) {
        // IDs are compared by their exact bytes: "Xmas" never removes "XMAS";
        // and a holiday named like a weekday leaves the weekday.
        const int first = FirstIdPosition(list);
        int position = lists[list]->FindId(id, first - 1);
        if (position < first) {
            position = -1;
        }
        lists[list]->RemoveItem(position);
        positions[list] = position;
    }
    return positions;
}

void CIdLists::ShowIn(const CCodePage& idCodePage) {
    // Every list shows the same IDs, each converted once for all of them,
    // and only those that may read differently.
    CShownIds shownIds(idCodePage, codePage);
    codePage = idCodePage;
    for (CComboList* list : lists) {
        list->ShowIdsIn(shownIds);
    }
}

void CIdLists::SelectHoliday(const std::optional<std::string>& id) {
    IdList()->Select(id ? IdList()->FindId(*id) : -1);
}
