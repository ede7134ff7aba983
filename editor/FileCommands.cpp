#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"

#include <QFile>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <utility>

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save your work?");
const QString kUntitledTitle = QStringLiteral("Tavrin");

QString TitledCaption(const QString& path) {
    return kUntitledTitle + QStringLiteral(" - ") + path;
}

std::filesystem::path NativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString SaveFailureMessage(const QString& path, const std::string& reason, bool fileUnchanged) {
    QString message = QStringLiteral("Cannot save \"%1\": %2.").arg(path, QString::fromStdString(reason));
    if (fileUnchanged) {
        message += QStringLiteral("\nThe file on disk is unchanged.");
    }
    return message;
}

// Writes the document to the file, or says why not. Without the right to
// write there, the document can still go somewhere else.
bool WriteOrReport(const CHolidays& document, const QString& path, IEditorDialogs& dialogs) {
    try {
        SaveHolidayFile(document, NativePath(path));
        return true;
    } catch (const CHolidayFileError& error) {
        dialogs.ShowError(SaveFailureMessage(path, error.what(), true));
    } catch (const CFileAccessError& error) {
        QString message = SaveFailureMessage(path, error.Reason(), !error.Replaced());
        if (error.Code() == EACCES || error.Code() == EPERM || error.Code() == EROFS) {
            message += QStringLiteral("\nUse Save as to save the document somewhere else.");
        }
        dialogs.ShowError(message);
    } catch (const std::bad_alloc&) {
        dialogs.ShowError(SaveFailureMessage(path, "there is not enough memory to save it", true));
    }
    return false;
}

QString OpenFailureMessage(const QString& path, const std::string& reason) {
    return QStringLiteral("Cannot open \"%1\": %2.\nThe editor keeps the document it had.")
        .arg(path, QString::fromStdString(reason));
}

// The bytes after the last holiday are not part of the document, so a save
// leaves them out.
QString TrailingBytesNotice(const QString& path, std::size_t count) {
    const QString amount = count == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(count);
    return QStringLiteral("\"%1\": %2 after the last holiday will not be kept when the document is saved.")
        .arg(path, amount);
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

bool CEditorWindow::SaveDocument() {
    if (filePath.isEmpty()) {
        return SaveDocumentAs();
    }
    StoreForm();
    return WriteOrReport(document, filePath, Dialogs());
}

bool CEditorWindow::SaveDocumentAs() {
    StoreForm();
    const std::optional<QString> chosen = Dialogs().ChooseSaveFile(filePath);
    if (!chosen || !WriteOrReport(document, *chosen, Dialogs())) {
        return false;
    }
    filePath = *chosen;
    setWindowTitle(TitledCaption(filePath));
    return true;
}

void CEditorWindow::OnFileNew() {
    if (!AskToSaveWork()) {
        return;
    }
    document.Clear();
    FillFromDocument();
    ForgetShownHoliday();
    List(ids::kIdList)->Select(-1);
    OnHolidaySelected();
    OnRefresh();
    filePath.clear();
    setWindowTitle(kUntitledTitle);
}

void CEditorWindow::OnFileOpen() {
    if (!AskToSaveWork()) {
        return;
    }
    if (const std::optional<QString> chosen = Dialogs().ChooseOpenFile(filePath)) {
        OpenDocument(*chosen);
    }
}

void CEditorWindow::OpenDocument(const QString& path) {
    // Loaded on the side, so that a file that cannot be read leaves the
    // editor as it was.
    CHolidays loaded;
    std::size_t trailingBytes = 0;
    try {
        trailingBytes = LoadHolidayFile(loaded, NativePath(path));
    } catch (const CFileAccessError& error) {
        Dialogs().ShowError(OpenFailureMessage(path, error.Reason()));
        return;
    } catch (const CHolidayFileError& error) {
        Dialogs().ShowError(OpenFailureMessage(path, error.what()));
        return;
    } catch (const std::bad_alloc&) {
        // A document takes many times its file's size in memory.
        Dialogs().ShowError(OpenFailureMessage(path, "there is not enough memory to load it"));
        return;
    }
    document = std::move(loaded);
    filePath = path;
    FillFromDocument();
    // The old form belongs to the old document and must not be stored into
    // the new one.
    ForgetShownHoliday();
    List(ids::kIdList)->Select(0);
    OnHolidaySelected();
    OnRefresh();
    setWindowTitle(TitledCaption(filePath));
    if (trailingBytes > 0) {
        Dialogs().ShowInformation(TrailingBytesNotice(filePath, trailingBytes));
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
