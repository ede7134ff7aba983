// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/DocumentCheck.h"

#include <QWidget>

#include <vector>

class QListWidget;

// Tools > Check Document: the findings of the check beside the main
// window, one line each ("NEUJAHR: ..."), or "No problems found". A
// double-click on a finding asks for its holiday (FindingChosen); Check
// Again, like the menu item, runs the check anew (CheckRequested).
class CCheckWindow : public QWidget {
    Q_OBJECT

public:
    explicit CCheckWindow(QWidget* parent);

    void ShowFindings(std::vector<CFinding> newFindings);
    const std::vector<CFinding>& Findings() const { return findings; }
    QListWidget* List() const { return list; }

signals:
    void FindingChosen(int holidayIndex);
    void CheckRequested();

private:
    QListWidget* list;
    std::vector<CFinding> findings;
};
