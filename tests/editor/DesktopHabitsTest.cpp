// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/EditorSettings.h"
#include "resources/ControlIds.h"
#include "tests/editor/FileTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

using namespace ids;
using Answer = IEditorDialogs::Answer;

namespace {

class DesktopHabitsTest : public files::FileWindowTest {
protected:
    QStringList RecentTexts() const {
        QStringList texts;
        for (const QAction* action : window.View().MenuAction(kFileRecent)->menu()->actions()) {
            texts << action->text();
        }
        return texts;
    }

    // Drops the files on the window as a file manager does.
    void Drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << QUrl::fromLocalFile(path);
        }
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &drop);
    }
};

// The last eight files opened or saved, newest first; one that is gone is
// removed with a message. The list outlives the window (settings).
TEST_F(DesktopHabitsTest, OpenRecentHoldsTheLastEightFiles) {
    EditorSettings().clear();  // what other tests of this run opened
    for (int i = 1; i <= 9; ++i) {
        const QString path = PathIn(QStringLiteral("f%1.hol").arg(i));
        files::WriteBytes(path, files::ReadBytes(files::ExamplePath("usa.hol")));
        OpenFile(path);
    }
    CScriptedDialogs otherDialogs;
    const CEditorWindow other(&otherDialogs);
    const QStringList texts = RecentTexts();
    ASSERT_EQ(texts.size(), 8);
    EXPECT_EQ(texts.front(), "&1 " + PathIn("f9.hol"));
    EXPECT_EQ(texts.back(), "&8 " + PathIn("f2.hol"));
    EXPECT_EQ(other.View().MenuAction(kFileRecent)->menu()->actions().size(), 8);

    // The second newest: the save question first, then the file.
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    window.View().MenuAction(kFileRecent)->menu()->actions().at(1)->trigger();
    EXPECT_EQ(window.View().FilePath(), PathIn("f8.hol"));
    EXPECT_EQ(RecentTexts().front(), "&1 " + PathIn("f8.hol"));

    QFile::remove(PathIn("f9.hol"));
    window.View().MenuAction(kFileRecent)->menu()->actions().at(1)->trigger();
    EXPECT_EQ(dialogs.errors, QStringList{"The file \"" + PathIn("f9.hol") +
                                          "\" no longer exists. It is removed from the recent files."});
    EXPECT_EQ(RecentTexts().size(), 7);
    EXPECT_EQ(window.View().FilePath(), PathIn("f8.hol"));
    EXPECT_TRUE(dialogs.AllAnswersUsed());
}

// A dropped .hol file opens through the Open command, with its question;
// other files are refused.
TEST_F(DesktopHabitsTest, DroppedHolidayFileOpensAsFileOpenDoes) {
    const QString usa = PathIn("usa.hol");
    ASSERT_TRUE(QFile::copy(files::ExamplePath("usa.hol"), usa));
    gui::AddHoliday(window, dialogs, "X");
    Drop({PathIn("notes.txt")});
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 1);
    dialogs.yesNoCancelAnswers.push_back(Answer::No);
    Drop({PathIn("notes.txt"), usa});
    EXPECT_EQ(dialogs.questions, QStringList{"Do you want to save your work?"});
    EXPECT_EQ(window.View().FilePath(), usa);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 11);
}

// Edit > Find Holiday selects the next holiday whose ID or display text
// contains the text, ignoring case, going round; Find Next goes on.
TEST_F(DesktopHabitsTest, FindHolidaySelectsEachMatchInTurn) {
    OpenExampleCopy("germany.hol");
    dialogs.findTexts.push_back(QStringLiteral("weihnacht"));
    Run(kEditFind);
    QStringList found{QString::fromStdString(window.View().Selection().HolidayId())};
    for (int i = 0; i < 2; ++i) {
        Run(kEditFindNext);
        found << QString::fromStdString(window.View().Selection().HolidayId());
    }
    EXPECT_EQ(found, QStringList({"WEIHNACHTSTAG_1", "WEIHNACHTSTAG_2", "WEIHNACHTSTAG_1"}));
    dialogs.findTexts.push_back(QStringLiteral("bettag"));  // the display text "Buß- und Bettag"
    Run(kEditFind);
    EXPECT_EQ(window.View().Selection().HolidayId(), "BUSS_UND_BETTAG");
    dialogs.findTexts.push_back(QStringLiteral("Ostern"));
    Run(kEditFind);
    EXPECT_EQ(dialogs.informations, QStringList{"No holiday's ID or display text contains \"Ostern\"."});
}

TEST_F(DesktopHabitsTest, AddHolidayPutsTheFocusOnTheDisplayText) {
    QApplication::setActiveWindow(&window);
    gui::AddHoliday(window, dialogs, "X");
    EXPECT_EQ(QApplication::focusWidget(), window.View().Control(kDisplayEdit));
}

}  // namespace
