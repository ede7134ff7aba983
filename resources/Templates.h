// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/DialogTemplate.h"

#include <string>
#include <vector>

// The dialogs, menus and strings of the user interface.
const CDialogTemplate& MainDialogTemplate();           // dialog 102
const CDialogTemplate& AddHolidayDialogTemplate();     // dialog 130
const CDialogTemplate& RenameHolidayDialogTemplate();  // dialog 131
const CDialogTemplate& AboutDialogTemplate();          // dialog 100
// Menu 131 ("&File"), the Edit menu and the Help menu that holds string 101.
const std::vector<CMenuTemplate>& MainMenuTemplate();
const std::string& AboutMenuText();  // string 101

// The program icon (icon 128) as a Qt resource path.
constexpr const char* kProgramIconPath = ":/tavrin/tavrin.svg";
