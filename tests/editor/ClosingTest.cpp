// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

using namespace ids;

namespace {

const QString kSaveQuestion = "Do you want to save your work?";

// The ways a user closes the window.
struct CloseRoute {
    const char* name;
    std::function<void(CEditorWindow&)> close;
};

const std::vector<CloseRoute>& CloseRoutes() {
    static const std::vector<CloseRoute> routes = {
        {"Esc", [](CEditorWindow& window) { gui::PressKey(&window, Qt::Key_Escape); }},
        {"close box", [](CEditorWindow& window) { window.close(); }},
        {"File > Exit", [](CEditorWindow& window) { window.View().MenuAction(kFileExit)->trigger(); }},
    };
    return routes;
}

// Runs the window modally, closes it through the route once the loop runs,
// and reports whether the modal run ended.
bool RunAndClose(CEditorWindow& window, const CloseRoute& route) {
    bool ended = false;
    QTimer::singleShot(0, &window, [&] {
        route.close(window);
        if (window.isVisible()) {
            window.done(QDialog::Accepted);  // still open: end the run for the test
        } else {
            ended = true;
        }
    });
    window.exec();
    return ended;
}

}  // namespace

TEST_F(EditorWindowTest, ClosingAnEmptyDocumentNeverAsks) {
    for (const CloseRoute& route : CloseRoutes()) {
        EXPECT_TRUE(RunAndClose(window, route)) << route.name;
        EXPECT_EQ(window.result(), QDialog::Rejected) << route.name;
    }
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(EditorWindowTest, ClosingWithAHolidayAsksAndCancelKeepsTheWindowOpen) {
    gui::AddHoliday(window, dialogs, "Xmas");
    ASSERT_EQ(window.View().Document().GetHolidayCount(), 1);
    for (const CloseRoute& route : CloseRoutes()) {
        dialogs.questions.clear();
        dialogs.yesNoCancelAnswers = {IEditorDialogs::Answer::Cancel};
        EXPECT_FALSE(RunAndClose(window, route)) << route.name;
        EXPECT_EQ(dialogs.questions, QStringList({kSaveQuestion})) << route.name;
        EXPECT_EQ(window.View().Document().GetHolidayCount(), 1) << route.name;
    }
}

TEST_F(EditorWindowTest, ClosingWithAHolidayAndAnsweringNoEndsTheWindow) {
    gui::AddHoliday(window, dialogs, "Xmas");
    for (const CloseRoute& route : CloseRoutes()) {
        dialogs.questions.clear();
        dialogs.yesNoCancelAnswers = {IEditorDialogs::Answer::No};
        EXPECT_TRUE(RunAndClose(window, route)) << route.name;
        EXPECT_EQ(dialogs.questions, QStringList({kSaveQuestion})) << route.name;
    }
    EXPECT_TRUE(dialogs.savePaths.isEmpty());
}

TEST_F(EditorWindowTest, EnterNeverClosesTheWindowNorChangesAnything) {
    gui::AddHoliday(window, dialogs, "Xmas");
    bool stillOpen = false;
    QTimer::singleShot(0, &window, [&] {
        for (int id : {kLanguageList, kVersionEdit, kIdList, kAddHoliday, kDisplayEdit, kYearList, kRefresh}) {
            window.View().Control(id)->setFocus();
            gui::PressKey(window.View().Control(id), Qt::Key_Return);
            gui::PressKey(window.View().Control(id), Qt::Key_Enter);
        }
        stillOpen = window.isVisible();
        window.done(QDialog::Accepted);
    });
    window.exec();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 1);
    EXPECT_EQ(dialogs.newIdRequests, 1);  // Enter on the Add button did not press it
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(EditorWindowTest, AboutBoxOpensFromTheHelpMenuAndF1AsOftenAsAsked) {
    QAction* about = window.View().MenuAction(kAboutBox);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), "&About Tavrin...");
    about->trigger();
    about->trigger();
    EXPECT_EQ(dialogs.aboutBoxes, 2);

    window.show();
    QApplication::setActiveWindow(&window);
    gui::PressKey(&window, Qt::Key_F1);
    EXPECT_EQ(dialogs.aboutBoxes, 3);
    window.hide();
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
}

// The File menu's items with the desktop's shortcuts; Quit goes through the
// same closing question as the close box.
TEST_F(EditorWindowTest, FileMenuHoldsItsItemsInOrderWithTheStandardShortcuts) {
    QStringList texts;
    QList<QKeySequence> shortcuts;
    for (int command : {kFileNew, kFileOpen, kFileRecent, kFileSave, kFileSaveAs, kFileExit}) {
        ASSERT_NE(window.View().MenuAction(command), nullptr) << command;
        texts << window.View().MenuAction(command)->text();
        shortcuts << window.View().MenuAction(command)->shortcut();
    }
    EXPECT_EQ(texts, QStringList({"&New", "&Open...", "Open &Recent", "&Save", "Save &as...", "E&xit"}));
    EXPECT_EQ(shortcuts, QList<QKeySequence>(
                             {QKeySequence(QStringLiteral("Ctrl+N")), QKeySequence(QStringLiteral("Ctrl+O")),
                              QKeySequence(), QKeySequence(QStringLiteral("Ctrl+S")),
                              QKeySequence(QStringLiteral("Ctrl+Shift+S")), QKeySequence(QStringLiteral("Ctrl+Q"))}));

    gui::AddHoliday(window, dialogs, "X");
    window.show();
    QApplication::setActiveWindow(&window);
    dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::Cancel);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(dialogs.questions, QStringList{"Do you want to save your work?"});
    EXPECT_TRUE(window.isVisible());
}
