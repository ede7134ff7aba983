#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "editor/IEditorDialogs.h"
#include "resources/ControlIds.h"

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save your work?");

}  // namespace

void CEditorWindow::OnFileNew() {
    if (document.GetHolidayCount() > 0) {
        const IEditorDialogs::Answer answer = Dialogs().AskYesNoCancel(kSaveQuestion);
        if (answer == IEditorDialogs::Answer::Cancel) {
            return;
        }
        if (answer == IEditorDialogs::Answer::Yes) {
            OnFileSave();
        }
    }
    document.Clear();
    FillFromDocument();
    currentId.clear();
    currentRuleset = -1;
    List(ids::kIdList)->Select(-1);
    OnHolidaySelected();
    OnRefresh();
    filePath.clear();
    setWindowTitle(QStringLiteral("Tavrin"));
}

void CEditorWindow::OnFileOpen() {
    // Placeholder until the file commands land.
}

void CEditorWindow::OnFileSave() {
    // Placeholder until the file commands land.
}

void CEditorWindow::OnFileSaveAs() {
    // Placeholder until the file commands land.
}

void CEditorWindow::OnFileExit() { OnCancel(); }

void CEditorWindow::OnCancel() {
    if (document.GetHolidayCount() > 0) {
        const IEditorDialogs::Answer answer = Dialogs().AskYesNoCancel(kSaveQuestion);
        if (answer == IEditorDialogs::Answer::Cancel) {
            return;
        }
        if (answer == IEditorDialogs::Answer::Yes) {
            OnFileSave();
        }
    }
    EndWindow();
}
