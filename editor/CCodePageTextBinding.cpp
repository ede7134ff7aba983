#include "editor/CCodePageTextBinding.h"

#include <QLineEdit>

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
