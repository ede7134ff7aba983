#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "model/HolidayFile.h"
#include "resources/ControlIds.h"

#include <QFile>
#include <QSaveFile>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save your work?");
const QString kUntitledTitle = QStringLiteral("Tavrin");

QString TitledCaption(const QString& path) { return kUntitledTitle + QStringLiteral(" - ") + path; }

// Writes the document to the file through a temporary file beside it that
// is renamed into place only once it is complete, so that a failure leaves
// the file on disk as it was. Gives the reason of a failure.
std::optional<QString> WriteHolidayFile(const CHolidays& document, const QString& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = SaveHolidayBytes(document);
    } catch (const CHolidayFileError& error) {
        return QString::fromStdString(error.what());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

bool WriteOrReport(const CHolidays& document, const QString& path, IEditorDialogs& dialogs) {
    const std::optional<QString> failure = WriteHolidayFile(document, path);
    if (failure) {
        dialogs.ShowError(QStringLiteral("Cannot save \"%1\": %2.\nThe file on disk is unchanged.")
                              .arg(path, *failure));
    }
    return !failure;
}

// The reader's message as a sentence that names the file: its messages about
// the file itself name it already, those about the content do not.
QString OpenFailureMessage(const QString& path, const CHolidayFileError& error) {
    QString message = QString::fromStdString(error.what());
    if (!message.contains(path)) {
        message = QStringLiteral("cannot open \"%1\": %2").arg(path, message);
    }
    message[0] = message[0].toUpper();
    return message + QStringLiteral(".\nThe editor keeps the document it had.");
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
    case IEditorDialogs::Answer::No:
        return true;
    case IEditorDialogs::Answer::Cancel:
        break;
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
    const std::optional<QString> chosen = Dialogs().ChooseOpenFile(filePath);
    if (!chosen) {
        return;
    }
    // Loaded on the side, so that a file that cannot be read leaves the
    // editor as it was.
    CHolidays loaded;
    try {
        LoadHolidayFile(loaded, QFile::encodeName(*chosen).toStdString());
    } catch (const CHolidayFileError& error) {
        Dialogs().ShowError(OpenFailureMessage(*chosen, error));
        return;
    }
    document = std::move(loaded);
    filePath = *chosen;
    FillFromDocument();
    // The old form belongs to the old document and must not be stored into
    // the new one.
    ForgetShownHoliday();
    List(ids::kIdList)->Select(0);
    OnHolidaySelected();
    OnRefresh();
    setWindowTitle(TitledCaption(filePath));
}

void CEditorWindow::OnFileSave() { SaveDocument(); }

void CEditorWindow::OnFileSaveAs() { SaveDocumentAs(); }

void CEditorWindow::OnFileExit() { OnCancel(); }

void CEditorWindow::OnCancel() {
    if (AskToSaveWork()) {
        EndWindow();
    }
}
