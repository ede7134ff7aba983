// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CHolidayIdDialog.h"
#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"
#include "tests/support/FileFaults.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

using namespace ids;

namespace {

QStringList LabelTexts(QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            texts << label->text();
        }
    }
    return texts;
}

QPushButton* ButtonWithText(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text) {
            return button;
        }
    }
    return nullptr;
}

// Adds a holiday through the real Add Holiday dialog.
void AddThroughDialog(CEditorWindow& window, const QString& id) {
    const gui::CNextModal addDialog(
        [&](QWidget* dialog) {
            gui::Type(qobject_cast<CHolidayIdDialog*>(dialog)->IdEdit(), id);
            gui::Click(ButtonWithText(dialog, "OK"));
        },
        "CHolidayIdDialog");
    gui::Click(window.View().Button(kAddHoliday));
    gui::RunIdle(window);
}

// The names a file dialog lists once it has read its folder, sorted.
QStringList ListedFiles(QFileDialog* dialog, int expectedCount) {
    const auto* view = dialog->findChild<QListView*>("listView");
    const auto listed = [view] {
        QStringList names;
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
            names << view->model()->index(row, 0, view->rootIndex()).data().toString();
        }
        names.sort();
        return names;
    };
    static_cast<void>(QTest::qWaitFor([&] { return listed().size() == expectedCount; }));
    return listed();
}

// Chooses a file type the way a user does, in the dialog's list of types.
void ChooseFileType(QFileDialog* dialog, const QString& type) {
    auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    types->setFocus();
    while (types->currentText() != type && types->currentIndex() + 1 < types->count()) {
        gui::PressKey(types, Qt::Key_Down);
    }
    EXPECT_EQ(types->currentText(), type);
}

QStringList FileTypes(QFileDialog* dialog) {
    const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
    QStringList texts;
    for (int index = 0; index < types->count(); ++index) {
        texts << types->itemText(index);
    }
    return texts;
}

QLineEdit* FileNameEdit(QFileDialog* dialog) {
    return dialog->findChild<QLineEdit*>("fileNameEdit");
}

// Types a file name over the one shown, as a user does.
void TypeName(QFileDialog* dialog, const QString& name) {
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    QLineEdit* edit = FileNameEdit(dialog);
    edit->setFocus();
    edit->selectAll();
    gui::TypeMore(edit, name);
}

}  // namespace

