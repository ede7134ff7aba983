// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCheckWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CCheckWindow::CCheckWindow(QWidget* parent) : QWidget(parent, Qt::Window), list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Check Document"));
    list->setAccessibleName(QStringLiteral("Findings"));
    auto* again = new QPushButton(QStringLiteral("Check Again"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(again);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);
    resize(640, 360);
    connect(again, &QPushButton::clicked, this, &CCheckWindow::CheckRequested);
    connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = list->row(item);
        if (row >= 0 && static_cast<std::size_t>(row) < findings.size()) {
            emit FindingChosen(findings[static_cast<std::size_t>(row)].holidayIndex);
        }
    });
}

void CCheckWindow::ShowFindings(std::vector<CFinding> newFindings) {
    findings = std::move(newFindings);
    list->clear();
    for (const CFinding& finding : findings) {
        list->addItem(QString::fromStdString(finding.Line()));
    }
    if (findings.empty()) {
        auto* none = new QListWidgetItem(QStringLiteral("No problems found"), list);
        none->setFlags(Qt::NoItemFlags);
    }
}
