// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/IEditorDialogs.h"

class QWidget;

// The real dialogs: message boxes captioned with the application title, the
// platform's file dialogs, the ID dialogs and the About box.
class CQtEditorDialogs : public IEditorDialogs {
public:
    explicit CQtEditorDialogs(QWidget* parent);

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

    // The caption of every message box: the executable's file name without
    // its extension.
    static QString ApplicationTitle();

private:
    QWidget* parent;
};
