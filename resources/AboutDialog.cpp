// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ProgramInfo.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <string>

const CDialogTemplate& AboutDialogTemplate() {
    using K = ControlKind;
    static const CDialogTemplate dialog{
        ids::kAboutDialog,
        "About Tavrin",
        235,
        55,
        {
            {kNoControlId, K::Icon, "", 11, 17, 20, 20},
            {kNoControlId, K::Label, std::string("Tavrin Version ") + kProgramVersion, 40, 12, 119, 8, kNoPrefix},
            {kNoControlId, K::Label, "Copyright (C) 2026 The Tavrin developers", 40, 23, 138, 8},
            {ids::kOk, K::PushButton, "OK", 178, 7, 50, 14, kDefaultButton},
            {kNoControlId, K::Label, "Edits holiday files (*.hol)", 40, 34, 119, 8},
        }};
    return dialog;
}
