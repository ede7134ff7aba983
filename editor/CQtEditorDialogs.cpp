// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CQtEditorDialogs.h"

#include "editor/CAboutBox.h"
#include "editor/CHolidayIdDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>

namespace {

const QString kHolidayFiles = QStringLiteral("Holiday Files (*.hol)");
const QString kAllFiles = QStringLiteral("All Files (*.*)");
// What "All Files (*.*)" selects: every file, also one whose name has no dot.
const QString kEveryFile = QStringLiteral("All Files (*)");

// Both file commands use Qt's own dialog, which behaves the same on every
// desktop. It starts at the given file and offers holiday files, then all
// files.
void PrepareFileDialog(QFileDialog& dialog, const QString& initialPath) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kHolidayFiles, kEveryFile});
    // Qt takes a filter's patterns from its text, and "*.*" would hide names
    // without a dot and turn a typed "x.hol" into "x.*"; the list shows the
    // filter "*" under its usual text.
    if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        types->setItemText(1, kAllFiles);
    }
    if (!initialPath.isEmpty()) {
        dialog.selectFile(initialPath);
    }
    // Wide enough for the columns of the detail view (name, size, type and
    // the whole date), held to the screen.
    const QFontMetrics metrics(dialog.font());
    QSize size(metrics.averageCharWidth() * 125, metrics.height() * 28);
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    dialog.resize(size);
}

std::optional<QString> ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

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
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

IEditorDialogs::Answer CQtEditorDialogs::AskYesNo(const QString& text, Answer defaultAnswer) {
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
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

void CQtEditorDialogs::ShowInformation(const QString& text) {
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> CQtEditorDialogs::ChooseOpenFile(const QString& initialPath) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog, initialPath);
    return ChosenFile(dialog);
}

std::optional<QString> CQtEditorDialogs::ChooseSaveFile(const QString& initialPath) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("hol"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    PrepareFileDialog(dialog, initialPath);
    return ChosenFile(dialog);
}

std::optional<std::string> CQtEditorDialogs::AskNewHolidayId(const CCodePage& codePage) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Add, std::string(), codePage, parent);
    return dialog.Ask();
}

std::optional<std::string> CQtEditorDialogs::AskDuplicateHolidayId(const CCodePage& codePage) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Duplicate, std::string(), codePage, parent);
    return dialog.Ask();
}

std::optional<std::string> CQtEditorDialogs::AskRenamedHolidayId(const std::string& oldId, const CCodePage& codePage) {
    CHolidayIdDialog dialog(CHolidayIdDialog::Purpose::Rename, oldId, codePage, parent);
    return dialog.Ask();
}

std::optional<QString> CQtEditorDialogs::ChoosePdfFile(const QString& initialPath) {
    QFileDialog dialog(parent, QStringLiteral("Export Year Calendar"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("PDF Files (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(initialPath);
    return ChosenFile(dialog);
}

std::optional<QString> CQtEditorDialogs::AskFindText(const QString& initialText) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, QStringLiteral("Find Holiday"),
                                               QStringLiteral("Find a holiday whose ID or display text contains:"),
                                               QLineEdit::Normal, initialText, &accepted);
    return accepted ? std::optional<QString>(text) : std::nullopt;
}

void CQtEditorDialogs::ShowAbout() {
    CAboutBox box(parent);
    box.exec();
}
