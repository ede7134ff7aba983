// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/HolidayFile.h"
#include "resources/ControlIds.h"
#include "tests/editor/FileTestSupport.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/RandomDocument.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace ids;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A user who edits and runs every command at random, and a plain model of
// the document's history beside the window's: the document after each
// command of the undo stack. Every change of the document is a command, so
// the document changes only where the stack moves, and moving back and forth
// on it gives exactly the documents of that history.
class CRandomHistory : public files::FileWindowTest {
protected:
    void Start(unsigned seed) {
        random.seed(seed);
        path = PathIn(QStringLiteral("history%1.hol").arg(seed));
        files::WriteBytes(path, SaveHolidayBytes(CRandomDocument(seed).Make()));
        OpenFile(path);
        commands.clear();
        history.clear();
        trace.clear();
        Check();
    }

    Bytes Document() const { return SaveHolidayBytes(window.View().Document()); }
    const QUndoStack& Stack() const { return window.View().UndoStack(); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void Step() {
        const int choice = Between(0, 9);
        if (choice < 4) {
            EditAControl();
        } else if (choice < 8) {
            RunACommand();
        } else {
            // Undo and Redo store the form first, as a command of its own
            // when that changes the document.
            trace += choice == 8 ? "| undo " : "| redo ";
            Run(choice == 8 ? kEditUndo : kEditRedo);
        }
        Check();
    }

    // Takes the commands on the stack into the model (a new one's document
    // is known once the stack stands after it) and compares the document
    // with the model's at the stack's place.
    void Check() {
        const auto count = static_cast<std::size_t>(Stack().count());
        commands.resize(count + 1);
        history.resize(count + 1);
        for (std::size_t place = 1; place <= count; ++place) {
            const QUndoCommand* command = Stack().command(static_cast<int>(place) - 1);
            if (commands[place] != command) {
                commands[place] = command;
                history[place].clear();
            }
        }
        Bytes& expected = history[static_cast<std::size_t>(Stack().index())];
        if (expected.empty()) {
            expected = Document();
        }
        EXPECT_EQ(Document(), expected) << trace;
    }

    void EditAControl() {
        std::vector<QWidget*> enabled;
        for (int id : {kVersionEdit, kDisplayEdit, kReferenceOnlyCheck, kValidFromEdit, kIntervalEdit, kFixedDateRadio,
                       kFixedDayEdit, kFixedMonthList, kWeekdayOrdinalList, kFixedDaysRadio, kOffsetReferenceList,
                       kConditionList, kShiftToWeekdayRadio, kShiftCountEdit, kShiftTargetList}) {
            if (window.View().Control(id)->isEnabled()) {
                enabled.push_back(window.View().Control(id));
            }
        }
        QWidget* control = enabled[static_cast<std::size_t>(Between(0, static_cast<int>(enabled.size()) - 1))];
        trace += "| edit " + control->objectName().toStdString() + " ";
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            gui::Type(edit, QString::number(Between(0, 99)));
        } else if (auto* list = qobject_cast<CComboList*>(control)) {
            gui::Pick(list, Between(0, list->Count() - 1));
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            const QList<QAbstractButton*> group = radio->group()->buttons();
            gui::Click(group.at(Between(0, static_cast<int>(group.size()) - 1)));
        } else {
            gui::Click(qobject_cast<QAbstractButton*>(control));
        }
    }

    void RunACommand() {
        const std::string id = "ID" + std::to_string(Between(0, 99));
        const std::vector<std::pair<const char*, std::function<void()>>> userCommands = {
            {"add", [&] { gui::AddHoliday(window, dialogs, id); }},
            // An ID that goes while a twin in other letter case stays would
            // leave references that the form shows on the twin and stores in
            // its spelling: Save would then not give the document's bytes.
            {"rename",
             [&] {
                 dialogs.renamedIds.push_back(id);
                 if (!ShownIdHasCaseTwin()) {
                     Click(kRenameHoliday);
                 }
             }},
            {"delete holiday",
             [&] {
                 if (!ShownIdHasCaseTwin()) {
                     Confirmed(kDeleteHoliday);
                 }
             }},
            {"add ruleset", [&] { Click(kAddRuleset); }},
            {"delete ruleset", [&] { Confirmed(kDeleteRuleset); }},
            {"add shift rule", [&] { Click(kAddShiftRule); }},
            {"delete shift rule", [&] { Confirmed(kDeleteShiftRule); }},
            {"pick holiday", [&] { PickAny(kIdList); }},
            {"pick ruleset", [&] { PickAny(kRulesetList); }},
            {"pick shift rule", [&] { PickAny(kShiftRuleList); }},
            {"pick language", [&] { PickAny(kLanguageList); }},
            {"refresh", [&] { Click(kRefresh); }},
        };
        const auto& [name, command] = userCommands[static_cast<std::size_t>(Between(0, 11))];
        trace += std::string("| ") + name + " ";
        command();
        dialogs.errors.clear();  // an ID that exists already
        dialogs.renamedIds.clear();
        dialogs.okCancelAnswers.clear();
        gui::RunIdle(window);
    }

