#pragma once

#include "core/CodePage.h"
#include "core/FileIdentity.h"
#include "core/WindowsLocale.h"
#include "editor/CDialogControls.h"
#include "model/CHolidays.h"
#include "model/PreviewReport.h"

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QString>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCodePageTextBinding;
class CComboList;
class IEditorDialogs;
class QAbstractButton;
class QAction;
class QLineEdit;
class QMenuBar;

// The program's main window (dialog 102 with the File menu): a fixed-size
// modal dialog that owns the document and shows one of its holidays in a
// form beside the preview of a chosen year.
//
// The controls hold the values being edited; they reach the document only
// when the form is stored (StoreForm). Control enabling is recomputed from
// the shown holiday, ruleset and shift rule whenever the event loop has run
// out of events (UpdateControlStates).
class CEditorWindow : public QDialog {
    Q_OBJECT

public:
    // Every question and file choice goes through `dialogs`; without one the
    // window uses the real Qt dialogs. The window does not take ownership.
    explicit CEditorWindow(IEditorDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CEditorWindow() override;

    // Controls by their ids (resources/ControlIds.h); nullptr for an unknown
    // id or a control of another kind.
    QWidget* Control(int id) const { return controls.Widget(id); }
    template <class T>
    T* Control(int id) const {
        return controls.Get<T>(id);
    }
    CComboList* List(int id) const;
    QLineEdit* Edit(int id) const;
    QAbstractButton* Button(int id) const;
    // The menu item of a command id (ids::kFileNew ... ids::kAboutBox).
    QAction* MenuAction(int commandId) const;

    const CHolidays& Document() const { return document; }
    // The open file's path as text (bytes that are no character of the
    // file-name encoding as replacement characters); empty when untitled.
    QString FilePath() const;
    const std::string& CurrentId() const { return currentId; }
    int CurrentRuleset() const { return currentRuleset; }
    int CurrentShiftRule() const { return currentShiftRule; }
    const QFont& DisplayFont() const { return displayFont; }
    // The code page of the selected language, in which the window shows the
    // document's texts (IDs, display texts) and reads typed ones.
    const CCodePage& TextCodePage() const { return textCodePage; }
    // The bytes behind the Display edit 1042, shown in the code page of the
    // selected language.
    CCodePageTextBinding& DisplayText() const { return *displayText; }
    // The text of the preview 1005 (UTF-8, lines ending in "\r\n"): the dates
    // in the user's locale, the display texts in the selected language's code
    // page.
    const std::string& PreviewReport() const { return previewReport; }

    // Sets the enabled state of every control from the shown holiday, the
    // selected ruleset and shift rule and the checked radio buttons.
    void UpdateControlStates();

    // Form binding.
    void StoreForm();
    void FillFromDocument();
    void AddIdToLists(const std::string& id);
    void RemoveIdFromLists(const std::string& id);
    void ShowRuleset(const CRuleset& ruleset);
    void ShowShiftRule(const CShiftRule& shiftRule);

    // Holiday commands.
    void OnAddHoliday();
    void OnRenameHoliday();
    void OnDeleteHoliday();
    void OnHolidaySelected();

    // Ruleset commands.
    void OnRulesetSelected();
    void OnAddRuleset();
    void OnDeleteRuleset();

    // Shift-rule commands.
    void OnShiftRuleSelected();
    void OnAddShiftRule();
    void OnDeleteShiftRule();

    // Year preview.
    void OnRefresh();
    void OnYearSelected();
    // Shows the holidays of the last rebuild in the preview, in the selected
    // language's code page.
    void ShowPreview();

    // File commands and closing.
    void OnFileNew();
    void OnFileOpen();
    // The end of File > Open once the file is chosen, also used at start-up:
    // shows the file at the absolute `path` (bytes, as the system names it),
    // or says why it cannot and keeps the document and file the window had.
    void OpenDocument(const std::filesystem::path& path);
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExit();
    void OnOK();
    void OnCancel();

    // Language selection.
    void OnLanguageSelected();
    // Shows the document's texts in the code page of the selected language.
    void ApplyLanguageFont();
    // Selects the item of the language in 1040. A language the list does not
    // offer is shown as an extra item ("Unknown language (0x1234)"), so that
    // the next store keeps it.
    void SelectLanguage(LCID language);
    // The language to store: the selected item's LCID, or the document's
    // language when no item is selected.
    LCID SelectedLanguage() const;

    // Enter and every other "OK" route: OnOK. Esc, the close box: OnCancel.
    void accept() override;
    void reject() override;

protected:
    // Ends the modal run (the end of OnCancel).
    void EndWindow();

    IEditorDialogs& Dialogs() const { return *dialogs; }

private:
    void BuildMenu(QMenuBar& menuBar);
    void OnAboutBox();
    void ConnectSignals();
    void Initialise();
    void FillMonthAndWeekdayLists();
    void FillYearList();
    void FillLanguageList();
    // The first part of ApplyLanguageFont: the code page and font of the
    // selected language, without showing the lists and the preview again.
    void UseLanguageCodePage();
    // Shows the IDs of the ID list and the reference lists in TextCodePage().
    void ShowIdsInTextCodePage();
    // File commands (FileCommands.cpp). AskToSaveWork asks the save question
    // when there is work to lose and gives whether the command may go on;
    // SaveDocument and SaveDocumentAs give whether the document was written.
    // Position of the holiday the form shows, or -1 when none is shown.
    int FindShownHoliday() const;
    // Detaches the form from the document before another document is shown.
    void ForgetShownHoliday();
    bool AskToSaveWork();
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks whether the open file may be replaced when another program
    // changed, moved or deleted it since the window last read or wrote it;
    // true when it may.
    bool MayReplaceOpenFile();
    // Writes the document to `path`, which the window then names when the
    // file holds the document; says why not. True when written completely.
    bool WriteDocument(const std::filesystem::path& path);

    CDialogControls controls;
    std::unique_ptr<IEditorDialogs> ownDialogs;
    IEditorDialogs* dialogs = nullptr;
    std::map<int, QAction*> menuActions;
    std::unique_ptr<CCodePageTextBinding> displayText;
    std::vector<CPreviewEntry> previewEntries;  // of the last rebuild
    std::string previewReport;
    std::optional<LCID> unlistedLanguage;  // the LCID of the extra language item, if any
    CCodePage textCodePage{0};

    CHolidays document;
    std::filesystem::path filePath;
    // The open file as the window last read or wrote it; nothing when unknown.
    std::optional<CFileIdentity> fileIdentity;
    std::string currentId;
    // Whether the form shows the holiday currentId. An empty ID alone cannot
    // say "none shown": a file may hold a holiday whose ID is empty.
    bool holidayShown = false;
    int currentRuleset = -1;
    int currentShiftRule = -1;
    QFont displayFont;
    QIcon icon;
};
