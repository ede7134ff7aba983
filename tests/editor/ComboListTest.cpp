// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"

#include "core/CodePage.h"
#include "core/ShownText.h"
#include "editor/CShownIds.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>

#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

QStringList Items(const CComboList& list) {
    QStringList items;
    for (int position = 0; position < list.Count(); ++position) {
        items << list.Text(position);
    }
    return items;
}

}  // namespace

// The alphabetical order of the user's regional format (US English in the
// GUI tests), ignoring case; character codes would put Ä and É after Z.
TEST(ComboList, SortedListInsertsAtTheAlphabeticalPlaceIgnoringCaseAndReportsIt) {
    struct Case {
        QStringList added;
        QStringList expected;
        std::vector<int> positions;
    };
    const std::vector<Case> cases = {
        {{"b", "a", "c"}, {"a", "b", "c"}, {0, 0, 2}},
        {{"Xmas", "apple", "Easter"}, {"apple", "Easter", "Xmas"}, {0, 0, 1}},
        {{"XMAS", "xmas", "Xmas"}, {"XMAS", "xmas", "Xmas"}, {0, 1, 2}},  // equal ignoring case: insertion order
        {{"Zoo", "\u00C4rger", "\u00C9mile", "Emil", "\u00F6l"},
         {"\u00C4rger", "Emil", "\u00C9mile", "\u00F6l", "Zoo"},
         {0, 0, 1, 1, 3}},
        {{"EASTER_REF", "ORTHODOX_EASTER_REF", "ADVENT_REF"},
         {"ADVENT_REF", "EASTER_REF", "ORTHODOX_EASTER_REF"},
         {0, 1, 0}},
    };
    for (const Case& c : cases) {
        CComboList list(true);
        std::vector<int> positions;
        for (const QString& text : c.added) {
            positions.push_back(list.AddItem(text));
        }
        EXPECT_EQ(Items(list), c.expected) << c.added.join(',').toStdString();
        EXPECT_EQ(positions, c.positions) << c.added.join(',').toStdString();
    }
}

TEST(ComboList, UnsortedListKeepsInsertionOrder) {
    CComboList list(false);
    for (const char* text : {"Monday", "EASTER_REF", "Apple"}) {
        list.AddItem(text);
    }
    EXPECT_EQ(Items(list), QStringList({"Monday", "EASTER_REF", "Apple"}));
}

TEST(ComboList, AddingItemsNeitherCreatesNorMovesASelection) {
    CComboList list(true);
    list.AddItem("m");
    EXPECT_EQ(list.Selection(), -1);
    list.Select(0);
    list.AddItem("a");  // before the selected item
    EXPECT_EQ(list.SelectedText(), "m");
    EXPECT_EQ(list.Selection(), 1);
}

TEST(ComboList, SelectingOutsideTheItemsLeavesNoSelection) {
    CComboList list(false);
    list.AddItem("a");
    list.AddItem("b");
    for (int position : {-1, 2, 99}) {
        list.Select(1);
        list.Select(position);
        EXPECT_EQ(list.Selection(), -1) << position;
        EXPECT_EQ(list.SelectedText(), "") << position;
    }
}

TEST(ComboList, FindTextStartsAfterThePositionAndWraps) {
    CComboList list(false);
    for (const char* text : {"Xmas", "Easter", "XMAS", "xmas"}) {
        list.AddItem(text);
    }
    struct Case {
        QString text;
        int after;
        Qt::CaseSensitivity cs;
        int expected;
    };
    const std::vector<Case> cases = {
        {"xmas", -1, Qt::CaseInsensitive, 0},   {"xmas", 0, Qt::CaseInsensitive, 2},
        {"xmas", 3, Qt::CaseInsensitive, 0},                                        // wraps to the start
        {"xmas", -1, Qt::CaseSensitive, 3},     {"XMAS", 2, Qt::CaseSensitive, 2},  // the start itself comes last
        {"Xma", -1, Qt::CaseInsensitive, -1},                                       // whole texts only
        {"Easter", 99, Qt::CaseInsensitive, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.FindText(c.text, c.after, c.cs), c.expected) << c.text.toStdString() << " after " << c.after;
    }
}

TEST(ComboList, IdItemsKeepTheirExactBytes) {
    CComboList list(true);
    const std::vector<std::string> idList = {"Xmas", "XMAS", std::string("Caf\xE9", 4), std::string("a\0b", 3)};
    for (const std::string& id : idList) {
        list.AddId(id, CCodePage(0));
    }
    for (const std::string& id : idList) {
        const int position = list.FindId(id);
        ASSERT_NE(position, -1);
        EXPECT_EQ(list.Id(position), id);
    }
    // Not valid UTF-8: shown with an escape, stored unchanged.
    EXPECT_EQ(list.Text(list.FindId(std::string("Caf\xE9", 4))), "Caf\\xE9");
    EXPECT_EQ(list.FindId("xmas"), -1);
    EXPECT_EQ(list.Id(-1), "");
}

TEST(ComboList, IdsShownInAnotherCodePageAreSortedAgainAndKeepTheSelection) {
    CComboList list(true);
    list.AddId("z", CCodePage(1251));
    list.Select(list.AddId("\xC0", CCodePage(1251)));
    EXPECT_EQ(Items(list), QStringList({"z", "\u0410"}));  // Cyrillic А after the Latin letters
    list.ShowIdsIn(CCodePage(0));
    EXPECT_EQ(Items(list), QStringList({"\\xC0", "z"}));
    EXPECT_EQ(list.SelectedId(), "\xC0");
}

