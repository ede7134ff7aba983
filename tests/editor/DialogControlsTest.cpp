// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"
#include "editor/CDialogControls.h"
#include "editor/CPreviewView.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"
#include "tests/editor/support/EditorDriver.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QDialog>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <set>
#include <string>

TEST(DialogUnits, AreAQuarterOfTheAverageWidthAndAnEighthOfTheHeight) {
    const QFont font;
    const CDialogUnits units(font);
    const QFontMetrics metrics(font);
    EXPECT_NEAR(units.X(400),
                100 * metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52, 100);
    EXPECT_EQ(units.Y(800), 100 * metrics.height());
    EXPECT_EQ(units.X(0), 0);
}

TEST(DialogControls, BuildsEveryControlOfTheMainWindowReachableById) {
    QDialog dialog;
    CDialogControls controls;
    controls.Build(dialog, MainDialogTemplate());
    std::set<int> seen;
    for (const CControlTemplate& control : MainDialogTemplate().controls) {
        if (control.id == kNoControlId) {
            continue;
        }
        EXPECT_TRUE(seen.insert(control.id).second) << "duplicate id " << control.id;
        QWidget* widget = controls.Widget(control.id);
        ASSERT_NE(widget, nullptr) << control.id;
        // Directly or through the group box it lies in.
        EXPECT_TRUE(widget->parentWidget() == &dialog || widget->parentWidget()->parentWidget() == &dialog)
            << control.id;
    }
    EXPECT_EQ(controls.All().size(), MainDialogTemplate().controls.size());
    EXPECT_EQ(controls.Widget(4242), nullptr);
}

TEST(DialogControls, GivesEachKindItsWidgetAndStyle) {
    QDialog dialog;
    CDialogControls controls;
    controls.Build(dialog, MainDialogTemplate());
    EXPECT_TRUE(controls.Get<CComboList>(ids::kIdList)->IsSorted());
    EXPECT_FALSE(controls.Get<CComboList>(ids::kConditionList)->IsSorted());
    EXPECT_TRUE(controls.Get<CComboList>(ids::kWeekdayOrdinalList)->isEditable());
    EXPECT_FALSE(controls.Get<CComboList>(ids::kYearList)->isEditable());
    EXPECT_NE(controls.Get<CPreviewView>(ids::kPreviewEdit), nullptr);
    for (int id : {ids::kAddHoliday, ids::kRefresh, ids::kDeleteShiftRule}) {
        EXPECT_FALSE(controls.Get<QPushButton>(id)->isDefault()) << id;
        EXPECT_FALSE(controls.Get<QPushButton>(id)->autoDefault()) << id;
    }
}

TEST(DialogControls, DigitsOnlyEditsRefuseOtherCharacters) {
    QDialog dialog;
    CDialogControls controls;
    controls.Build(dialog, MainDialogTemplate());
    for (int id :
         {ids::kVersionEdit, ids::kFixedDayEdit, ids::kOffsetDaysEdit, ids::kWeekdayCountEdit, ids::kShiftCountEdit}) {
        const QValidator* validator = controls.Get<QLineEdit>(id)->validator();
        ASSERT_NE(validator, nullptr) << id;
        for (QString input : {QString("12a"), QString("-1"), QString(" 1")}) {
            int position = 0;
            EXPECT_EQ(validator->validate(input, position), QValidator::Invalid) << id;
        }
        QString digits = "0123";
        int position = 0;
        EXPECT_EQ(validator->validate(digits, position), QValidator::Acceptable) << id;
    }
    for (int id : {ids::kValidFromEdit, ids::kValidToEdit, ids::kIntervalEdit}) {
        EXPECT_EQ(controls.Get<QLineEdit>(id)->validator(), nullptr) << id;
    }
}

