// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "resources/Templates.h"

const std::string& AboutMenuText() {
    static const std::string text = "&About Tavrin...";
    return text;
}

const std::vector<CMenuTemplate>& MainMenuTemplate() {
    static const std::vector<CMenuTemplate> menus{
        {"&File",
         {
             {ids::kFileNew, "&New"},
             {ids::kFileOpen, "&Open..."},
             {ids::kFileRecent, "Open &Recent"},
             {ids::kFileSave, "&Save"},
             {ids::kFileSaveAs, "Save &as..."},
             {ids::kFileExportYearCalendar, "&Export Year Calendar..."},
             {0, ""},
             {ids::kFileExit, "E&xit"},
         }},
        // The texts of Undo and Redo name the command they take back or
        // make again; the window sets them.
        {"&Edit",
         {
             {ids::kEditUndo, "&Undo"},
             {ids::kEditRedo, "&Redo"},
             {0, ""},
             {ids::kEditDuplicateHoliday, "&Duplicate Holiday..."},
             {0, ""},
             {ids::kEditFind, "&Find Holiday..."},
             {ids::kEditFindNext, "Find &Next"},
         }},
        {"&View", {{ids::kViewLivePreview, "&Live Preview"}, {ids::kViewYearCalendar, "&Year Calendar"}}},
        {"&Tools", {{ids::kToolsCheckDocument, "&Check Document"}}},
        // Linux desktops have no system menu to hold the About entry.
        {"&Help", {{ids::kAboutBox, AboutMenuText()}}},
    };
    return menus;
}
