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

TEST(HolidayIdDialog, TakesSixtyFourCharactersAndNoMore) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, "", CCodePage(1252));
    const QString longest(64, QLatin1Char('x'));
    const gui::CNextModal shown([&](QWidget* modal) {
        gui::Type(dialog.IdEdit(), longest + "yz");
        EXPECT_EQ(dialog.IdEdit()->text(), longest);
        gui::Click(ButtonWithText(modal, "OK"));
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>(longest.toStdString()));
}

// An ID from a file may be longer than the dialog allows: it is offered
// whole, and OK refuses it with a message until it is short enough.
TEST(HolidayIdDialog, LongerIdOfferedForRenamingIsShownWholeAndRefusedUntilShortened) {
    const std::string longId(70, 'L');
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, longId, CCodePage(1252));
    bool refused = false;
    const gui::CNextModal shown([&](QWidget* modal) {
        EXPECT_EQ(dialog.IdEdit()->text().toStdString(), longId);
        {
            const gui::CNextModal message(
                [&](QWidget* box) {
                    auto* messageBox = qobject_cast<QMessageBox*>(box);
                    EXPECT_EQ(messageBox->text(), "ID must not be longer than 64 characters!");
                    EXPECT_EQ(messageBox->windowTitle(), CQtEditorDialogs::ApplicationTitle());
                    EXPECT_EQ(messageBox->icon(), QMessageBox::Critical);
                    refused = true;
                    gui::Click(messageBox->button(QMessageBox::Ok));
                },
                "QMessageBox");
            gui::Click(ButtonWithText(modal, "OK"));
        }
        EXPECT_TRUE(modal->isVisible());
        gui::Type(dialog.IdEdit(), QString(64, QLatin1Char('S')));
        gui::Click(ButtonWithText(modal, "OK"));
    });
    EXPECT_EQ(dialog.Ask(), std::optional<std::string>(std::string(64, 'S')));
    EXPECT_TRUE(refused);
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
