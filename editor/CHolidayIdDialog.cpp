#include "editor/CHolidayIdDialog.h"

#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMaxIdLength = 64;

}  // namespace

CHolidayIdDialog::CHolidayIdDialog(Purpose purpose, const std::string& id, QWidget* parent) : QDialog(parent) {
    const CDialogTemplate& dialogTemplate =
        purpose == Purpose::Add ? AddHolidayDialogTemplate() : RenameHolidayDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFixedSize(controls.Build(*this, dialogTemplate));

    QLineEdit* edit = IdEdit();
    edit->setMaxLength(kMaxIdLength);
    edit->setText(QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())));
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

std::optional<std::string> CHolidayIdDialog::Ask() {
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return IdEdit()->text().toStdString();
}
