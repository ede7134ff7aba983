// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/ShownText.h"

#include <QString>
#include <QValidator>

#include <string>

class QLineEdit;

// Refuses input that holds a character the code page cannot encode, so that
// storing the text never has to alter it. The text as last shown by the
// program is always acceptable.
class CCodePageValidator : public QValidator {
    Q_OBJECT

public:
    explicit CCodePageValidator(QObject* parent = nullptr);
    void SetCodePage(const CCodePage& codePage) { codePage_ = codePage; }
    void SetShownText(const QString& text) { shownText = text; }
    State validate(QString& input, int& position) const override;

private:
    CCodePage codePage_{0};
    QString shownText;
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
    // bytes do not change, their look does.
    void SetCodePage(int codePageNumber);

private:
    QLineEdit* edit;
    CCodePageValidator* validator;
    CShownText shown;
    QString shownText;  // as the control holds it
};