TEST(DialogControls, RadioButtonsFormAGroupFromEachGroupStart) {
    QDialog dialog;
    CDialogControls controls;
    controls.Build(dialog, MainDialogTemplate());
    const auto& groups = controls.RadioGroups();
    ASSERT_EQ(groups.size(), 3U);
    const auto members = [](const QButtonGroup* group) {
        std::set<int> result;
        for (const QAbstractButton* button : group->buttons()) {
            result.insert(group->id(const_cast<QAbstractButton*>(button)));
        }
        return result;
    };
    EXPECT_EQ(members(groups[0]),
              std::set<int>({ids::kFixedDateRadio, ids::kWeekdayOfMonthRadio, ids::kRelativeDateRadio}));
    EXPECT_EQ(members(groups[1]), std::set<int>({ids::kFixedDaysRadio, ids::kRelativeWeekdayRadio}));
    EXPECT_EQ(members(groups[2]),
              std::set<int>({ids::kShiftToWeekdayRadio, ids::kShiftToHolidayRadio, ids::kDropRadio}));
    // Checking a button of one group leaves the other groups alone.
    controls.Get<QRadioButton>(ids::kRelativeDateRadio)->click();
    controls.Get<QRadioButton>(ids::kFixedDaysRadio)->click();
    controls.Get<QRadioButton>(ids::kFixedDateRadio)->click();
    EXPECT_TRUE(controls.Get<QRadioButton>(ids::kFixedDaysRadio)->isChecked());
    EXPECT_FALSE(controls.Get<QRadioButton>(ids::kRelativeDateRadio)->isChecked());
}

TEST(DialogControls, TabOrderFollowsTheTable) {
    QDialog dialog;
    CDialogControls controls;
    controls.Build(dialog, AddHolidayDialogTemplate());
    QWidget* edit = controls.Widget(ids::kHolidayIdEdit);
    EXPECT_EQ(edit->nextInFocusChain(), controls.Widget(ids::kOk));
    EXPECT_EQ(controls.Widget(ids::kOk)->nextInFocusChain(), controls.Widget(ids::kCancel));
}

TEST(DialogControls, EveryCaptionFitsItsControlWhateverTheFont) {
    for (const CDialogTemplate* dialogTemplate :
         {&MainDialogTemplate(), &AboutDialogTemplate(), &AddHolidayDialogTemplate(), &RenameHolidayDialogTemplate()}) {
        for (const int pointSize : {8, 11, 16}) {
            QDialog dialog;
            QFont font = dialog.font();
            font.setPointSize(pointSize);
            dialog.setFont(font);
            CDialogControls controls;
            controls.Build(dialog, *dialogTemplate);
            for (QWidget* widget : controls.All()) {
                int needed = 0;
                if (auto* button = qobject_cast<QPushButton*>(widget)) {
                    needed = button->fontMetrics().horizontalAdvance(button->text()) + 4;
                } else if (widget->inherits("QLabel") || widget->inherits("QAbstractButton")) {
                    needed = widget->sizeHint().width();
                }
                EXPECT_LE(needed, widget->width())
                    << dialogTemplate->caption << ", " << pointSize << " pt, " << widget->objectName().toStdString();
            }
        }
    }
}

// A drop-down opens below its field (overlapping its last pixel row); the
// table gives the height of the field with its list open. A list whose items
// need more room scrolls with a vertical scroll bar; one whose items fit
// shows them all.
TEST_F(EditorWindowTest, DropDownListsOpenAsScrollingListsOfTheTablesHeight) {
    for (int i = 0; i < 30; ++i) {
        gui::AddHoliday(window, dialogs, "Holiday " + std::to_string(i));
    }
    window.move(0, 0);
    window.show();
    const CDialogUnits units(window.font());
    const struct {
        int id;
        bool itemsFit;
    } cases[] = {
        {ids::kYearList, false},           {ids::kLanguageList, false},      {ids::kIdList, false},
        {ids::kOffsetDirectionList, true}, {ids::kWeekdayOrdinalList, true},  // with an edit field
    };
    for (const auto& c : cases) {
        const auto& table = MainDialogTemplate().controls;
        const auto control = std::find_if(table.begin(), table.end(), [&](const auto& t) { return t.id == c.id; });
        CComboList* list = window.View().List(c.id);
        list->showPopup();
        const QAbstractItemView* view = list->view();
        const QWidget* popup = view->window();
        ASSERT_TRUE(popup->isVisible()) << c.id;
        const int openHeight = popup->geometry().bottom() + 1 - list->mapToGlobal(QPoint(0, 0)).y();
        EXPECT_NEAR(popup->geometry().top(), list->mapToGlobal(QPoint(0, list->height())).y(), 1) << c.id;
        EXPECT_EQ(view->verticalScrollBar()->isVisible(), !c.itemsFit) << c.id;
        if (c.itemsFit) {
            EXPECT_LE(openHeight, units.Y(control->height)) << c.id;
            EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(list->Count() - 1, 0))))
                << c.id;
        } else {
            EXPECT_NEAR(openHeight, units.Y(control->height), 2) << c.id;
        }
        list->hidePopup();
    }
}
