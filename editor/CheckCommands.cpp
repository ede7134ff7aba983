// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCheckWindow.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"

#include <QTimer>

void CEditorWindow::OnCheckDocument() {
    if (checkWindow == nullptr) {
        // Beside the main window, which runs modal.
        checkWindow = new CCheckWindow(this);
        connect(checkWindow, &CCheckWindow::FindingChosen, this, &CEditorWindow::OnFindingChosen);
        connect(checkWindow, &CCheckWindow::CheckRequested, this, &CEditorWindow::OnCheckDocument);
    }
    checkWindow->ShowFindings(CheckDocument(document));
    checkWindow->show();
    checkWindow->raise();
    checkWindow->activateWindow();
}

void CEditorWindow::ScheduleCheck() {
    if (checkWindow == nullptr || !checkWindow->isVisible() || checkScheduled) {
        return;
    }
    checkScheduled = true;
    QTimer::singleShot(0, this, [this] {
        checkScheduled = false;
        if (checkWindow->isVisible()) {
            checkWindow->ShowFindings(CheckDocument(document));
        }
    });
}

void CEditorWindow::OnFindingChosen(int holidayIndex) {
    if (holidayIndex < 0 || holidayIndex >= document.GetHolidayCount()) {
        return;
    }
    CComboList* idList = idLists->IdList();
    idList->Select(idList->FindId(document.Holidays()[static_cast<std::size_t>(holidayIndex)].id));
    OnHolidaySelected();
}
