// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/IEditorDialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Answers the window's questions from queues filled by the test, and records
// every message shown. A question without a queued answer fails the test and
// is answered with Cancel (or nothing).
class CScriptedDialogs : public IEditorDialogs {
public:
    // Queued answers, used front first.
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<Answer> yesNoAnswers;
    std::deque<bool> okCancelAnswers;
    std::deque<std::optional<QString>> openFiles;
    std::deque<std::optional<QString>> saveFiles;
    std::deque<std::optional<std::string>> newIds;
    std::deque<std::optional<std::string>> renamedIds;
    std::deque<std::optional<std::string>> duplicateIds;
    std::deque<std::optional<QString>> findTexts;
    std::deque<std::optional<QString>> pdfFiles;

    // What was asked or shown, in order.
    QStringList questions;                 // texts of AskYesNoCancel, AskYesNo and AskOkCancel
    std::vector<Answer> yesNoDefaults;     // the default answers of AskYesNo
    QStringList errors;                    // texts of ShowError
    QStringList informations;              // texts of ShowInformation
    QStringList openPaths;                 // initial paths of ChooseOpenFile
    QStringList savePaths;                 // initial paths of ChooseSaveFile
    std::deque<std::string> renameOffers;  // old IDs offered for renaming
    std::vector<int> idCodePages;          // code pages the ID dialogs were given
    int newIdRequests = 0;
    int aboutBoxes = 0;

    Answer AskYesNoCancel(const QString& text) override;
    Answer AskYesNo(const QString& text, Answer defaultAnswer) override;
    bool AskOkCancel(const QString& text) override;
    void ShowError(const QString& text) override;
    void ShowInformation(const QString& text) override;
    std::optional<QString> ChooseOpenFile(const QString& initialPath) override;
    std::optional<QString> ChooseSaveFile(const QString& initialPath) override;
    std::optional<std::string> AskNewHolidayId(const CCodePage& codePage) override;
    std::optional<std::string> AskDuplicateHolidayId(const CCodePage& codePage) override;
    std::optional<std::string> AskRenamedHolidayId(const std::string& oldId, const CCodePage& codePage) override;
    std::optional<QString> ChoosePdfFile(const QString& initialPath) override;
    std::optional<QString> AskFindText(const QString& initialText) override;
    void ShowAbout() override;

    // True when every queued answer was used.
    bool AllAnswersUsed() const;
};
