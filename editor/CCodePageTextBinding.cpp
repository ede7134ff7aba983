// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>
#include <QToolTip>

#include <limits>

namespace {

// 'The code page of German (Germany) has no character "Ж".'; a character
// that shows nothing is named by its number (U+200B).
QString RefusalMessage(char32_t character, const CCodePage& codePage, const QString& languageName) {
    const QString named =
        QChar::isPrint(character)
            ? QStringLiteral("\"%1\"").arg(QString::fromStdString(Utf8Of(character)))
            : QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
    if (languageName.isEmpty()) {
        return QStringLiteral("Code page %1 has no character %2.").arg(codePage.Number()).arg(named);
    }
    return QStringLiteral("The code page of %1 has no character %2.").arg(languageName, named);
}

}  // namespace

CCodePageValidator::CCodePageValidator(QLineEdit* lineEdit) : QValidator(lineEdit), edit(lineEdit) {
    // The edit says when it refused a key or a paste; validate has seen it.
    connect(edit, &QLineEdit::inputRejected, this, &CCodePageValidator::ExplainRefusal);
}

void CCodePageValidator::SetCodePage(const CCodePage& codePage, const QString& language) {
    codePage_ = codePage;
    languageName = language;
}

QValidator::State CCodePageValidator::validate(QString& input, int& /*position*/) const {
    const std::string text = input.toStdString();
    if (input == shownText || ReadShownText(codePage_, text).has_value()) {
        refused.reset();
        return Acceptable;
    }
    refused = FirstUnheldCharacter(codePage_, text);
    return Invalid;
}

void CCodePageValidator::ExplainRefusal() {
    if (refused.has_value()) {
        // Below the text cursor, where the character would have gone.
        const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QToolTip::showText(edit->mapToGlobal(cursor.bottomLeft()), RefusalMessage(*refused, codePage_, languageName),
                           edit);
        refused.reset();
    }
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

void CCodePageTextBinding::SetCodePage(int codePageNumber, const QString& languageName) {
    const std::string current = Bytes();
    shown = CShownText(current, CCodePage(codePageNumber));
    validator->SetCodePage(shown.CodePage(), languageName);
    SetBytes(current);
}
