// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CHolidayIdDialog.h"
#include "editor/CQtEditorDialogs.h"
#include "tests/editor/support/EditorDriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

QPushButton* ButtonWithText(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

QString LabelText(QWidget* dialog) {
    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    return labels.size() == 1 ? labels.front()->text() : QString();
}

// Clicks OK and expects the dialog to refuse the ID with the error message
// and to stay open.
void ExpectOkRefused(QWidget* dialog, const QString& message) {
    bool refused = false;
    {
        const gui::CNextModal box(
            [&](QWidget* shown) {
                auto* messageBox = qobject_cast<QMessageBox*>(shown);
                EXPECT_EQ(messageBox->text(), message);
                EXPECT_EQ(messageBox->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                EXPECT_EQ(messageBox->icon(), QMessageBox::Critical);
                refused = true;
                gui::Click(messageBox->button(QMessageBox::Ok));
            },
            "QMessageBox");
        gui::Click(ButtonWithText(dialog, "OK"));
    }
    EXPECT_TRUE(refused) << message.toStdString();
    EXPECT_TRUE(dialog->isVisible());
}

TEST(HolidayIdDialog, AddDialogAsksForANewIdWithTheFocusInTheField) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, "", CCodePage(1252));
    const gui::CNextModal shown([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Add Holiday");
        EXPECT_EQ(LabelText(modal), "Enter a unique ID for the new holiday:");
        EXPECT_EQ(QApplication::focusWidget(), dialog.IdEdit());
        EXPECT_EQ(dialog.IdEdit()->text(), "");
        EXPECT_NE(ButtonWithText(modal, "Abbrechen"), nullptr);
        gui::TypeMore(dialog.IdEdit(), "Easter");
        gui::PressKey(dialog.IdEdit(), Qt::Key_Return);
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>("Easter"));
}

TEST(HolidayIdDialog, RenameDialogAsksForANewId) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, "Xmas", CCodePage(1252));
    const gui::CNextModal shown([&](QWidget* modal) {
        EXPECT_EQ(LabelText(modal), "Enter a new ID for the holiday:");
        gui::Type(dialog.IdEdit(), "Christmas");
        gui::Click(ButtonWithText(modal, "OK"));
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>("Christmas"));
}

// The limit counts the bytes the ID takes in the file.
TEST(HolidayIdDialog, TakesSixtyFourBytesOfTheCodePageAndNoMore) {
    const struct {
        int codePage;
        QString character;
        std::string bytes;
    } cases[] = {
        {1252, "x", "x"},
        {932, QString::fromUtf8("\xE5\x85\x83"), "\x8C\xB3"},
    };
    for (const auto& c : cases) {
        const int count = 64 / static_cast<int>(c.bytes.size());
        CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, "", CCodePage(c.codePage));
        const gui::CNextModal shown([&](QWidget* modal) {
            gui::Type(dialog.IdEdit(), c.character.repeated(count + 2));
            EXPECT_EQ(dialog.IdEdit()->text(), c.character.repeated(count));
            gui::Click(ButtonWithText(modal, "OK"));
        });
        std::string longest;
        for (int i = 0; i < count; ++i) {
            longest += c.bytes;
        }
        EXPECT_EQ(dialog.Ask(), longest) << c.codePage;
    }
}

TEST(HolidayIdDialog, EnteredIdIsEncodedAndACharacterTheCodePageLacksIsRefused) {
    const struct {
        int codePage;
        const char* refused;
        const char* message;
        const char* accepted;
        std::string bytes;
    } cases[] = {
        {1252, "Mari\xD0\x94", "ID must not contain \"\xD0\x94\" (U+0414): code page 1252 cannot hold it!",
         "Mari\xC3\xBC", "Mari\xFC"},
        {1252, "Neujahr\xE2\x80\x8B", "ID must not contain \"\xE2\x80\x8B\" (U+200B): code page 1252 cannot hold it!",
         "Neujahr", "Neujahr"},
        {932,
         "a\xC2\xAD"
         "b",
         "ID must not contain \"\xC2\xAD\" (U+00AD): code page 932 cannot hold it!", "\xE5\x85\x83", "\x8C\xB3"},
    };
    for (const auto& c : cases) {
        CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, "", CCodePage(c.codePage));
        const gui::CNextModal shown([&](QWidget* modal) {
            gui::Type(dialog.IdEdit(), QString::fromUtf8(c.refused));
            ExpectOkRefused(modal, QString::fromUtf8(c.message));
            gui::Type(dialog.IdEdit(), QString::fromUtf8(c.accepted));
            gui::Click(ButtonWithText(modal, "OK"));
        });
        EXPECT_EQ(dialog.Ask(), c.bytes) << c.refused;
    }
}

// An ID from a file may be longer than the dialog allows: it is offered
// whole, and OK refuses it with a message until it is short enough.
TEST(HolidayIdDialog, LongerIdOfferedForRenamingIsShownWholeAndRefusedUntilShortened) {
    const std::string longId(70, 'L');
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, longId, CCodePage(1252));
    const gui::CNextModal shown([&](QWidget* modal) {
        EXPECT_EQ(dialog.IdEdit()->text().toStdString(), longId);
        ExpectOkRefused(modal, "ID must not be longer than 64 bytes in the file!");
        gui::Type(dialog.IdEdit(), QString(64, QLatin1Char('S')));
        gui::Click(ButtonWithText(modal, "OK"));
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>(std::string(64, 'S')));
}

TEST(HolidayIdDialog, UntouchedOfferedIdComesBackWithItsOwnBytes) {
    const std::string undecodable = "Xmas\xFF\xFE";
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, undecodable, CCodePage(0));
    const gui::CNextModal shown([&](QWidget* modal) {
        EXPECT_EQ(dialog.IdEdit()->text(), "Xmas\\xFF\\xFE");
        gui::Click(ButtonWithText(modal, "OK"));
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>(undecodable));
}

}  // namespace
