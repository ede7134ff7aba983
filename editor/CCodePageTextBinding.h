// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShownText.h"

#include <QString>
#include <QValidator>

#include <optional>
#include <string>

class QLineEdit;

// Refuses input that holds a character the code page cannot encode, so that
// storing the text never has to alter it, and says why in a tooltip at the
// edit: 'The code page of German (Germany) has no character "Ж".' The text
// as last shown by the program is always acceptable.
class CCodePageValidator : public QValidator {
    Q_OBJECT

public:
    explicit CCodePageValidator(QLineEdit* edit);
    // The code page and the name of the language it belongs to, as the
    // language list shows it ("": the message names the code page).
    void SetCodePage(const CCodePage& codePage, const QString& languageName);
    void SetShownText(const QString& text) { shownText = text; }
    State validate(QString& input, int& position) const override;

private:
    // Shows why the edit refused what was typed or pasted.
    void ExplainRefusal();

    QLineEdit* edit;
    CCodePage codePage_{0};
    QString languageName;
    QString shownText;
    mutable std::optional<char32_t> refused;  // of the input refused last
};

// The bytes behind an edit that shows a text in a Windows code page (the
// holiday's display text), shown as ShownText.h describes. The bytes are
// kept as they came: as long as the user has not changed the text, Bytes()
// gives them back unchanged. The edit holds a text of any length.
class CCodePageTextBinding {
public:
    explicit CCodePageTextBinding(QLineEdit* edit);

    int CodePage() const { return shown.CodePage().Number(); }
    // Shows the bytes in the current code page.
    void SetBytes(const std::string& bytes);
    // The original bytes while the shown text is unchanged, else the edited
    // text read in the code page.
    std::string Bytes() const;
    // Reads the same bytes in another code page (code page 0: UTF-8): the
    // bytes do not change, their look does. The language's name tells the
    // user whose code page refuses a character.
    void SetCodePage(int codePageNumber, const QString& languageName = QString());

private:
    QLineEdit* edit;
    CCodePageValidator* validator;
    CShownText shown;
    QString shownText;  // as the control holds it
};
