// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileAccess.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "editor/IEditorDialogs.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"

#include <QByteArray>
#include <QFile>
#include <QLineEdit>
#include <QStringList>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;

const QString kSaveQuestion = QStringLiteral("Do you want to save your work?");
const QString kUntitledTitle = QStringLiteral("Tavrin");

// A path as text for the title and messages; bytes that are no character
// of the file-name encoding show as replacement characters.
QString PathText(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

fs::path NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString TitledCaption(const fs::path& path) {
    return kUntitledTitle + QStringLiteral(" - ") + PathText(path);
}

QString SaveFailureMessage(const fs::path& path, const std::string& reason, bool fileUnchanged) {
    QString message = QStringLiteral("Cannot save \"%1\": %2.").arg(PathText(path), QString::fromStdString(reason));
    if (fileUnchanged) {
        message += QStringLiteral("\nThe file on disk is unchanged.");
    }
    return message;
}

QString OpenFailureMessage(const fs::path& path, const std::string& reason) {
    return QStringLiteral("Cannot open \"%1\": %2.\nThe editor keeps the document it had.")
        .arg(PathText(path), QString::fromStdString(reason));
}

// The bytes after the last holiday are not part of the document, so a save
// leaves them out.
QString TrailingBytesNotice(const fs::path& path, std::size_t count) {
    const QString amount = count == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(count);
    return QStringLiteral("\"%1\": %2 after the last holiday will not be kept when the document is saved.")
        .arg(PathText(path), amount);
}

// A save of the file that did not finish left the file's earlier content.
QString LeftBackupNotice(const fs::path& backup) {
    return QStringLiteral(
               "A save of this file did not finish. The file's earlier content is kept in \"%1\"; compare it "
               "with the file, then remove it.")
        .arg(PathText(backup));
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return a == b || fs::equivalent(a, b, error);
}

}  // namespace

bool CEditorWindow::AskToSaveWork() {
    if (document.GetHolidayCount() == 0) {
        return true;
    }
    switch (Dialogs().AskYesNoCancel(kSaveQuestion)) {
    case IEditorDialogs::Answer::Yes:
        // Without a saved file the work would be lost: a failed or cancelled
        // save ends the command that asked.
        return SaveDocument();
    case IEditorDialogs::Answer::No: return true;
    case IEditorDialogs::Answer::Cancel: break;
    }
    return false;
}

bool CEditorWindow::MayReplaceOpenFile() {
    std::optional<CFileIdentity> now;
    try {
        now = FileIdentityOf(filePath);
    } catch (const CFileAccessError&) {
        return true;  // what keeps it from being looked at, the write reports
    }
    if (!fileIdentity || now == fileIdentity) {
        return true;
    }
    if (!now) {
        return Dialogs().AskYesNo(
                   QStringLiteral("The file %1 was deleted or moved. Save it there again?").arg(PathText(filePath)),
                   IEditorDialogs::Answer::Yes) == IEditorDialogs::Answer::Yes;
    }
    // Overwriting would lose the other program's work, so Enter keeps it.
    return Dialogs().AskYesNo(QStringLiteral("The file %1 was changed by another program since Tavrin last read or "
                                             "saved it. Overwrite it?")
                                  .arg(PathText(filePath)),
                              IEditorDialogs::Answer::No) == IEditorDialogs::Answer::Yes;
}

bool CEditorWindow::WriteDocument(const fs::path& path) {
    try {
        fileIdentity = SaveHolidayFile(document, path);
        filePath = path;
        return true;
    } catch (const CHolidayFileError& error) {
        Dialogs().ShowError(SaveFailureMessage(path, error.what(), true));
    } catch (const CFileAccessError& error) {
        if (error.Replaced()) {
            // The file holds the document; only its folder was not synced.
            filePath = path;
            try {
                fileIdentity = FileIdentityOf(path);
            } catch (const CFileAccessError&) {
                fileIdentity.reset();
            }
        }
        QString message = SaveFailureMessage(path, error.Reason(), !error.Replaced());
        // Without the right to write there, the document can still go
        // somewhere else.
        if (error.Code() == EACCES || error.Code() == EPERM || error.Code() == EROFS) {
            message += QStringLiteral("\nUse Save as to save the document somewhere else.");
        }
        Dialogs().ShowError(message);
    } catch (const std::bad_alloc&) {
        Dialogs().ShowError(SaveFailureMessage(path, "there is not enough memory to save it", true));
    }
    return false;
}

