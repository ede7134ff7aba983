// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <string>

class CCodePage;

// Every modal question, message, file choice and ID dialog of the editor
// window goes through this interface, so the window's logic can run without
// a person clicking.
class IEditorDialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~IEditorDialogs() = default;

    // Yes, No and Cancel with a question icon.
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // Yes and No with a question icon; gives Yes or No. Enter chooses
    // `defaultAnswer`, Esc No.
    virtual Answer AskYesNo(const QString& text, Answer defaultAnswer) = 0;
    // OK and Cancel with a question icon; true for OK.
    virtual bool AskOkCancel(const QString& text) = 0;
    // OK with an error icon.
    virtual void ShowError(const QString& text) = 0;
    // OK with an information icon.
    virtual void ShowInformation(const QString& text) = 0;
    // The full path of an existing file, or nothing when cancelled.
    // Filter "Holiday Files (*.hol)" and "All Files (*.*)".
    virtual std::optional<QString> ChooseOpenFile(const QString& initialPath) = 0;
    // The full path to write to, or nothing when cancelled; default suffix
    // "hol". The dialog itself asks nothing about an existing file.
    virtual std::optional<QString> ChooseSaveFile(const QString& initialPath) = 0;
    // The ID entered in the Add Holiday dialog as bytes of the code page (the
    // document's), or nothing when cancelled.
    virtual std::optional<std::string> AskNewHolidayId(const CCodePage& codePage) = 0;
    // The ID entered in the Duplicate Holiday dialog (the Add Holiday dialog
    // under that caption), or nothing when cancelled.
    virtual std::optional<std::string> AskDuplicateHolidayId(const CCodePage& codePage) = 0;
    // The ID entered in the Rename Holiday dialog, which starts with oldId
    // (bytes of the code page), as bytes of the code page; nothing when
    // cancelled.
    virtual std::optional<std::string> AskRenamedHolidayId(const std::string& oldId, const CCodePage& codePage) = 0;
    // The PDF file to export to, or nothing when cancelled; default suffix
    // "pdf". An existing file is asked about by the dialog itself.
    virtual std::optional<QString> ChoosePdfFile(const QString& initialPath) = 0;
    // The text to look for in the holidays' IDs and display texts (Edit >
    // Find Holiday), which starts as `initialText`; nothing when cancelled.
    virtual std::optional<QString> AskFindText(const QString& initialText) = 0;
    // The About box.
    virtual void ShowAbout() = 0;
};
