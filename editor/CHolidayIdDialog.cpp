#include "editor/CHolidayIdDialog.h"

#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

CHolidayIdDialog::CHolidayIdDialog(Purpose purpose, const std::string& id, const CCodePage& codePage, QWidget* parent)
    : QDialog(parent), offered(id, codePage) {
    const CDialogTemplate& dialogTemplate =
        purpose == Purpose::Add ? AddHolidayDialogTemplate() : RenameHolidayDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFixedSize(controls.Build(*this, dialogTemplate));

    QLineEdit* edit = IdEdit();
    // A longer ID from a file is shown whole rather than cut.
    const QString offeredText = QString::fromStdString(offered.Text());
    edit->setMaxLength(std::max<int>(kMaxIdLength, static_cast<int>(offeredText.size())));
    edit->setText(offeredText);
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

QLineEdit* CHolidayIdDialog::IdEdit() const { return controls.Get<QLineEdit>(ids::kHolidayIdEdit); }

QString CHolidayIdDialog::TooLongMessage() {
    return QStringLiteral("ID must not be longer than %1 characters!").arg(kMaxIdLength);
}

void CHolidayIdDialog::accept() {
    if (IdEdit()->text().size() > kMaxIdLength) {
        QMessageBox box(QMessageBox::Critical, CQtEditorDialogs::ApplicationTitle(), TooLongMessage(), QMessageBox::Ok,
                        this);
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
