#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>
#include <QPlainTextEdit>

CCodePageValidator::CCodePageValidator(QObject* parent) : QValidator(parent) {}

QValidator::State CCodePageValidator::validate(QString& input, int& /*position*/) const {
    if (input == shownText || codePage_.FromUtf8(input.toStdString()).has_value()) {
        return Acceptable;
    }
    return Invalid;
}

CCodePageTextBinding::CCodePageTextBinding(QLineEdit* edit) : lineEdit(edit), validator(new CCodePageValidator(edit)) {
    lineEdit->setValidator(validator);
}

CCodePageTextBinding::CCodePageTextBinding(QPlainTextEdit* edit) : textEdit(edit) {}

void CCodePageTextBinding::SetBytes(const std::string& newBytes) {
    bytes = newBytes;
    Show(QString::fromStdString(codePage.ToUtf8Lossy(bytes)));
}

std::string CCodePageTextBinding::Bytes() const {
    const QString text = Text();
    if (text == shownText) {
        return bytes;
    }
    // The validator admits only encodable text; should anything else reach
    // the control, the bytes it was given are kept rather than altered.
    return codePage.FromUtf8(text.toStdString()).value_or(bytes);
}

void CCodePageTextBinding::SetCodePage(int codePageNumber) {
    const std::string current = Bytes();
    codePage = CCodePage(codePageNumber);
    if (validator != nullptr) {
        validator->SetCodePage(codePageNumber);
    }
    SetBytes(current);
}

QString CCodePageTextBinding::Text() const { return lineEdit != nullptr ? lineEdit->text() : textEdit->toPlainText(); }

void CCodePageTextBinding::Show(const QString& text) {
    if (validator != nullptr) {
        validator->SetShownText(text);
    }
    if (lineEdit != nullptr) {
        lineEdit->setText(text);
    } else {
        textEdit->setPlainText(text);
    }
    // What the control holds may differ from what it was given (line ends of
    // a multi-line edit), so compare later edits with what it holds.
    shownText = Text();
    if (validator != nullptr) {
        validator->SetShownText(shownText);
    }
}
