// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Resource, control and command ids of the user interface.
namespace ids {

// Dialogs.
constexpr int kAboutDialog = 100;
constexpr int kMainDialog = 102;
constexpr int kAddHolidayDialog = 130;
constexpr int kRenameHolidayDialog = 131;

// Standard buttons of the small dialogs.
constexpr int kOk = 1;
constexpr int kCancel = 2;

// Menu commands.
constexpr int kFileNew = 57600;
constexpr int kFileOpen = 57601;
constexpr int kFileSave = 57603;
constexpr int kFileSaveAs = 40001;
constexpr int kFileExit = 40002;
constexpr int kFileRecent = 57616;  // the Open Recent submenu
constexpr int kEditUndo = 57643;
constexpr int kEditRedo = 57644;
constexpr int kEditDuplicateHoliday = 40010;
constexpr int kViewLivePreview = 40020;
constexpr int kViewYearCalendar = 40021;
constexpr int kToolsCheckDocument = 40030;
constexpr int kFileExportYearCalendar = 40004;
constexpr int kEditFind = 57636;
constexpr int kEditFindNext = 57640;
constexpr int kAboutBox = 0x0010;

// Main window (dialog 102).
constexpr int kLanguageList = 1040;
constexpr int kVersionEdit = 1041;
constexpr int kIdList = 1036;
constexpr int kAddHoliday = 1038;
constexpr int kRenameHoliday = 1043;
constexpr int kDeleteHoliday = 1039;
constexpr int kDisplayEdit = 1042;
constexpr int kReferenceOnlyCheck = 1020;
constexpr int kRulesetList = 1001;
constexpr int kAddRuleset = 1002;
constexpr int kDeleteRuleset = 1003;
constexpr int kValidFromEdit = 1006;
constexpr int kValidToEdit = 1007;
constexpr int kIntervalEdit = 1035;
constexpr int kFixedDateRadio = 1008;
constexpr int kWeekdayOfMonthRadio = 1010;
constexpr int kRelativeDateRadio = 1011;
constexpr int kFixedDayEdit = 1045;
constexpr int kFixedMonthList = 1044;
constexpr int kWeekdayOrdinalList = 1037;
constexpr int kMonthWeekdayList = 1034;
constexpr int kWeekdayMonthList = 1033;
constexpr int kFixedDaysRadio = 1009;
constexpr int kRelativeWeekdayRadio = 1015;
constexpr int kOffsetDaysEdit = 1012;
constexpr int kOffsetDirectionList = 1017;
constexpr int kOffsetReferenceList = 1014;
constexpr int kWeekdayCountEdit = 1016;
constexpr int kRelativeWeekdayList = 1019;
constexpr int kWeekdayDirectionList = 1024;
constexpr int kWeekdayReferenceList = 1018;
constexpr int kConditionList = 1021;
constexpr int kShiftToWeekdayRadio = 1022;
constexpr int kShiftToHolidayRadio = 1026;
constexpr int kDropRadio = 1028;
constexpr int kShiftCountEdit = 1023;
constexpr int kShiftWeekdayList = 1025;
constexpr int kShiftDirectionList = 1032;
constexpr int kShiftTargetList = 1027;
constexpr int kAddShiftRule = 1030;
constexpr int kDeleteShiftRule = 1031;
constexpr int kYearList = 1004;
constexpr int kShiftRuleList = 1013;
constexpr int kRefresh = 1046;
constexpr int kPreviewEdit = 1005;

// Add Holiday and Rename Holiday dialogs (130, 131).
constexpr int kHolidayIdEdit = 1044;

}  // namespace ids
