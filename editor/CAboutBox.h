// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CDialogControls.h"

#include <QDialog>

// The About box (dialog 100): icon, version line and two notices; OK, Esc
// or the close box end it.
class CAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit CAboutBox(QWidget* parent = nullptr);

private:
    CDialogControls controls;
};
