// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCodePageTextBinding.h"
#include "tests/editor/support/EditorDriver.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <string>

namespace {

constexpr int kWesternEurope = 1252;
constexpr int kCyrillic = 1251;

}  // namespace

TEST(CodePageTextBinding, ShowsTheBytesInTheCodePage) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(kWesternEurope);
    binding.SetBytes("K\xE4se");
    EXPECT_EQ(edit.text(), QString::fromUtf8("K\xC3\xA4se"));
    EXPECT_EQ(binding.Bytes(), "K\xE4se");
}

TEST(CodePageTextBinding, ChangingTheCodePageRereadsTheSameBytes) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(kWesternEurope);
    binding.SetBytes("\xC4");
    EXPECT_EQ(edit.text(), QString::fromUtf8("\xC3\x84"));  // Ä
    binding.SetCodePage(kCyrillic);
    EXPECT_EQ(edit.text(), QString::fromUtf8("\xD0\x94"));  // Д
    EXPECT_EQ(binding.Bytes(), "\xC4");
}

TEST(CodePageTextBinding, BytesInvalidInTheCodePageSurviveViewingUntouched) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(0);  // UTF-8
    const std::string bytes = "ab\xFF\xC3";
    binding.SetBytes(bytes);
    EXPECT_EQ(binding.Bytes(), bytes);
    binding.SetCodePage(kWesternEurope);
    binding.SetCodePage(0);
    EXPECT_EQ(binding.Bytes(), bytes);
}

TEST(CodePageTextBinding, EditedTextIsEncodedInTheCodePage) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(kWesternEurope);
    binding.SetBytes("x");
    edit.setText(
        QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                          "e"));  // Grüße
    EXPECT_EQ(binding.Bytes(),
              "Gr\xFC\xDF"
              "e");
}

TEST(CodePageTextBinding, EditedBackToTheShownTextGivesTheOriginalBytes) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(0);
    binding.SetBytes("a\xFF");
    const QString shown = edit.text();
    edit.setText("changed");
    edit.setText(shown);
    EXPECT_EQ(binding.Bytes(), "a\xFF");
}

TEST(CodePageTextBinding, TypingACharacterTheCodePageCannotEncodeIsRefused) {
    QLineEdit edit;
    CCodePageTextBinding binding(&edit);
    binding.SetCodePage(kWesternEurope);
    binding.SetBytes("ab");
    edit.setFocus();
    edit.end(false);
    gui::TypeMore(&edit, QString::fromUtf8("\xD0\x94"));      // Д has no byte in 1252
    gui::TypeMore(&edit, QString::fromUtf8("\xE2\x80\x8B"));  // nor has the zero-width space
    gui::TypeMore(&edit, QString::fromUtf8("\xC3\xA9"));      // é has
    EXPECT_EQ(edit.text(), QString::fromUtf8("ab\xC3\xA9"));
    EXPECT_EQ(binding.Bytes(), "ab\xE9");
}
