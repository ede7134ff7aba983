// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/editor/support/CScriptedDialogs.h"

#include "core/CodePage.h"

#include <gtest/gtest.h>

namespace {

// The front answer of the queue, or the fallback (Cancel, nothing) when the
// test queued none.
template <class T>
T Next(std::deque<T>& queue, const char* what, const T& fallback = T{}) {
    T value = fallback;
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << " (no answer queued)";
    } else {
        value = queue.front();
        queue.pop_front();
    }
    return value;
}

}  // namespace

IEditorDialogs::Answer CScriptedDialogs::AskYesNoCancel(const QString& text) {
    questions << text;
    return Next(yesNoCancelAnswers, "Yes/No/Cancel question", Answer::Cancel);
}

IEditorDialogs::Answer CScriptedDialogs::AskYesNo(const QString& text, Answer defaultAnswer) {
    questions << text;
    yesNoDefaults.push_back(defaultAnswer);
    return Next(yesNoAnswers, "Yes/No question", Answer::No);
}

bool CScriptedDialogs::AskOkCancel(const QString& text) {
    questions << text;
    return Next(okCancelAnswers, "OK/Cancel question");
}

void CScriptedDialogs::ShowError(const QString& text) {
    errors << text;
}

void CScriptedDialogs::ShowInformation(const QString& text) {
    informations << text;
}

std::optional<QString> CScriptedDialogs::ChooseOpenFile(const QString& initialPath) {
    openPaths << initialPath;
    return Next(openFiles, "open file dialog");
}

std::optional<QString> CScriptedDialogs::ChooseSaveFile(const QString& initialPath) {
    savePaths << initialPath;
    return Next(saveFiles, "save file dialog");
}

std::optional<std::string> CScriptedDialogs::AskNewHolidayId(const CCodePage& codePage) {
    ++newIdRequests;
    idCodePages.push_back(codePage.Number());
    return Next(newIds, "Add Holiday dialog");
}

std::optional<std::string> CScriptedDialogs::AskDuplicateHolidayId(const CCodePage& codePage) {
    idCodePages.push_back(codePage.Number());
    return Next(duplicateIds, "Duplicate Holiday dialog");
}

std::optional<std::string> CScriptedDialogs::AskRenamedHolidayId(const std::string& oldId, const CCodePage& codePage) {
    renameOffers.push_back(oldId);
    idCodePages.push_back(codePage.Number());
    return Next(renamedIds, "Rename Holiday dialog");
}

std::optional<QString> CScriptedDialogs::ChoosePdfFile(const QString& /*initialPath*/) {
    return Next(pdfFiles, "PDF file dialog");
}

std::optional<QString> CScriptedDialogs::AskFindText(const QString& /*initialText*/) {
    return Next(findTexts, "Find Holiday dialog");
}

void CScriptedDialogs::ShowAbout() {
    ++aboutBoxes;
}

bool CScriptedDialogs::AllAnswersUsed() const {
    return yesNoCancelAnswers.empty() && yesNoAnswers.empty() && okCancelAnswers.empty() && openFiles.empty() &&
           saveFiles.empty() && findTexts.empty() && pdfFiles.empty() && duplicateIds.empty() && newIds.empty() &&
           renamedIds.empty();
}
