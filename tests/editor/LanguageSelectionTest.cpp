// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/AlphabeticalOrder.h"
#include "core/WindowsLocale.h"
#include "editor/CCodePageTextBinding.h"
#include "resources/ControlIds.h"
#include "tests/editor/support/DocumentFiles.h"
#include "tests/editor/support/EditorDriver.h"
#include "tests/support/RuleBuilders.h"

#include "model/HolidayFile.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolTip>

#include <string_view>
#include <vector>

using namespace ids;

namespace {

constexpr LCID kGerman = 0x0407;
constexpr LCID kRussian = 0x0419;

// The LCID of the language list's selected item.
LCID SelectedLanguage(const CEditorWindow& window) {
    const CComboList* languages = window.View().List(kLanguageList);
    return languages->Data(languages->Selection()).toUInt();
}

int FindLanguage(const CComboList* list, LCID lcid) {
    for (int position = 0; position < list->Count(); ++position) {
        if (list->Data(position).toUInt() == lcid) {
            return position;
        }
    }
    return -1;
}

}  // namespace

TEST_F(EditorWindowTest, LanguageListHoldsTheSupportedLocalesWithTheirNames) {
    const CComboList* languages = window.View().List(kLanguageList);
    EXPECT_EQ(languages->Count(), static_cast<int>(SupportedLocales().size()));
    struct Case {
        LCID lcid;
        const char* name;
    };
    for (const Case& c : {Case{0x0409, "English (United States)"}, Case{kGerman, "German (Germany)"}}) {
        const int position = FindLanguage(languages, c.lcid);
        ASSERT_NE(position, -1) << c.name;
        EXPECT_EQ(languages->Text(position), c.name);
    }
}

// Character codes would put "Māori (New Zealand)" after every other "Ma…".
TEST_F(EditorWindowTest, LanguageListIsInTheUsersAlphabeticalOrder) {
    const QStringList items = gui::Items(window.View().List(kLanguageList));
    const CAlphabeticalOrder order("en_US");
    const auto utf16 = [](const QString& text) {
        return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
    };
    for (int i = 1; i < items.size(); ++i) {
        EXPECT_LE(order.Compare(utf16(items[i - 1]), utf16(items[i])), 0) << items[i].toStdString();
    }
}

TEST_F(EditorWindowTest, ChoosingALanguageRereadsTheDisplayTextAndPreviewBytes) {
    CHoliday holiday = rules::Holiday("X", {rules::Fixed(1, 1)});
    holiday.display = "\xC4";
    gui::OpenHolidays(window, dialogs, {holiday}, 0x0409);
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), QString::fromUtf8("\xC3\x84"));  // Ä in 1252
    EXPECT_EQ(window.View().PreviewReport(), "01 Jan\t\xC3\x84\r\n");

    gui::Pick(window.View().List(kLanguageList), FindLanguage(window.View().List(kLanguageList), kRussian));
    EXPECT_EQ(window.View().DisplayText().CodePage(), 1251);
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), QString::fromUtf8("\xD0\x94"));  // Д in 1251
    EXPECT_EQ(window.View().PreviewReport(), "01 Jan\t\xD0\x94\r\n");
    EXPECT_EQ(gui::PreviewLines(window), QStringList{QString::fromUtf8("01 Jan\t\xD0\x94")});
    EXPECT_EQ(window.View().DisplayText().Bytes(), "\xC4");
    EXPECT_EQ(window.View().Document().GetHoliday(0).display, "\xC4");
}

TEST_F(EditorWindowTest, ChoosingALanguageAloneLeavesTheDocumentAlone) {
    gui::Pick(window.View().List(kLanguageList), FindLanguage(window.View().List(kLanguageList), kGerman));
    EXPECT_EQ(SelectedLanguage(window), kGerman);
    EXPECT_EQ(window.View().Document().GetLanguage(), GetUserDefaultLCID());
}

TEST_F(EditorWindowTest, BothTextControlsUseTheDisplayFont) {
    gui::Pick(window.View().List(kLanguageList), FindLanguage(window.View().List(kLanguageList), kRussian));
    EXPECT_EQ(window.View().Control(kDisplayEdit)->font(), window.View().DisplayFont());
    EXPECT_EQ(window.View().Control(kPreviewEdit)->font(), window.View().DisplayFont());
}

