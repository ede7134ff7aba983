// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ShownText.h"
#include "tests/editor/FileTestSupport.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/support/RuleBuilders.h"

#include <QAbstractButton>

#include <string>

using namespace ids;

namespace {

constexpr LCID kHindi = 0x0439;  // no ANSI code page: UTF-8

int FindLanguage(const CComboList* list, LCID lcid) {
    for (int position = 0; position < list->Count(); ++position) {
        if (list->Data(position).toUInt() == lcid) {
            return position;
        }
    }
    return -1;
}

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// IDs of one file language: two that differ only in a non-ASCII letter, the
// first in other letter case, a third whose shown form needs a backslash or
// an escape, and the new ID of a rename.
struct IdCase {
    LCID language;
    int codePage;
    std::string first, firstOtherCase, second, third, renamed;
    const char* firstShown;
    const char* secondShown;
    const char* thirdShown;
    const char* renamedShown;
};

const IdCase kCases[] = {
    {0x0407, 1252, "Mari\xE4", "MARI\xC4", "Mari\xF6", "Xmas\\x81", "Mari\xFC",  //
     "Mari\xC3\xA4", "Mari\xC3\xB6", "Xmas\\\\x81", "Mari\xC3\xBC"},
    {0x0419, 1251, "\xCD\xEE\xE2\xFB\xE9", "\xED\xEE\xE2\xFB\xE9", "\xD0\xEE\xE6\xE4\xE5\xF1\xF2\xE2\xEE", "\xC4\\xC4",
     "\xCF\xE0\xF1\xF5\xE0",  //
     "\xD0\x9D\xD0\xBE\xD0\xB2\xD1\x8B\xD0\xB9",
     "\xD0\xA0\xD0\xBE\xD0\xB6\xD0\xB4\xD0\xB5\xD1\x81\xD1\x82\xD0\xB2\xD0\xBE", "\xD0\x94\\\\xC4",
     "\xD0\x9F\xD0\xB0\xD1\x81\xD1\x85\xD0\xB0"},
    {0x0411, 932, "\x82\x60\x8C\xB3", "\x82\x81\x8C\xB3", "\x8C\xB3\x93\xFA", "\x82", "\x8D\x91",  //
     "\xEF\xBC\xA1\xE5\x85\x83", "\xE5\x85\x83\xE6\x97\xA5", "\\x82", "\xE5\x9B\xBD"},
};

class HolidayIdCodePageTest : public files::FileWindowTest {
protected:
    // The first three IDs and a holiday that refers to them: 1 day after the
    // first, a weekday before the first in other letter case, and when on
    // the second, moved to the third.
    CHolidays Document(const IdCase& c) const {
        using namespace rules;
        CRuleset ruleset = WithShifts(DaysFrom(1, kAfter, c.first), {OnHolidayMoveTo(c.second, c.third)});
        ruleset.weekdayReference = c.firstOtherCase;
        return MakeDocument(c.language, {Holiday(c.first, {Fixed(1, 1)}), Holiday(c.second, {Fixed(2, 1)}),
                                         Holiday(c.third, {Fixed(3, 1)}), Holiday("REF", {ruleset})});
    }

    QStringList ShownIds() const { return Sorted(gui::Items(window.View().List(kIdList))); }

    void PickLanguage(LCID lcid) {
        gui::Pick(window.View().List(kLanguageList), FindLanguage(window.View().List(kLanguageList), lcid));
    }
};

// Every ID shows and stores as the bytes of the file's code page, through
// walking, referencing, renaming, messages, saving and a language change.
TEST_F(HolidayIdCodePageTest, IdsAreTextsOfTheFilesCodePage) {
    for (const IdCase& c : kCases) {
        SCOPED_TRACE(c.codePage);
        CHolidays document = Document(c);
        const QString path = PathIn(QStringLiteral("ids%1.hol").arg(c.codePage));
        files::WriteBytes(path, SaveHolidayBytes(document));
        OpenFile(path);

        // Shown decoded, distinct, in the ID list and every reference list.
        EXPECT_EQ(ShownIds(), Sorted({c.firstShown, c.secondShown, c.thirdShown, "REF"}));
        for (int list : {kOffsetReferenceList, kWeekdayReferenceList, kConditionList, kShiftTargetList}) {
            EXPECT_TRUE(gui::Items(window.View().List(list)).contains(c.secondShown)) << list;
        }

        // Walked: each item names its holiday's exact bytes.
        for (const std::string& id : {c.first, c.second, c.third}) {
            gui::Pick(window.View().List(kIdList), QString::fromStdString(ShowText(CCodePage(c.codePage), id)));
            EXPECT_EQ(window.View().Selection().HolidayId(), id);
        }

        // Referenced: the references show on their items; the one in other
        // letter case shows on the first's item and is stored with its bytes.
        gui::Pick(window.View().List(kIdList), "REF");
        gui::RunIdle(window);
        EXPECT_EQ(window.View().List(kOffsetReferenceList)->SelectedText(), c.firstShown);
        EXPECT_EQ(window.View().List(kWeekdayReferenceList)->SelectedText(), c.firstShown);
        EXPECT_EQ(window.View().List(kConditionList)->SelectedText(), c.secondShown);
        EXPECT_EQ(window.View().List(kShiftTargetList)->SelectedText(), c.thirdShown);
        gui::Pick(window.View().List(kOffsetReferenceList), c.secondShown);

        // Renamed, with the old ID offered as bytes and the dialog told the
        // code page; messages show IDs decoded.
        gui::Pick(window.View().List(kIdList), c.firstShown);
        dialogs.renamedIds.push_back(c.renamed);
        gui::Click(window.View().Button(kRenameHoliday));
        EXPECT_EQ(dialogs.renameOffers.back(), c.first);
        EXPECT_EQ(dialogs.idCodePages.back(), c.codePage);
        EXPECT_EQ(ShownIds(), Sorted({c.renamedShown, c.secondShown, c.thirdShown, "REF"}));
        dialogs.newIds.push_back(c.second);
        gui::Click(window.View().Button(kAddHoliday));
        EXPECT_EQ(dialogs.errors.takeLast(), QStringLiteral("ID %1 already exist!").arg(c.secondShown));

        // Saved byte for byte.
        Run(kFileSave);
        CHoliday ref = document.GetHoliday(3);
        ref.rulesets[0].offsetReference = c.second;
        ref.rulesets[0].weekdayReference = c.first;
        document.SetHoliday(ref);
        document.RenameHoliday(c.first, c.renamed);
        EXPECT_EQ(files::ReadBytes(path), SaveHolidayBytes(document));

        // Another language shows the same bytes otherwise and changes none.
        PickLanguage(kHindi);
        EXPECT_EQ(ShownIds(), Sorted({QString::fromStdString(ShowText(CCodePage(0), c.renamed)),
                                      QString::fromStdString(ShowText(CCodePage(0), c.second)),
                                      QString::fromStdString(ShowText(CCodePage(0), c.third)), "REF"}));
        EXPECT_EQ(window.View().List(kIdList)->SelectedId(), c.renamed);
        PickLanguage(c.language);
        EXPECT_EQ(ShownIds(), Sorted({c.renamedShown, c.secondShown, c.thirdShown, "REF"}));
        Run(kFileSave);
        EXPECT_EQ(files::ReadBytes(path), SaveHolidayBytes(document));
    }
}

}  // namespace