// The file dialogs of Open and Save as: they start at the current file, offer
// holiday files first and all files second, and the save dialog adds the
// ending "hol" and replaces a file without asking.
TEST(RealDialogs, FileDialogsOfferHolidayFilesAndEveryFile) {
    const CHangGuard guard(60);  // an unexpected question would wait for a person
    QTemporaryDir folder;
    for (const char* name : {"a.hol", "b.txt", "README"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    CQtEditorDialogs dialogs(nullptr);
    const QStringList kTypes = {"Holiday Files (*.hol)", "All Files (*.*)"};
    {
        const gui::CNextModal openDialog(
            [&](QWidget* shown) {
                auto* dialog = qobject_cast<QFileDialog*>(shown);
                EXPECT_EQ(FileTypes(dialog), kTypes);
                EXPECT_EQ(ListedFiles(dialog, 1), QStringList{"a.hol"});
                EXPECT_EQ(FileNameEdit(dialog)->text(), "a.hol");
                ChooseFileType(dialog, "All Files (*.*)");
                EXPECT_EQ(ListedFiles(dialog, 3), QStringList({"README", "a.hol", "b.txt"}));
                TypeName(dialog, "README");
                gui::PressKey(FileNameEdit(dialog), Qt::Key_Return);
            },
            "QFileDialog");
        EXPECT_EQ(dialogs.ChooseOpenFile(folder.filePath("a.hol")), folder.filePath("README"));
    }
    const struct {
        const char* typed;
        const char* type;
        const char* saved;
    } saves[] = {
        {"new", "Holiday Files (*.hol)", "new.hol"},
        {"a", "Holiday Files (*.hol)", "a.hol"},  // exists: replaced without a question
        {"other.hol", "All Files (*.*)", "other.hol"},
        {"plain", "All Files (*.*)", "plain.hol"},
    };
    for (const auto& save : saves) {
        const gui::CNextModal saveDialog(
            [&](QWidget* shown) {
                auto* dialog = qobject_cast<QFileDialog*>(shown);
                EXPECT_EQ(FileTypes(dialog), kTypes);
                EXPECT_EQ(FileNameEdit(dialog)->text(), "b.txt");
                TypeName(dialog, save.typed);
                ChooseFileType(dialog, save.type);
                gui::PressKey(FileNameEdit(dialog), Qt::Key_Return);
            },
            "QFileDialog");
        EXPECT_EQ(dialogs.ChooseSaveFile(folder.filePath("b.txt")), folder.filePath(save.saved)) << save.typed;
    }
}

// The window with the real dialogs: the Add Holiday dialog, a duplicate-ID
// error, the About box and the save question, each clicked like a user does.
TEST(RealDialogs, AreWiredToTheWindow) {
    CEditorWindow window;  // default dialogs
    bool ended = false;
    QTimer::singleShot(0, &window, [&] {
        {
            // Add Holiday: the focus starts in the ID field; type and press OK.
            const gui::CNextModal addDialog(
                [](QWidget* dialog) {
                    EXPECT_EQ(dialog->windowTitle(), "Add Holiday");
                    auto* idDialog = qobject_cast<CHolidayIdDialog*>(dialog);
                    ASSERT_NE(idDialog, nullptr);
                    EXPECT_EQ(QApplication::focusWidget(), idDialog->IdEdit());
                    gui::Type(idDialog->IdEdit(), "Xmas");
                    gui::Click(ButtonWithText(dialog, "OK"));
                },
                "CHolidayIdDialog");
            gui::Click(window.View().Button(kAddHoliday));
        }
        EXPECT_EQ(window.View().Document().GetHolidayCount(), 1);
        {
            // The same ID again: an error box captioned with the program's name.
            const gui::CNextModal errorBox(
                [](QWidget* dialog) {
                    auto* box = qobject_cast<QMessageBox*>(dialog);
                    EXPECT_EQ(box->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                    EXPECT_EQ(box->text(), "ID Xmas already exist!");
                    EXPECT_EQ(box->icon(), QMessageBox::Critical);
                    gui::Click(box->button(QMessageBox::Ok));
                },
                "QMessageBox");
            AddThroughDialog(window, "Xmas");
        }
        // The About box, twice, with the same contents.
        QStringList aboutTexts;
        for (int i = 0; i < 2; ++i) {
            const gui::CNextModal aboutBox(
                [&](QWidget* dialog) {
                    EXPECT_EQ(dialog->windowTitle(), "About Tavrin");
                    const QStringList texts = LabelTexts(dialog);
                    if (aboutTexts.isEmpty()) {
                        aboutTexts = texts;
                    }
                    EXPECT_EQ(texts, aboutTexts);
                    gui::Click(ButtonWithText(dialog, "OK"));
                },
                "CAboutBox");
            window.View().MenuAction(kAboutBox)->trigger();
        }
        EXPECT_TRUE(aboutTexts.contains("Tavrin Version 1.1.0"));
        EXPECT_TRUE(aboutTexts.contains("Copyright (C) 2026 The Tavrin developers"));
        {
            // Closing asks; "No" ends the window.
            const gui::CNextModal question(
                [](QWidget* dialog) {
                    auto* box = qobject_cast<QMessageBox*>(dialog);
                    EXPECT_EQ(box->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                    EXPECT_EQ(box->text(), "Do you want to save your work?");
                    EXPECT_EQ(box->icon(), QMessageBox::Question);
                    EXPECT_NE(box->button(QMessageBox::Yes), nullptr);
                    EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
                    gui::Click(box->button(QMessageBox::No));
                },
                "QMessageBox");
            window.View().MenuAction(kFileExit)->trigger();
        }
        ended = !window.isVisible();
        if (!ended) {
            window.done(QDialog::Accepted);
        }
    });
    window.exec();
    EXPECT_TRUE(ended);
    EXPECT_EQ(CQtEditorDialogs::ApplicationTitle(), "editor_RealDialogsTest");
}

TEST(RealDialogs, RenameDialogStartsWithTheOldIdAndTheFocusOnOk) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, "Xmas", CCodePage(1252));
    std::optional<std::string> answer;
    const gui::CNextModal renameDialog([&](QWidget* shown) {
        EXPECT_EQ(shown->windowTitle(), "Rename Holiday");
        EXPECT_EQ(dialog.IdEdit()->text(), "Xmas");
        EXPECT_EQ(QApplication::focusWidget(), ButtonWithText(shown, "OK"));
        EXPECT_NE(ButtonWithText(shown, "Abbrechen"), nullptr);
        gui::PressKey(QApplication::focusWidget(), Qt::Key_Return);
    });
    answer = dialog.Ask();
    EXPECT_EQ(answer, std::optional<std::string>("Xmas"));
}

// Enter and Space press the button that has the focus; Enter elsewhere
// presses OK; Esc and the close box cancel. Add offers "" and gets "Easter"
// typed, Rename offers "Xmas".
TEST(RealDialogs, IdDialogsAnswerEachKeyAsTheFocusedControlDoes) {
    using Purpose = CHolidayIdDialog::Purpose;
    enum class Route { Enter, Space, Esc, Click, CloseBox };
    const char* const kRouteNames[] = {"Enter", "Space", "Esc", "click", "close box"};
    const struct {
        Purpose purpose;
        QStringList focusPath;  // controls focused in turn after opening; "edit" is the ID field
        Route route;
        std::optional<std::string> answer;
    } cases[] = {
        {Purpose::Add, {}, Route::Enter, "Easter"},
        {Purpose::Add, {"OK"}, Route::Enter, "Easter"},
        {Purpose::Add, {"OK"}, Route::Space, "Easter"},
        {Purpose::Add, {"Abbrechen"}, Route::Enter, std::nullopt},
        {Purpose::Add, {"Abbrechen"}, Route::Space, std::nullopt},
        {Purpose::Add, {"Abbrechen"}, Route::Click, std::nullopt},
        {Purpose::Add, {"Abbrechen", "edit"}, Route::Enter, "Easter"},
        {Purpose::Add, {}, Route::Esc, std::nullopt},
        {Purpose::Add, {}, Route::CloseBox, std::nullopt},
        {Purpose::Rename, {}, Route::Enter, "Xmas"},
        {Purpose::Rename, {"Abbrechen"}, Route::Enter, std::nullopt},
        {Purpose::Rename, {"Abbrechen", "edit"}, Route::Enter, "Xmas"},
        {Purpose::Rename, {"OK"}, Route::Esc, std::nullopt},
    };
    for (const auto& c : cases) {
        const bool add = c.purpose == Purpose::Add;
        CHolidayIdDialog dialog(c.purpose, add ? "" : "Xmas", CCodePage(1252));
        const gui::CNextModal shown([&](QWidget* modal) {
            if (add) {
                gui::TypeMore(dialog.IdEdit(), "Easter");
            }
            for (const QString& name : c.focusPath) {
                QWidget* control =
                    name == "edit" ? static_cast<QWidget*>(dialog.IdEdit()) : ButtonWithText(modal, name);
                control->setFocus(Qt::TabFocusReason);
                ASSERT_EQ(QApplication::focusWidget(), control) << name.toStdString();
            }
            QWidget* focused = QApplication::focusWidget();
            switch (c.route) {
            case Route::Enter: gui::PressKey(focused, Qt::Key_Return); break;
            case Route::Space: gui::PressKey(focused, Qt::Key_Space); break;
            case Route::Esc: gui::PressKey(focused, Qt::Key_Escape); break;
            case Route::Click: gui::Click(qobject_cast<QPushButton*>(focused)); break;
            case Route::CloseBox: modal->close(); break;
            }
            if (modal->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog.done(QDialog::Rejected);
            }
        });
        EXPECT_EQ(dialog.Ask(), c.answer)
            << (add ? "Add" : "Rename") << ", focus " << c.focusPath.join(", ").toStdString() << ", route "
            << kRouteNames[static_cast<int>(c.route)];
    }
}

// The delete confirmations, the refusals of reserved IDs and IDs with
// commas and a note, each answered as given.
TEST(RealDialogs, ConfirmationsAndRefusalsAreMessageBoxesWithTheirButtonsAndIcons) {
    CEditorWindow window;  // default dialogs
    AddThroughDialog(window, "Xmas");
    for (int add : {kAddRuleset, kAddShiftRule}) {
        gui::Click(window.View().Button(add));
        gui::RunIdle(window);
    }
    const auto click = [&window](int button) {
        return [&window, button] {
            gui::Click(window.View().Button(button));
            gui::RunIdle(window);
        };
    };
    const auto add = [&window](const QString& id) { return [&window, id] { AddThroughDialog(window, id); }; };
    struct Case {
        std::function<void()> action;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton answer;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;  // not checked
    };
    const auto askYesNo = [&window](IEditorDialogs::Answer defaultAnswer, IEditorDialogs::Answer expected) {
        return [&window, defaultAnswer, expected] {
            EXPECT_EQ(CQtEditorDialogs(&window).AskYesNo("Replace it?", defaultAnswer), expected);
        };
    };
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButtons okCancel = QMessageBox::Ok | QMessageBox::Cancel;
    const Case cases[] = {
        {click(kDeleteShiftRule), "Do you really want to remove shiftrule 1 ?", QMessageBox::Question, okCancel,
         QMessageBox::Cancel},
        {click(kDeleteShiftRule), "Do you really want to remove shiftrule 1 ?", QMessageBox::Question, okCancel,
         QMessageBox::Ok},
        {click(kDeleteRuleset), "Do you really want to remove ruleset 1 ?", QMessageBox::Question, okCancel,
         QMessageBox::Ok},
        {click(kDeleteHoliday), "Do you really want to remove Xmas ?", QMessageBox::Question, okCancel,
         QMessageBox::Cancel},
        {add("EASTER_REF"), "ID EASTER_REF is reserved!", QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {add("A,B"), "ID must not contain commas!", QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok},
        {[&window] { CQtEditorDialogs(&window).ShowInformation("Note"); }, "Note", QMessageBox::Information,
         QMessageBox::Ok, QMessageBox::Ok},
        {askYesNo(IEditorDialogs::Answer::No, IEditorDialogs::Answer::Yes), "Replace it?", QMessageBox::Question, yesNo,
         QMessageBox::Yes, QMessageBox::No},
        {askYesNo(IEditorDialogs::Answer::Yes, IEditorDialogs::Answer::No), "Replace it?", QMessageBox::Question, yesNo,
         QMessageBox::No, QMessageBox::Yes},
    };
    for (const Case& c : cases) {
        const gui::CNextModal box(
            [&](QWidget* dialog) {
                auto* messageBox = qobject_cast<QMessageBox*>(dialog);
                EXPECT_EQ(messageBox->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                EXPECT_EQ(messageBox->text(), c.text);
                EXPECT_EQ(messageBox->icon(), c.icon) << c.text.toStdString();
                EXPECT_EQ(messageBox->standardButtons(), c.buttons) << c.text.toStdString();
                if (c.defaultButton != QMessageBox::NoButton) {
                    EXPECT_EQ(messageBox->defaultButton(), messageBox->button(c.defaultButton));
                }
                gui::Click(messageBox->button(c.answer));
            },
            "QMessageBox");
        c.action();
    }
    // Cancel kept what it was asked about, OK removed it.
    const std::vector<CHoliday> kept = {CHoliday{"Xmas", "", 0, {}}};
    EXPECT_EQ(window.View().Document().Holidays(), kept);
}
