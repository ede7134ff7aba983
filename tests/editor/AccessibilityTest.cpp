// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CodePage.h"
#include "editor/CAboutBox.h"
#include "editor/CHolidayIdDialog.h"
#include "editor/CPreviewView.h"
#include "resources/Templates.h"
#include "tests/editor/FileTestSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <cstdlib>

namespace {

bool IsInteractive(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const CPreviewView*>(widget) != nullptr;
}

// What a screen reader reads of every interactive control of the widget: a
// name that says what it is (not its value), and radio buttons as radio
// buttons.
void ExpectNamedControls(QWidget& top, const char* what) {
    top.show();
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        // The line edit inside an editable list belongs to the list.
        if (!IsInteractive(widget) || !widget->isVisibleTo(&top) ||
            qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
            continue;
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << what << ": " << widget->objectName().toStdString();
        // A list of lines reports its name as its value too.
        if (qobject_cast<CPreviewView*>(widget) == nullptr) {
            EXPECT_NE(name, accessible->text(QAccessible::Value)) << what << ": " << widget->objectName().toStdString();
        }
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            EXPECT_EQ(accessible->role(), QAccessible::RadioButton) << name.toStdString();
        }
    }
}

TEST(Accessibility, EveryControlOfTheWindowAndItsDialogsIsNamed) {
    CScriptedDialogs dialogs;
    CEditorWindow window(&dialogs);
    ExpectNamedControls(window, "main window");
    CHolidayIdDialog add(CHolidayIdDialog::Purpose::Add, "", CCodePage(1252));
    ExpectNamedControls(add, "Add Holiday");
    CHolidayIdDialog rename(CHolidayIdDialog::Purpose::Rename, "X", CCodePage(1252));
    ExpectNamedControls(rename, "Rename Holiday");
    CAboutBox about;
    ExpectNamedControls(about, "About");

    // A label that describes a control names it, and every control lies in
    // a group box, whose title is read with it.
    for (const CControlTemplate& control : MainDialogTemplate().controls) {
        if (control.describes != kNoControlId) {
            QWidget* described = window.View().Control(control.describes);
            EXPECT_EQ(QAccessible::queryAccessibleInterface(described)->text(QAccessible::Name),
                      QString::fromStdString(control.text).trimmed())
                << control.describes;
        }
        if (control.id != kNoControlId) {
            EXPECT_NE(qobject_cast<QGroupBox*>(window.View().Control(control.id)->parentWidget()), nullptr)
                << control.id;
        }
    }
}

// On a screen that holds it, the window has its designed size and no scroll
// bar; on a smaller one (TAVRIN_TEST_SCREEN, a run of its own) it fits the
// screen and scrolls.
TEST(WindowSize, FitsTheScreenAndScrollsWhenTheScreenIsSmaller) {
    CScriptedDialogs dialogs;
    CEditorWindow window(&dialogs);
    window.show();
    QApplication::processEvents();
    auto* scrollArea = window.findChild<QScrollArea*>();
    ASSERT_NE(scrollArea, nullptr);
    const QSize page = scrollArea->widget()->size();
    const bool small = std::getenv("TAVRIN_TEST_SCREEN") != nullptr;
    EXPECT_EQ(scrollArea->verticalScrollBar()->isVisible(), small);
    if (small) {
        EXPECT_LE(window.height(), window.screen()->availableGeometry().height());
    } else {
        EXPECT_EQ(scrollArea->viewport()->size(), page);
    }
}

// With a large font the date column of the preview still holds "28 Sep".
TEST(WindowSize, PreviewDateColumnFollowsTheFont) {
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSize(28);
    QApplication::setFont(large);
    {
        CScriptedDialogs dialogs;
        CEditorWindow window(&dialogs);
        auto* preview = window.View().Control<CPreviewView>(ids::kPreviewEdit);
        EXPECT_GT(preview->DateColumnWidth(), QFontMetricsF(large).horizontalAdvance(QStringLiteral("28 Sep ")));
    }
    QApplication::setFont(original);
}

}  // namespace
