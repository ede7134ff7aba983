// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/WindowsLocale.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "resources/ControlIds.h"

#include <QApplication>
#include <QLineEdit>

#include <string>
#include <utility>
#include <vector>

namespace {

// "0x0409"
QString Hex(LCID lcid) {
    return QStringLiteral("0x") + QString::number(lcid, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString LanguageItemText(const CLocaleInfo& locale) {
    if (!locale.displayName.empty()) {
        return QString::fromStdString(locale.displayName);
    }
    // ICU gave no name: the locale's code still tells it apart.
    return QStringLiteral("%1 (%2)").arg(QString::fromStdString(locale.icuName), Hex(locale.lcid));
}

int FindLanguage(const CComboList& list, LCID lcid) {
    for (int position = 0; position < list.Count(); ++position) {
        if (list.Data(position).toUInt() == lcid) {
            return position;
        }
    }
    return -1;
}

QString UnknownLanguageText(LCID lcid) {
    return QStringLiteral("Unknown language (%1)").arg(Hex(lcid));
}

// The language's name as the list shows it.
QString LanguageName(const CComboList& list, LCID lcid) {
    const int position = FindLanguage(list, lcid);
    return position == -1 ? UnknownLanguageText(lcid) : list.Text(position);
}

}  // namespace

void CEditorWindow::FillLanguageList() {
    std::vector<std::pair<QString, QVariant>> languages;
    for (const CLocaleInfo& locale : SupportedLocales()) {
        languages.emplace_back(LanguageItemText(locale), QVariant::fromValue<uint>(locale.lcid));
    }
    view.List(ids::kLanguageList)->AddItems(languages);
}

void CEditorWindow::SelectLanguage(LCID language) {
    CComboList* languages = view.List(ids::kLanguageList);
    // The extra item belonged to the document shown before.
    if (unlistedLanguage.has_value() && *unlistedLanguage != language) {
        languages->RemoveItem(FindLanguage(*languages, *unlistedLanguage));
        unlistedLanguage.reset();
    }
    int position = FindLanguage(*languages, language);
    if (position == -1) {
        position = languages->AddItem(UnknownLanguageText(language));
        languages->SetData(position, QVariant::fromValue<uint>(language));
        unlistedLanguage = language;
    }
    languages->Select(position);
}

LCID CEditorWindow::SelectedLanguage() const {
    const CComboList* languages = view.List(ids::kLanguageList);
    const int selected = languages->Selection();
    return selected == -1 ? document.GetLanguage() : languages->Data(selected).toUInt();
}

void CEditorWindow::OnLanguageSelected() {
    ApplyLanguageFont();
}

void CEditorWindow::ApplyLanguageFont() {
    UseLanguageCodePage();
    // Sorting again moves items but keeps the selected one, and with it what
    // the user has or has not changed.
    idLists->ShowIn(textCodePage);
    ShowPreview();
}

void CEditorWindow::UseLanguageCodePage() {
    // The IDs, the display text and the preview show the bytes of the texts
    // in the default ANSI code page of the language (UTF-8 when it has none),
    // in the platform's default interface font. The bytes stay as they are.
    const LCID language = SelectedLanguage();
    const int codePage = GetDefaultAnsiCodePage(language);
    textCodePage = CCodePage(codePage);
    displayFont = QApplication::font();
    view.Control(ids::kDisplayEdit)->setFont(displayFont);
    view.Control(ids::kPreviewEdit)->setFont(displayFont);
    displayText->SetCodePage(codePage, LanguageName(*view.List(ids::kLanguageList), language));
}