    bool ShownIdHasCaseTwin() const {
        const QString shown = QString::fromStdString(window.View().Selection().HolidayId());
        for (const CHoliday& holiday : window.View().Document().Holidays()) {
            const QString other = QString::fromStdString(holiday.id);
            if (other != shown && QString::compare(other, shown, Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
        return false;
    }

    void Click(int button) {
        if (window.View().Button(button)->isEnabled()) {
            gui::Click(window.View().Button(button));
        }
    }
    void Confirmed(int button) {
        dialogs.okCancelAnswers.push_back(true);
        Click(button);
    }
    void PickAny(int id) {
        CComboList* list = window.View().List(id);
        if (list->isEnabled() && list->Count() > 0) {
            gui::Pick(list, Between(0, list->Count() - 1));
        }
    }

    std::mt19937 random;
    QString path;
    // Per place of the undo stack (0: before the first command): the command
    // that leads there and the document after it (empty until seen).
    std::vector<const QUndoCommand*> commands;
    std::vector<Bytes> history;
    std::string trace;  // what was done, to reproduce a failure
};

TEST_F(CRandomHistory, UndoAndRedoFollowTheHistoryOfTheDocument) {
    for (unsigned seed = 1; seed <= 25 && !HasFailure(); ++seed) {
        Start(seed);
        for (int step = 0; step < 60 && !HasFailure(); ++step) {
            Step();
        }
        // Back to the start, Save writes the file as it was opened; forward
        // to the end, the document of the last command.
        Click(kRefresh);  // the form's last edits
        Check();
        for (int command : {kEditRedo, kEditUndo, kEditRedo}) {
            for (int moves = 0; window.View().MenuAction(command)->isEnabled(); ++moves) {
                ASSERT_LT(moves, 1000) << "Undo or Redo never reaches the end: each stores the form anew";
                Run(command);
                Check();
            }
            Run(kFileSave);
            EXPECT_EQ(files::ReadBytes(path), command == kEditUndo ? history.front() : history.back())
                << "seed " << seed << trace;
        }
        EXPECT_TRUE(dialogs.errors.isEmpty());
    }
}

using UndoTest = files::FileWindowTest;

// The Edit menu names the command; Undo gives back the document, the
// selection and the form, and New starts an empty history.
TEST_F(UndoTest, EditMenuNamesTheCommandAndUndoGivesBackTheSelectionAndForm) {
    OpenExampleCopy("germany.hol");
    gui::Pick(window.View().List(kIdList), "NEUJAHR");
    gui::Type(window.View().Edit(kDisplayEdit), "New Year");
    const files::EditorSnapshot before = files::Snapshot(window);
    dialogs.okCancelAnswers.push_back(true);
    gui::Click(window.View().Button(kDeleteHoliday));
    EXPECT_EQ(window.View().MenuAction(kEditUndo)->text(), "Undo Delete Holiday NEUJAHR");
    Run(kEditUndo);
    EXPECT_EQ(window.View().MenuAction(kEditRedo)->text(), "Redo Delete Holiday NEUJAHR");
    files::EditorSnapshot after = files::Snapshot(window);
    EXPECT_EQ(after.display, "Neujahr");  // the store was part of the command
    after.display = before.display;
    after.document = before.document;
    files::ExpectSameEditor(before, after);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 18);
    dialogs.yesNoCancelAnswers.push_back(IEditorDialogs::Answer::No);
    Run(kFileNew);
    EXPECT_FALSE(window.View().UndoStack().canUndo());
    EXPECT_FALSE(window.View().UndoStack().canRedo());
}

// Ctrl+Z in a line edit undoes its typing while it has some; then it
// reaches the Edit menu.
TEST_F(UndoTest, CtrlZUndoesTypingFirstThenTheLastCommand) {
    gui::AddHoliday(window, dialogs, "X");
    QLineEdit* display = window.View().Edit(kDisplayEdit);
    display->setFocus();
    gui::TypeMore(display, "ab");
    QTest::keyClick(display, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(display->text(), "");
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 1);
    QTest::keyClick(display, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 0);
    QTest::keyClick(display, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.View().Document().GetHolidayCount(), 1);
}

// Duplicate Holiday adds a copy under the new ID with all its rules, shown
// at once, as one command that Undo takes back whole.
TEST_F(UndoTest, DuplicateHolidayCopiesTheHolidayAsOneCommand) {
    const QString path = OpenExampleCopy("germany.hol");
    gui::Pick(window.View().List(kIdList), "OSTERMONTAG");
    gui::Type(window.View().Edit(kDisplayEdit), "Easter Monday");
    dialogs.duplicateIds.push_back("PFINGSTMONTAG2");
    Run(kEditDuplicateHoliday);
    EXPECT_EQ(window.View().Selection().HolidayId(), "PFINGSTMONTAG2");
    CHoliday expected = gui::HolidayById(window, "OSTERMONTAG");
    EXPECT_EQ(expected.display, "Easter Monday");  // stored first
    expected.id = "PFINGSTMONTAG2";
    EXPECT_EQ(gui::HolidayById(window, "PFINGSTMONTAG2"), expected);
    EXPECT_EQ(window.View().MenuAction(kEditUndo)->text(), "Undo Duplicate Holiday OSTERMONTAG as PFINGSTMONTAG2");
    Run(kEditUndo);
    EXPECT_EQ(SaveHolidayBytes(window.View().Document()), files::ReadBytes(path));
}

}  // namespace