bool CEditorWindow::SaveDocument() {
    if (filePath.empty()) {
        return SaveDocumentAs();
    }
    StoreForm();
    return MayReplaceOpenFile() && WriteDocument(filePath);
}

bool CEditorWindow::SaveDocumentAs() {
    StoreForm();
    QString initialPath = PathText(filePath);
    for (;;) {
        const std::optional<QString> chosen = Dialogs().ChooseSaveFile(initialPath);
        if (!chosen) {
            return false;
        }
        const fs::path path = NativePath(*chosen);
        if (!filePath.empty() && IsSameFile(path, filePath)) {
            if (!MayReplaceOpenFile()) {
                return false;
            }
        } else if (std::error_code error; fs::is_regular_file(path, error)) {
            // Another file's content would be lost: No goes back to the
            // dialog. What is no file is refused by the write itself.
            const IEditorDialogs::Answer answer = Dialogs().AskYesNo(
                QStringLiteral("The file %1 already exists. Replace it?").arg(*chosen), IEditorDialogs::Answer::No);
            if (answer == IEditorDialogs::Answer::No) {
                initialPath = *chosen;
                continue;
            }
        }
        const bool written = WriteDocument(path);
        if (filePath == path) {
            setWindowTitle(TitledCaption(filePath));
        }
        return written;
    }
}

void CEditorWindow::ShowWholeDocument(int selectedId) {
    SelectLanguage(document.GetLanguage());
    // As ApplyLanguageFont, except that the lists are filled anew below and
    // the preview is rebuilt: showing the old ones in the new code page
    // first would be work thrown away.
    UseLanguageCodePage();
    view.Edit(ids::kVersionEdit)->setText(QString::number(document.GetVersion()));
    QStringList weekdayNames;
    for (int weekday = 0; weekday < CIdLists::kFirstConditionId; ++weekday) {
        weekdayNames << view.List(ids::kMonthWeekdayList)->Text(weekday);
    }
    idLists->Fill(weekdayNames, document.Holidays(), textCodePage);
    // The old form belongs to the old document and must not be stored into
    // the new one.
    selection.Clear();
    idLists->IdList()->Select(selectedId);
    OnHolidaySelected();
    OnRefresh();
    undoStack.clear();
}

void CEditorWindow::OnFileNew() {
    if (!AskToSaveWork()) {
        return;
    }
    document.Clear();
    ShowWholeDocument(-1);
    filePath.clear();
    fileIdentity.reset();
    setWindowTitle(kUntitledTitle);
}

void CEditorWindow::OnFileOpen() {
    if (!AskToSaveWork()) {
        return;
    }
    if (const std::optional<QString> chosen = Dialogs().ChooseOpenFile(PathText(filePath))) {
        OpenDocument(NativePath(*chosen));
    }
}

void CEditorWindow::OpenDocument(const fs::path& path) {
    // Loaded on the side, so that a file that cannot be read leaves the
    // editor as it was.
    CHolidays loaded;
    std::size_t trailingBytes = 0;
    CFileIdentity identity;
    const std::optional<fs::path> backup = LeftBackupOf(path);
    const auto fail = [&](const std::string& reason) {
        QString message = OpenFailureMessage(path, reason);
        if (backup) {
            message += '\n' + LeftBackupNotice(*backup);
        }
        Dialogs().ShowError(message);
    };
    try {
        trailingBytes = LoadHolidayFile(loaded, path, &identity);
    } catch (const CFileAccessError& error) {
        fail(error.Reason());
        return;
    } catch (const CHolidayFileError& error) {
        fail(error.what());
        return;
    } catch (const std::bad_alloc&) {
        // A document takes many times its file's size in memory.
        fail("there is not enough memory to load it");
        return;
    }
    document = std::move(loaded);
    filePath = path;
    fileIdentity = identity;
    ShowWholeDocument(0);
    setWindowTitle(TitledCaption(filePath));
    if (trailingBytes > 0) {
        Dialogs().ShowInformation(TrailingBytesNotice(filePath, trailingBytes));
    }
    if (backup) {
        Dialogs().ShowInformation(LeftBackupNotice(*backup));
    }
}

void CEditorWindow::OnFileSave() {
    SaveDocument();
}

void CEditorWindow::OnFileSaveAs() {
    SaveDocumentAs();
}

void CEditorWindow::OnFileExit() {
    OnCancel();
}

void CEditorWindow::OnCancel() {
    if (AskToSaveWork()) {
        EndWindow();
    }
}
