#include "editor/CQtEditorDialogs.h"

#include "editor/CAboutBox.h"
#include "editor/CHolidayIdDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const QString kFileFilter = QStringLiteral("Holiday Files (*.hol);;All Files (*.*)");

}  // namespace

CQtEditorDialogs::CQtEditorDialogs(QWidget* parentWidget) : parent(parentWidget) {}

QString CQtEditorDialogs::ApplicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

IEditorDialogs::Answer CQtEditorDialogs::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool CQtEditorDialogs::AskOkCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void CQtEditorDialogs::ShowError(const QString& text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> CQtEditorDialogs::ChooseOpenFile(const QString& initialPath) {
    QFileDialog dialog(parent, QString(), initialPath, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!initialPath.isEmpty()) {
        dialog.selectFile(initialPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

std::optional<QString> CQtEditorDialogs::ChooseSaveFile(const QString& initialPath) {
    QFileDialog dialog(parent, QString(), initialPath, kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("hol"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!initialPath.isEmpty()) {
        dialog.selectFile(initialPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

std::optional<std::string> CQtEditorDialogs::AskNewHolidayId(const CCodePage& codePage) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, std::string(), codePage, parent);
    return dialog.Ask();
}

std::optional<std::string> CQtEditorDialogs::AskRenamedHolidayId(const std::string& oldId, const CCodePage& codePage) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, oldId, codePage, parent);
    return dialog.Ask();
}

void CQtEditorDialogs::ShowAbout() {
    CAboutBox box(parent);
    box.exec();
}
