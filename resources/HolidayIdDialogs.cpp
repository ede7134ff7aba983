// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "resources/Templates.h"

// The Add Holiday and Rename Holiday dialogs hold the same controls; only
// their texts and tab order differ (Rename starts with the focus on OK).
namespace {

using K = ControlKind;

CControlTemplate IdLabel(const char* text) {
    return CControlTemplate{kNoControlId, K::Label, text, 7, 7, 144, 8}.Describing(ids::kHolidayIdEdit);
}
CControlTemplate IdEdit() {
    return {ids::kHolidayIdEdit, K::Edit, "", 7, 18, 144, 14};
}
CControlTemplate OkButton() {
    return {ids::kOk, K::PushButton, "OK", 47, 39, 50, 14, kDefaultButton};
}
CControlTemplate CancelButton() {
    return {ids::kCancel, K::PushButton, "Abbrechen", 101, 39, 50, 14};
}

}  // namespace

const CDialogTemplate& AddHolidayDialogTemplate() {
    static const CDialogTemplate dialog{
        ids::kAddHolidayDialog,
        "Add Holiday",
        158,
        60,
        {IdLabel("Enter a unique ID for the new holiday:"), IdEdit(), OkButton(), CancelButton()}};
    return dialog;
}

const CDialogTemplate& RenameHolidayDialogTemplate() {
    static const CDialogTemplate dialog{
        ids::kRenameHolidayDialog,
        "Rename Holiday",
        158,
        60,
        {OkButton(), CancelButton(), IdLabel("Enter a new ID for the holiday:"), IdEdit()}};
    return dialog;
}
