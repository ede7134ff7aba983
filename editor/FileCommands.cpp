// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileAccess.h"
#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/CIdLists.h"
#include "editor/IEditorDialogs.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"

#include <QAction>
#include <QByteArray>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

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

// What a failed save left on disk, as its message says.
enum class ELeftOnDisk { Unchanged, Nothing, Replaced };

QString SaveFailureMessage(const fs::path& path, const std::string& reason, ELeftOnDisk left) {
    QString message = QStringLiteral("Cannot save \"%1\": %2.").arg(PathText(path), QString::fromStdString(reason));
    switch (left) {
    case ELeftOnDisk::Unchanged: message += QStringLiteral("\nThe file on disk is unchanged."); break;
    case ELeftOnDisk::Nothing: message += QStringLiteral("\nNothing was written."); break;
    case ELeftOnDisk::Replaced: break;
    }
    return message;
}

// At start-up the editor has no document of its own yet.
QString OpenFailureMessage(const fs::path& path, const std::string& reason, bool atStart) {
    return QStringLiteral("Cannot open \"%1\": %2.\n%3")
        .arg(PathText(path), QString::fromStdString(reason),
             atStart ? QStringLiteral("The editor starts with an empty document.")
                     : QStringLiteral("The editor keeps the document it had."));
}

// The holiday file among dropped files: the first local file named *.hol.
std::optional<fs::path> DroppedHolidayFile(const QMimeData* data) {
    if (data == nullptr) {
        return std::nullopt;
    }
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (url.isLocalFile() && file.endsWith(QStringLiteral(".hol"), Qt::CaseInsensitive)) {
            return NativePath(file);
        }
    }
    return std::nullopt;
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
    std::error_code noFile;
    const ELeftOnDisk untouched = fs::exists(path, noFile) ? ELeftOnDisk::Unchanged : ELeftOnDisk::Nothing;
    try {
        fileIdentity = SaveHolidayFile(document, path);
        filePath = path;
        recentFiles.Add(filePath);
        FillRecentMenu();
        return true;
    } catch (const CHolidayFileError& error) {
        Dialogs().ShowError(SaveFailureMessage(path, error.what(), untouched));
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
        QString message =
            SaveFailureMessage(path, error.Reason(), error.Replaced() ? ELeftOnDisk::Replaced : untouched);
        // Without the right to write there, the document can still go
        // somewhere else.
        if (error.Code() == EACCES || error.Code() == EPERM || error.Code() == EROFS) {
            message += QStringLiteral("\nUse Save as to save the document somewhere else.");
        }
        Dialogs().ShowError(message);
    } catch (const std::bad_alloc&) {
        Dialogs().ShowError(SaveFailureMessage(path, "there is not enough memory to save it", untouched));
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
    // The preview just built shows the document as the cleared history will
    // stand, which need not build it again.
    previewPlace = CHistoryPlace{};
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

void CEditorWindow::OpenStartFile(const fs::path& path) {
    OpenDocument(path, true);
}

void CEditorWindow::OpenDocument(const fs::path& path, bool atStart) {
    // Loaded on the side, so that a file that cannot be read leaves the
    // editor as it was.
    CHolidays loaded;
    std::size_t trailingBytes = 0;
    CFileIdentity identity;
    const std::optional<fs::path> backup = LeftBackupOf(path);
    const auto fail = [&](const std::string& reason) {
        QString message = OpenFailureMessage(path, reason, atStart);
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
    disposal.Dispose(std::exchange(document, std::move(loaded)));
    filePath = path;
    fileIdentity = identity;
    ShowWholeDocument(0);
    setWindowTitle(TitledCaption(filePath));
    recentFiles.Add(filePath);
    FillRecentMenu();
    if (trailingBytes > 0) {
        Dialogs().ShowInformation(TrailingBytesNotice(filePath, trailingBytes));
    }
    if (backup) {
        Dialogs().ShowInformation(LeftBackupNotice(*backup));
    }
}

void CEditorWindow::FillRecentMenu() {
    recentMenu->clear();
    int number = 0;
    for (const fs::path& file : recentFiles.Files()) {
        const QString text =
            QStringLiteral("&%1 %2").arg(++number).arg(PathText(file).replace(u'&', QStringLiteral("&&")));
        connect(recentMenu->addAction(text), &QAction::triggered, this, [this, file] { OpenRecent(file); });
    }
    recentMenu->setEnabled(number > 0);
}

void CEditorWindow::OpenRecent(const fs::path& path) {
    std::error_code noFile;
    if (!fs::exists(path, noFile)) {
        Dialogs().ShowError(QStringLiteral("The file \"%1\" no longer exists. It is removed from the recent files.")
                                .arg(PathText(path)));
        recentFiles.Remove(path);
        FillRecentMenu();
        return;
    }
    if (AskToSaveWork()) {
        OpenDocument(path);
    }
}

void CEditorWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedHolidayFile(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CEditorWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedHolidayFile(event->mimeData())) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CEditorWindow::dropEvent(QDropEvent* event) {
    const std::optional<fs::path> file = DroppedHolidayFile(event->mimeData());
    if (!file) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (AskToSaveWork()) {
        OpenDocument(fs::absolute(*file).lexically_normal());
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
