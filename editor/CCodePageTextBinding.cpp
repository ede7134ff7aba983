#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>
#include <QPlainTextEdit>

CCodePageValidator::CCodePageValidator(QObject* parent) : QValidator(parent) {}

QValidator::State CCodePageValidator::validate(QString& input, int& /*position*/) const {
    if (input == shownText || ReadShownText(codePage_, input.toStdString()).has_value()) {
        return Acceptable;
    }
    return Invalid;
}

CCodePageTextBinding::CCodePageTextBinding(QLineEdit* edit) : lineEdit(edit), validator(new CCodePageValidator(edit)) {
    lineEdit->setValidator(validator);
}

CCodePageTextBinding::CCodePageTextBinding(QPlainTextEdit* edit) : textEdit(edit) {}

void CCodePageTextBinding::SetBytes(const std::string& bytes) {
    shown = CShownText(bytes, shown.CodePage());
    const QString text = QString::fromStdString(shown.Text());
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

std::string CCodePageTextBinding::Bytes() const {
    const QString text = Text();
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
    if (validator != nullptr) {
        validator->SetCodePage(shown.CodePage());
    }
    SetBytes(current);
}

QString CCodePageTextBinding::Text() const { return lineEdit != nullptr ? lineEdit->text() : textEdit->toPlainText(); }
