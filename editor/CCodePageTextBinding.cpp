// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>

#include <limits>

CCodePageValidator::CCodePageValidator(QObject* parent) : QValidator(parent) {}

QValidator::State CCodePageValidator::validate(QString& input, int& /*position*/) const {
    if (input == shownText || ReadShownText(codePage_, input.toStdString()).has_value()) {
        return Acceptable;
    }
    return Invalid;
}

CCodePageTextBinding::CCodePageTextBinding(QLineEdit* lineEdit)
    : edit(lineEdit), validator(new CCodePageValidator(lineEdit)) {
    edit->setValidator(validator);
    // A line edit cuts its text at 32767 characters unless told otherwise,
    // and an edit would then store the cut text. A file's text may take up
    // to 4 GiB, more than a line edit can hold, so the edit sets no limit.
    edit->setMaxLength(std::numeric_limits<int>::max());
}

void CCodePageTextBinding::SetBytes(const std::string& bytes) {
    shown = CShownText(bytes, shown.CodePage());
    const QString text = QString::fromStdString(shown.Text());
    validator->SetShownText(text);
    edit->setText(text);
    // Compare later edits with what the control holds.
    shownText = edit->text();
    validator->SetShownText(shownText);
}

std::string CCodePageTextBinding::Bytes() const {
    const QString text = edit->text();
    if (text == shownText) {
        return shown.Bytes();
    }
    // The validator admits only encodable text; should anything else reach
    // the control, the bytes it was given are kept rather than altered.
    return shown.BytesOf(text.toStdString()).value_or(shown.Bytes());
}

void CCodePageTextBinding::SetCodePage(int codePageNumber) {
    const std::string current = Bytes();
    shown = CShownText(current, CCodePage(codePageNumber));
    validator->SetCodePage(shown.CodePage());
    SetBytes(current);
}
