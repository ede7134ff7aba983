#include "editor/CHolidayIdDialog.h"
#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/EditorDriver.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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

}  // namespace

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
            gui::Click(window.Button(kAddHoliday));
        }
        EXPECT_EQ(window.Document().GetHolidayCount(), 1);
        {
            // The same ID again: an error box captioned with the program's name.
            const gui::CNextModal addDialog(
                [](QWidget* dialog) {
                    gui::Type(qobject_cast<CHolidayIdDialog*>(dialog)->IdEdit(), "Xmas");
                    gui::Click(ButtonWithText(dialog, "OK"));
                },
                "CHolidayIdDialog");
            const gui::CNextModal errorBox(
                [](QWidget* dialog) {
                    auto* box = qobject_cast<QMessageBox*>(dialog);
                    EXPECT_EQ(box->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                    EXPECT_EQ(box->text(), "ID Xmas already exist!");
                    EXPECT_EQ(box->icon(), QMessageBox::Critical);
                    gui::Click(box->button(QMessageBox::Ok));
                },
                "QMessageBox");
            gui::Click(window.Button(kAddHoliday));
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
            window.MenuAction(kAboutBox)->trigger();
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
            window.MenuAction(kFileExit)->trigger();
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

TEST(RealDialogs, IdDialogCancelledWithAbbrechenGivesNothing) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, "", CCodePage(1252));
    const gui::CNextModal addDialog([&](QWidget* shown) {
        gui::Type(dialog.IdEdit(), "Easter");
        gui::Click(ButtonWithText(shown, "Abbrechen"));
    });
    EXPECT_EQ(dialog.Ask(), std::nullopt);
}