// Shown in another code page, a sorted list holds what adding its IDs one by
// one, in its order, in that code page gives: equal texts keep their order,
// whether their text changed or not.
TEST(ComboList, IdsShownAgainAreWhatAddingThemInListOrderGives) {
    std::mt19937 random(7);
    const char letters[] = {'a', 'A', 'b', '\xC0', '\xE0', '\xC1', 'z'};
    const auto ids = [](const CComboList& list) {
        std::vector<std::string> all;
        for (int i = 0; i < list.Count(); ++i) {
            all.push_back(list.Id(i));
        }
        return all;
    };
    for (int round = 0; round < 50; ++round) {
        CComboList list(true);
        for (int i = 0; i < 30; ++i) {
            std::string id;
            for (auto length = 1 + random() % 3; length > 0; --length) {
                id += letters[random() % std::size(letters)];
            }
            list.AddId(id, CCodePage(1252));
        }
        CComboList expected(true);
        for (const std::string& id : ids(list)) {
            expected.AddId(id, CCodePage(1251));
        }
        CShownIds shown(CCodePage(1251), CCodePage(1252));
        list.ShowIdsIn(shown);
        ASSERT_EQ(Items(list), Items(expected)) << "round " << round;
        ASSERT_EQ(ids(list), ids(expected)) << "round " << round;
    }
}

// A batch shows every ID as ShowText does, in every code page, also where
// it skips the conversion of plain ASCII.
TEST(ComboList, ShownIdsReadAsShowTextShowsThem) {
    const std::vector<std::string> idList = {"NEUJAHR", "a\\x41", "\\", "Tab\there", "~}", "caf\xE9", "\x81\x40"};
    for (const int codePage : {0, 874, 932, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258}) {
        const CShownIds batch(idList, CCodePage(codePage));
        for (std::size_t i = 0; i < idList.size(); ++i) {
            EXPECT_EQ(batch.InsertionOrder()[i].text.toStdString(), ShowText(CCodePage(codePage), idList[i]))
                << codePage << " " << idList[i];
        }
    }
}

TEST(ComboList, RemovingOutsideTheItemsDoesNothing) {
    CComboList list(false);
    list.AddItem("a");
    list.RemoveItem(-1);
    list.RemoveItem(1);
    EXPECT_EQ(list.Count(), 1);
    list.RemoveItem(0);
    EXPECT_EQ(list.Count(), 0);
}

// Filling a list in one go must give what adding the items one by one gives:
// the same order (equal texts in insertion order, after the items already
// there), the selection kept, and the position of the last ID added.
TEST(ComboList, AddingInBulkGivesTheListOfAddingOneByOne) {
    const std::vector<std::string> present = {"m", "Xmas", "A"};
    const std::vector<std::string> added = {"xmas", "b", "M", "XMAS", "a", std::string("\xC0", 1)};
    const CCodePage codePage(1252);
    for (const bool sorted : {true, false}) {
        CComboList oneByOne(sorted);
        CComboList bulk(sorted);
        for (CComboList* list : {&oneByOne, &bulk}) {
            for (const std::string& id : present) {
                list->AddId(id, codePage);
            }
            list->Select(1);
        }
        int last = -1;
        for (const std::string& id : added) {
            last = oneByOne.AddId(id, codePage);
        }
        EXPECT_EQ(bulk.AddIds(CShownIds(added, codePage)), last) << sorted;
        EXPECT_EQ(Items(bulk), Items(oneByOne)) << sorted;
        EXPECT_EQ(bulk.SelectedId(), oneByOne.SelectedId()) << sorted;
        for (int position = 0; position < bulk.Count(); ++position) {
            EXPECT_EQ(bulk.Id(position), oneByOne.Id(position)) << sorted << " at " << position;
        }
    }
}

// A field too narrow for its selected text shows the whole text as a
// tooltip, and its open list is wide enough for every item, so that
// "Azerbaijani (Cyrillic, Azerbaijan)" and "Azerbaijani (Latin, Azerbaijan)"
// no longer look alike, also after an ID is added; the field keeps its size.
TEST_F(EditorWindowTest, ListsCutByTheirWidthShowTheWholeText) {
    const QString longId = "HEILIGE_DREI_KOENIGE_UND_ALLE_ANDEREN";
    gui::AddHoliday(window, dialogs, longId.toStdString());
    gui::AddHoliday(window, dialogs, "X");
    const auto expectOpenListWideEnough = [](CComboList* list, const QString& selected) {
        const QSize size = list->size();
        list->showPopup();
        EXPECT_GE(list->view()->viewport()->width(), list->view()->sizeHintForColumn(0)) << selected.toStdString();
        list->hidePopup();
        EXPECT_EQ(list->size(), size) << selected.toStdString();
    };
    const struct {
        int list;
        QString selected;
        bool cut;
    } cases[] = {
        {ids::kIdList, longId, true},
        {ids::kIdList, "X", false},
        {ids::kOffsetReferenceList, longId, true},
        {ids::kLanguageList, "Azerbaijani (Cyrillic, Azerbaijan)", true},
        {ids::kLanguageList, "German (Germany)", false},
    };
    for (const auto& c : cases) {
        CComboList* list = window.View().List(c.list);
        list->Select(list->FindText(c.selected, -1, Qt::CaseSensitive));
        ASSERT_EQ(list->SelectedText(), c.selected);
        const QPoint middle = list->rect().center();
        QHelpEvent hover(QEvent::ToolTip, middle, list->mapToGlobal(middle));
        QCoreApplication::sendEvent(list, &hover);
        EXPECT_EQ(hover.isAccepted(), c.cut) << c.selected.toStdString();
        if (c.cut) {
            EXPECT_EQ(QToolTip::text(), c.selected);
        }
        expectOpenListWideEnough(list, c.selected);
    }
    gui::AddHoliday(window, dialogs, longId.toStdString() + "_UND_NOCH_MEHR");
    expectOpenListWideEnough(window.View().List(ids::kIdList), "after adding");
}
