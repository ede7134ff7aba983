// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"
#include "core/FileIdentity.h"
#include "core/WindowsLocale.h"
#include "editor/CDialogControls.h"
#include "editor/CDisposal.h"
#include "editor/CEditCommand.h"
#include "editor/CEditorView.h"
#include "editor/CFormBinding.h"
#include "editor/CRecentFiles.h"
#include "editor/CSelection.h"
#include "model/CHolidays.h"
#include "model/DateOrigins.h"
#include "model/PreviewReport.h"

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QString>
#include <QUndoStack>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCodePageTextBinding;
class CComboList;
class CCheckWindow;
class CEditDraft;
class CYearCalendarView;
class CIdLists;
class IEditorDialogs;
class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMenu;
class QMenuBar;

// The program's main window (dialog 102 with the File, Edit and Help menus):
// a fixed-size modal dialog that owns the document and shows one of its
// holidays in a form beside the preview of a chosen year.
//
// The controls hold the values being edited; they reach the document only
// when the form is stored. Every change of the document is a command on the
// undo stack (CEditCommand), which a store of the form that changes it is
// too. Control enabling is recomputed whenever the event loop has run out of
// events.
class CEditorWindow : public QDialog, private IEditTarget {
    Q_OBJECT

public:
    // Every question and file choice goes through `dialogs`; without one the
    // window uses the real Qt dialogs. The window does not take ownership.
    explicit CEditorWindow(IEditorDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~CEditorWindow() override;

    // Shows the file named on the command line, at the absolute `path`
    // (bytes, as the system names it), as File > Open shows it, or says why
    // it cannot and goes on with the empty document.
    void OpenStartFile(const std::filesystem::path& path);

    // What the window shows and holds, for tests and tools.
    const CEditorView& View() const { return view; }

    // Enter and every other "OK" route: OnOK. Esc, the close box: OnCancel.
    void accept() override;
    void reject() override;

private slots:
    // Holiday commands (HolidayCommands.cpp).
    void OnAddHoliday();
    void OnRenameHoliday();
    void OnDeleteHoliday();
    void OnDuplicateHoliday();
    void OnHolidaySelected();
    // Ruleset commands (RulesetCommands.cpp).
    void OnRulesetSelected();
    void OnAddRuleset();
    void OnDeleteRuleset();
    // Shift-rule commands (ShiftRuleCommands.cpp).
    void OnShiftRuleSelected();
    void OnAddShiftRule();
    void OnDeleteShiftRule();
    // Year preview (YearPreview.cpp).
    void OnRefresh();
    void OnYearSelected();
    // View > Live Preview: the preview rebuilt after every command.
    void OnLivePreview(bool on);
    // After every command, and when the history moves.
    void OnDocumentChanged();
    // A preview line's holiday, chosen by a double-click or its context
    // menu, shown in the form.
    void OnPreviewEntryChosen(int row);
    // View > Year Calendar, a click on one of its days, File > Export Year
    // Calendar (YearCalendarCommands.cpp).
    void OnYearCalendar();
    void OnCalendarDayChosen(const CDateTime& date);
    void OnExportYearCalendar();
    // Tools > Check Document (CheckCommands.cpp): the findings in a window
    // of their own, kept up to date after each command while it is shown;
    // a finding's holiday, chosen there.
    void OnCheckDocument();
    void OnFindingChosen(int holidayIndex);
    // File commands and closing (FileCommands.cpp).
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileExit();
    void OnOK();
    void OnCancel();
    // Undo and Redo (EditCommands.cpp).
    void OnUndo();
    void OnRedo();
    // Find Holiday and Find Next (FindCommands.cpp).
    void OnFindHoliday();
    void OnFindNext();
    // Open Recent (FileCommands.cpp): refills the submenu from the settings.
    void FillRecentMenu();
    // Language selection (LanguageSelection.cpp).
    void OnLanguageSelected();
    void OnAboutBox();
    // Sets the enabled state of every control from the shown holiday, the
    // selected ruleset and shift rule and the checked radio buttons.
    void UpdateControlStates();

private:
    friend class CEditorView;

    // Construction (CEditorWindow.cpp).
    // The room for the window on its screen, its frame left out.
    QSize AvailableSize() const;
    void BuildMenu(QMenuBar& menuBar);
    void ConnectSignals();
    void Initialise();
    void FillMonthAndWeekdayLists();
    void FillYearList();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A holiday file dropped on the window opens as File > Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // The form (EditCommands.cpp).
    // Stores the form into the document as a command of its own, when that
    // changes the document.
    void StoreForm(CFormBinding::EStored stored = CFormBinding::EStored::Shown);
    // A draft of a command's changes that begins with the form's store.
    CEditDraft DraftStoringForm(CFormBinding::EStored stored = CFormBinding::EStored::Shown) const;
    // The store the form would make as it shows now, without accepting text
    // still being typed into the occurrence field.
    CEditDraft DraftOfForm(CFormBinding::EStored stored) const;
    // Pushes the draft's changes as one command, which makes them and shows
    // `after`; nothing when the draft changes nothing.
    void Commit(CEditDraft& draft, const QString& text, const CSelection& after);
    // The selection that shows the holiday (nothing: none) with its first
    // ruleset and that ruleset's first shift rule.
    static CSelection ShowingHoliday(const std::optional<std::string>& id, const CHoliday& holiday);
    // Position of the holiday the form shows, or -1 when none is shown.
    int FindShownHoliday() const;
    // The ID as the lists show it.
    QString IdText(const std::string& id) const;

    // IEditTarget.
    CHolidays& EditedDocument() override { return document; }
    CIdLists& EditedIdLists() override { return *idLists; }
    void ShowForm(const CSelection& shown) override;

    // Files (FileCommands.cpp). AskToSaveWork asks the save question when
    // there is work to lose and gives whether the command may go on;
    // SaveDocument and SaveDocumentAs give whether the document was written.
    // The end of New and Open: shows the document with the ID list's item at
    // the position selected (none: -1), its preview, and an empty history.
    void ShowWholeDocument(int selectedId);
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
    // The end of File > Open once the file is chosen: shows the file at the
    // absolute `path`, or says why it cannot and keeps the document and file
    // the window had (at start-up: the empty document).
    void OpenDocument(const std::filesystem::path& path, bool atStart = false);
    // The file of an Open Recent item, once it is chosen.
    void OpenRecent(const std::filesystem::path& path);
    // Ends the modal run (the end of OnCancel).
    void EndWindow();
    IEditorDialogs& Dialogs() const { return *dialogs; }

    // The preview (YearPreview.cpp). RebuildPreview shows the holidays of
    // the selected year as the document has them (the form is not stored);
    // ShowPreview shows the last rebuild in the selected language's code
    // page; UpdatePreviewMark greys it while it does not match the document:
    // after a command, and while the form holds an edit not stored.
    void RebuildPreview();
    void ShowPreview();
    // The year calendar, when it is open, as the preview shows the year.
    void ShowYearCalendar();
    // Runs the check for the check window (at most once per turn of the
    // event loop, however many commands ask).
    void ScheduleCheck();
    // Where the date of a preview line comes from, and as its tooltip says;
    // nothing while the preview is stale.
    std::optional<CDateOrigin> OriginOfPreviewLine(std::size_t row);
    QString ExplainPreviewLine(std::size_t row);
    void UpdatePreviewMark();
    // Where the document stands in its history: the undo stack's index and
    // the command that led there.
    struct CHistoryPlace {
        int index = 0;
        const QUndoCommand* command = nullptr;
        bool operator==(const CHistoryPlace&) const = default;
    };
    CHistoryPlace HistoryPlace() const;

    // Language selection (LanguageSelection.cpp).
    void FillLanguageList();
    // Selects the item of the language. A language the list does not offer
    // is shown as an extra item ("Unknown language (0x1234)"), so that the
    // next store keeps it.
    void SelectLanguage(LCID language);
    // The selected item's LCID, or the document's language without a selection.
    LCID SelectedLanguage() const;
    // Shows the document's texts in the code page of the selected language.
    void ApplyLanguageFont();
    // The code page and font of the selected language, without showing the
    // lists and the preview again.
    void UseLanguageCodePage();

    CDialogControls controls;
    CEditorView view{*this};
    std::unique_ptr<IEditorDialogs> ownDialogs;
    IEditorDialogs* dialogs = nullptr;
    std::map<int, QAction*> menuActions;
    std::unique_ptr<CCodePageTextBinding> displayText;
    std::unique_ptr<CFormBinding> form;
    std::unique_ptr<CIdLists> idLists;
    QUndoStack undoStack;
    CRecentFiles recentFiles;
    QMenu* recentMenu = nullptr;
    CYearCalendarView* yearCalendar = nullptr;  // a window of its own once opened
    CCheckWindow* checkWindow = nullptr;        // a window of its own once opened
    bool checkScheduled = false;                // a check of the shown window at the next turn
    QString findText;                           // of the last Find Holiday
    CHistoryPlace previewPlace;                 // of the document the preview was built from
    bool previewRebuildFollows = false;         // while a command that rebuilds the preview stores the form
    std::optional<LCID> unlistedLanguage;       // the LCID of the extra language item, if any
    CCodePage textCodePage{0};

    CHolidays document;
    // Frees the document and list items an Open replaces.
    CDisposal disposal;
    std::filesystem::path filePath;
    // The open file as the window last read or wrote it; nothing when unknown.
    std::optional<CFileIdentity> fileIdentity;
    CSelection selection;
    QFont displayFont;
    QIcon icon;
};
