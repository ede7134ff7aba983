// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShownText.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "editor/IEditorDialogs.h"

#include <optional>
#include <string>
#include <unordered_map>

void CEditorWindow::OnFindHoliday() {
    const std::optional<QString> text = Dialogs().AskFindText(findText);
    if (!text || text->isEmpty()) {
        return;
    }
    findText = *text;
    OnFindNext();
}

// The next holiday in the ID list after the one selected, going round,
// whose ID or display text (as the window shows them) contains the text
// looked for, ignoring case; it is shown as if picked in the list.
void CEditorWindow::OnFindNext() {
    if (findText.isEmpty()) {
        OnFindHoliday();
        return;
    }
    CComboList* idList = idLists->IdList();
    std::unordered_map<std::string, int> positions;  // the first holiday of each ID, as the list shows it
    for (int position = document.GetHolidayCount() - 1; position >= 0; --position) {
        positions[document.Holidays()[static_cast<std::size_t>(position)].id] = position;
    }
    const auto matches = [&](int item) {
        if (idList->Text(item).contains(findText, Qt::CaseInsensitive)) {
            return true;
        }
        const auto holiday = positions.find(idList->Id(item));
        return holiday != positions.end() &&
               QString::fromStdString(
                   ShowText(textCodePage, document.Holidays()[static_cast<std::size_t>(holiday->second)].display))
                   .contains(findText, Qt::CaseInsensitive);
    };
    const int count = idList->Count();
    for (int step = 1; step <= count; ++step) {
        const int item = (idList->Selection() + step) % count;
        if (matches(item)) {
            idList->Select(item);
            OnHolidaySelected();
            return;
        }
    }
    Dialogs().ShowInformation(QStringLiteral("No holiday's ID or display text contains \"%1\".").arg(findText));
}
