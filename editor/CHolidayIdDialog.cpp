// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CHolidayIdDialog.h"

#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

// Refuses input that would take more bytes of the code page than the limit.
// Text with a character the code page cannot hold is let in: OK names it.
class CIdByteLimit : public QValidator {
public:
    CIdByteLimit(CShownText offeredId, std::size_t byteLimit, QObject* parent)
        : QValidator(parent), offered(std::move(offeredId)), limit(byteLimit) {}

    State validate(QString& input, int& /*position*/) const override {
        const std::optional<std::string> bytes = offered.BytesOf(input.toStdString());
        return bytes.has_value() && bytes->size() > limit ? Invalid : Acceptable;
    }

private:
    CShownText offered;
    std::size_t limit;
};

QString UnheldCharacterMessage(char32_t character, const CCodePage& codePage) {
    const QString number = QString::number(static_cast<std::uint32_t>(character), 16).toUpper();
    return QStringLiteral("ID must not contain \"%1\" (U+%2): code page %3 cannot hold it!")
        .arg(QString::fromStdString(Utf8Of(character)), number.rightJustified(4, QLatin1Char('0')))
        .arg(codePage.Number());
}

}  // namespace

CHolidayIdDialog::CHolidayIdDialog(Purpose purpose, const std::string& id, const CCodePage& codePage, QWidget* parent)
    : QDialog(parent), offered(id, codePage) {
    const CDialogTemplate& dialogTemplate =
        purpose == Purpose::Rename ? RenameHolidayDialogTemplate() : AddHolidayDialogTemplate();
    setWindowTitle(purpose == Purpose::Duplicate ? QStringLiteral("Duplicate Holiday")
                                                 : QString::fromUtf8(dialogTemplate.caption));
    setFixedSize(controls.Build(*this, dialogTemplate));

    QLineEdit* edit = IdEdit();
    // A longer ID from a file is shown whole rather than cut.
    edit->setValidator(new CIdByteLimit(offered, std::max(kMaxIdBytes, offered.Bytes().size()), edit));
    edit->setText(QString::fromStdString(offered.Text()));
    connect(controls.Get<QPushButton>(ids::kOk), &QPushButton::clicked, this, &QDialog::accept);
    connect(controls.Get<QPushButton>(ids::kCancel), &QPushButton::clicked, this, &QDialog::reject);

    // The focus starts on the first control of the tab order that takes it:
    // the ID field in Add, the OK button in Rename.
    for (QWidget* widget : controls.All()) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocus();
            break;
        }
    }
}

QLineEdit* CHolidayIdDialog::IdEdit() const {
    return controls.Get<QLineEdit>(ids::kHolidayIdEdit);
}

void CHolidayIdDialog::accept() {
    const std::string text = IdEdit()->text().toStdString();
    const std::optional<std::string> bytes = offered.BytesOf(text);
    QString problem;
    if (!bytes.has_value()) {
        problem = UnheldCharacterMessage(FirstUnheldCharacter(offered.CodePage(), text).value_or(U'\uFFFD'),
                                         offered.CodePage());
    } else if (bytes->size() > kMaxIdBytes) {
        problem = QStringLiteral("ID must not be longer than %1 bytes in the file!").arg(kMaxIdBytes);
    }
    if (!problem.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, CQtEditorDialogs::ApplicationTitle(), problem, QMessageBox::Ok, this);
        box.exec();
        IdEdit()->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<std::string> CHolidayIdDialog::Ask() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return offered.BytesOf(IdEdit()->text().toStdString());
}
