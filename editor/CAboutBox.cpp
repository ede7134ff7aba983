// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CAboutBox.h"

#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QIcon>
#include <QPushButton>

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    const CDialogTemplate& dialogTemplate = AboutDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setWindowIcon(QIcon(QString::fromLatin1(kProgramIconPath)));
    setFixedSize(controls.Build(*this, dialogTemplate));
    auto* ok = controls.Get<QPushButton>(ids::kOk);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}