TEST_F(EditorWindowTest, LanguageWithoutAnsiCodePageShowsUtf8) {
    // Hindi (India) has no ANSI code page.
    ASSERT_NE(FindLanguage(window.View().List(kLanguageList), 0x0439), -1);
    CHoliday holiday = gui::EmptyHoliday("X");
    holiday.display = "\xE0\xA4\xB9";  // ह in UTF-8
    gui::OpenHolidays(window, dialogs, {holiday}, 0x0439);
    EXPECT_EQ(window.View().DisplayText().CodePage(), 0);
    EXPECT_EQ(window.View().Edit(kDisplayEdit)->text(), QString::fromUtf8("\xE0\xA4\xB9"));
}

TEST_F(EditorWindowTest, UnlistedLanguageIsShownAsAnExtraItemAndKept) {
    CComboList* languages = window.View().List(kLanguageList);
    const int listed = languages->Count();
    gui::OpenHolidays(window, dialogs, {}, 0x1234);
    EXPECT_EQ(languages->Count(), listed + 1);
    EXPECT_EQ(languages->SelectedText(), "Unknown language (0x1234)");
    EXPECT_EQ(SelectedLanguage(window), 0x1234U);

    // Showing it again reuses the item; showing a listed language drops it.
    gui::OpenHolidays(window, dialogs, {}, 0x1234);
    EXPECT_EQ(languages->Count(), listed + 1);
    gui::OpenHolidays(window, dialogs, {}, kGerman);
    EXPECT_EQ(languages->Count(), listed);
    EXPECT_EQ(SelectedLanguage(window), kGerman);
}

TEST_F(EditorWindowTest, WithoutASelectedLanguageTheDocumentsLanguageIsKept) {
    gui::AddHoliday(window, dialogs, "X");
    const LCID language = window.View().Document().GetLanguage();
    window.View().List(kLanguageList)->Select(-1);
    gui::Click(window.View().Button(kRefresh));
    EXPECT_EQ(window.View().Document().GetLanguage(), language);
}

// As the ID dialog refuses such an ID with a message, the Display edit
// says why it refuses a character, typed or pasted, in a tooltip.
TEST_F(EditorWindowTest, DisplayEditRefusesACharacterItsCodePageCannotHoldAndSaysWhy) {
    gui::AddHoliday(window, dialogs, "X");
    QLineEdit* display = window.View().Edit(kDisplayEdit);
    const struct {
        LCID language;
        QString entered;
        bool pasted;
        QString message;  // "": held, and entered
    } cases[] = {
        {kGerman, "\u0416", false, "The code page of German (Germany) has no character \"\u0416\"."},
        {kGerman, "x\u0416\u0436", true, "The code page of German (Germany) has no character \"\u0416\"."},
        {kGerman, "\u200B", false, "The code page of German (Germany) has no character U+200B."},
        {kRussian, "\u00C4", false, "The code page of Russian (Russia) has no character \"\u00C4\"."},
        {kRussian, "\u0416", true, ""},
    };
    for (const auto& c : cases) {
        gui::Pick(window.View().List(kLanguageList), FindLanguage(window.View().List(kLanguageList), c.language));
        display->setText("ab");
        display->setFocus();
        display->end(false);
        if (c.pasted) {
            QGuiApplication::clipboard()->setText(c.entered);
            display->paste();
        } else {
            gui::TypeMore(display, c.entered);
        }
        EXPECT_EQ(display->text(), c.message.isEmpty() ? "ab" + c.entered : "ab") << c.entered.toStdString();
        if (!c.message.isEmpty()) {
            EXPECT_TRUE(QToolTip::isVisible()) << c.entered.toStdString();
            EXPECT_EQ(QToolTip::text(), c.message);
        }
    }
}

TEST_F(EditorWindowTest, VersionFieldAcceptsDigitsOnly) {
    gui::Type(window.View().Edit(kVersionEdit), "1a2-3");
    EXPECT_EQ(window.View().Edit(kVersionEdit)->text(), "123");
}

TEST_F(EditorWindowTest, FileInAnUnlistedLanguageKeepsItsLanguageWhenSavedAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    CHolidays original;
    original.SetLanguage(0x1234);
    CHoliday holiday;
    holiday.id = "Xmas";
    original.SetHoliday(holiday);
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(original);
    const QString path = folder.filePath("unlisted.hol");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();

    dialogs.openFiles.push_back(path);
    window.View().MenuAction(kFileOpen)->trigger();
    EXPECT_EQ(window.View().List(kLanguageList)->SelectedText(), "Unknown language (0x1234)");
    window.View().MenuAction(kFileSave)->trigger();  // stores the form, then writes

    CHolidays saved;
    LoadHolidayFile(saved, path.toStdString());
    EXPECT_EQ(saved.GetLanguage(), 0x1234U);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("; ").toStdString();
}
