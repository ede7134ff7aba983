// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"
#include "tests/editor/support/RandomDocument.h"

using namespace ids;

namespace {

constexpr int kDocuments = 300;

// Shows every holiday, ruleset and shift rule of the document in turn, the
// way a user browses it; every choice stores the form shown before.
void ViewEverything(CEditorWindow& window) {
    CComboList* idList = window.View().List(kIdList);
    for (int holiday = 0; holiday < idList->Count(); ++holiday) {
        gui::RunIdle(window);
        gui::Pick(idList, holiday);
        CComboList* rulesets = window.View().List(kRulesetList);
        for (int ruleset = 0; ruleset < rulesets->Count(); ++ruleset) {
            gui::RunIdle(window);
            gui::Pick(rulesets, ruleset);
            CComboList* shiftRules = window.View().List(kShiftRuleList);
            for (int shiftRule = 0; shiftRule < shiftRules->Count(); ++shiftRule) {
                gui::RunIdle(window);
                gui::Pick(shiftRules, shiftRule);
            }
        }
    }
    gui::Pick(idList, 0);
}

TEST_F(EditorWindowTest, ViewingAndStoringWithoutEditsGivesBackEveryHolidayByteForByte) {
    for (unsigned seed = 1; seed <= kDocuments; ++seed) {
        const CHolidays document = CRandomDocument(seed).Make();
        gui::OpenDocument(window, dialogs, document);
        ViewEverything(window);

        EXPECT_EQ(window.View().Document().Holidays(), document.Holidays()) << "seed " << seed;
        EXPECT_EQ(window.View().Document().GetLanguage(), document.GetLanguage()) << "seed " << seed;
        EXPECT_EQ(window.View().Document().GetVersion(), document.GetVersion()) << "seed " << seed;
        EXPECT_TRUE(SaveHolidayBytes(window.View().Document()) == SaveHolidayBytes(document)) << "seed " << seed;
        if (HasFailure()) {
            break;
        }
    }
}

}  // namespace
