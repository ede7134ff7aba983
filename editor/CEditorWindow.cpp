// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CEditorWindow.h"

#include "core/CDateTime.h"
#include "core/LocaleNames.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CFormBinding.h"
#include "editor/CIdLists.h"
#include "editor/CPreviewView.h"
#include "editor/CQtEditorDialogs.h"
#include "editor/EditorSettings.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

}  // namespace

CEditorWindow::CEditorWindow(IEditorDialogs* editorDialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      icon(QString::fromLatin1(kProgramIconPath)) {
    if (editorDialogs == nullptr) {
        ownDialogs = std::make_unique<CQtEditorDialogs>(this);
        editorDialogs = ownDialogs.get();
    }
    dialogs = editorDialogs;

    const CDialogTemplate& dialogTemplate = MainDialogTemplate();
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    auto* menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    BuildMenu(*menuBar);
    const int menuHeight = menuBar->sizeHint().height();
    // The controls lie on a page of their designed size in a scroll area,
    // which shows all of it when the screen has room (and no scroll bars)
    // and scrolls when the window, held to the screen's free area, is
    // smaller, as at a large scale factor.
    auto* page = new QWidget;
    const QSize client = controls.Build(*page, dialogTemplate);
    page->setFixedSize(client);
    auto* scrollArea = new QScrollArea(this);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidget(page);
    const QSize size = QSize(client.width(), client.height() + menuHeight).boundedTo(AvailableSize());
    menuBar->setGeometry(0, 0, size.width(), menuHeight);
    scrollArea->setGeometry(0, menuHeight, size.width(), size.height() - menuHeight);
    setFixedSize(size);
    // The control that takes the focus scrolls into view.
    connect(qApp, &QApplication::focusChanged, scrollArea, [scrollArea, page](QWidget*, QWidget* focused) {
        if (focused != nullptr && page->isAncestorOf(focused)) {
            scrollArea->ensureWidgetVisible(focused);
        }
    });

    displayText = std::make_unique<CCodePageTextBinding>(view.Edit(ids::kDisplayEdit));
    form = std::make_unique<CFormBinding>(controls, *displayText);
    idLists = std::make_unique<CIdLists>(controls, disposal);
    // A line edit takes Ctrl+Z for its own typing only while it has some to
    // undo; otherwise the key reaches the Edit menu.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }

    ConnectSignals();
    Initialise();
}

CEditorWindow::~CEditorWindow() {
    // The history clears itself when it is destroyed, after the document:
    // its signals must not reach the window's handlers any more.
    undoStack.disconnect(this);
}

QSize CEditorWindow::AvailableSize() const {
    // The frame that the window manager adds is not known before the window
    // is shown; a title bar and a border of the style's size stand for it.
    const QSize available = screen()->availableGeometry().size();
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return available - QSize(2 * frame, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * frame);
}

void CEditorWindow::BuildMenu(QMenuBar& menuBar) {
    // Undo and Redo come from the stack, which names the command they take
    // back or make again and enables them; both first store the form.
    QAction* undo = undoStack.createUndoAction(this);
    QAction* redo = undoStack.createRedoAction(this);
    for (QAction* action : {undo, redo}) {
        disconnect(action, &QAction::triggered, &undoStack, nullptr);
    }
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menuActions[ids::kEditUndo] = undo;
    menuActions[ids::kEditRedo] = redo;

    for (const CMenuTemplate& menuTemplate : MainMenuTemplate()) {
        QMenu* menu = menuBar.addMenu(QString::fromUtf8(menuTemplate.text));
        for (const CMenuItemTemplate& item : menuTemplate.items) {
            if (item.commandId == 0) {
                menu->addSeparator();
            } else if (item.commandId == ids::kFileRecent) {
                recentMenu = menu->addMenu(QString::fromUtf8(item.text));
                menuActions[item.commandId] = recentMenu->menuAction();
            } else if (const auto given = menuActions.find(item.commandId); given != menuActions.end()) {
                menu->addAction(given->second);
            } else {
                menuActions[item.commandId] = menu->addAction(QString::fromUtf8(item.text));
            }
        }
    }
    // The desktop's standard shortcuts; Save as has none on some desktops.
    const auto standard = [](QKeySequence::StandardKey key, QKeySequence fallback = {}) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        return keys.isEmpty() && !fallback.isEmpty() ? QList<QKeySequence>{fallback} : keys;
    };
    const std::pair<int, QList<QKeySequence>> shortcuts[] = {
        {ids::kFileNew, standard(QKeySequence::New)},
        {ids::kFileOpen, standard(QKeySequence::Open)},
        {ids::kFileSave, standard(QKeySequence::Save)},
        {ids::kFileSaveAs, standard(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S))},
        {ids::kFileExit, standard(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q))},
        {ids::kEditFind, standard(QKeySequence::Find)},
        {ids::kEditFindNext, standard(QKeySequence::FindNext)},
        {ids::kAboutBox, {QKeySequence(Qt::Key_F1)}},
        {ids::kToolsCheckDocument, {QKeySequence(Qt::Key_F7)}},
    };
    for (const auto& [command, keys] : shortcuts) {
        menuActions.at(command)->setShortcuts(keys);
    }
    // The window is a dialog: its own actions carry the shortcuts.
    for (const auto& [command, action] : menuActions) {
        if (!action->shortcuts().isEmpty()) {
            addAction(action);
        }
    }
}

bool CEditorWindow::eventFilter(QObject* watched, QEvent* event) {
    // A line edit would take a dropped file's address as text.
    switch (event->type()) {
    case QEvent::DragEnter: dragEnterEvent(static_cast<QDragEnterEvent*>(event)); return event->isAccepted();
    case QEvent::DragMove: dragMoveEvent(static_cast<QDragMoveEvent*>(event)); return event->isAccepted();
    case QEvent::Drop: dropEvent(static_cast<QDropEvent*>(event)); return event->isAccepted();
    default: break;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo =
            key->matches(QKeySequence::Redo) || key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
        // Left unaccepted, the key goes to the shortcuts of the window.
        if (edit != nullptr && ((undo && !edit->isUndoAvailable()) || (redo && !edit->isRedoAvailable()))) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The routing table: every signal of the window's controls and menu, in one place.
void CEditorWindow::ConnectSignals() {
    connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock, this,
            &CEditorWindow::UpdateControlStates);

    const auto onClick = [this](int id, void (CEditorWindow::*handler)()) {
        connect(view.Button(id), &QAbstractButton::clicked, this, handler);
    };
    const auto onSelect = [this](int id, void (CEditorWindow::*handler)()) {
        connect(view.List(id), &QComboBox::activated, this, handler);
    };
    const auto onMenu = [this](int commandId, void (CEditorWindow::*handler)()) {
        connect(view.MenuAction(commandId), &QAction::triggered, this, handler);
    };

    onClick(ids::kAddHoliday, &CEditorWindow::OnAddHoliday);
    onClick(ids::kRenameHoliday, &CEditorWindow::OnRenameHoliday);
    onClick(ids::kDeleteHoliday, &CEditorWindow::OnDeleteHoliday);
    onSelect(ids::kIdList, &CEditorWindow::OnHolidaySelected);
    onSelect(ids::kRulesetList, &CEditorWindow::OnRulesetSelected);
    onClick(ids::kAddRuleset, &CEditorWindow::OnAddRuleset);
    onClick(ids::kDeleteRuleset, &CEditorWindow::OnDeleteRuleset);
    onMenu(ids::kFileOpen, &CEditorWindow::OnFileOpen);
    onMenu(ids::kFileSave, &CEditorWindow::OnFileSave);
    onMenu(ids::kFileSaveAs, &CEditorWindow::OnFileSaveAs);
    onClick(ids::kAddShiftRule, &CEditorWindow::OnAddShiftRule);
    onClick(ids::kDeleteShiftRule, &CEditorWindow::OnDeleteShiftRule);
    onSelect(ids::kShiftRuleList, &CEditorWindow::OnShiftRuleSelected);
    onClick(ids::kRefresh, &CEditorWindow::OnRefresh);
    onSelect(ids::kYearList, &CEditorWindow::OnYearSelected);
    onMenu(ids::kFileExit, &CEditorWindow::OnFileExit);
    onMenu(ids::kFileNew, &CEditorWindow::OnFileNew);
    onSelect(ids::kLanguageList, &CEditorWindow::OnLanguageSelected);
    onMenu(ids::kEditUndo, &CEditorWindow::OnUndo);
    onMenu(ids::kEditRedo, &CEditorWindow::OnRedo);
    onMenu(ids::kEditDuplicateHoliday, &CEditorWindow::OnDuplicateHoliday);
    onMenu(ids::kViewYearCalendar, &CEditorWindow::OnYearCalendar);
    onMenu(ids::kToolsCheckDocument, &CEditorWindow::OnCheckDocument);
    onMenu(ids::kFileExportYearCalendar, &CEditorWindow::OnExportYearCalendar);
    auto* preview = view.Control<CPreviewView>(ids::kPreviewEdit);
    connect(preview, &CPreviewView::EntryChosen, this, &CEditorWindow::OnPreviewEntryChosen);
    preview->Model().SetExplainer([this](std::size_t row) { return ExplainPreviewLine(row); });
    onMenu(ids::kEditFind, &CEditorWindow::OnFindHoliday);
    onMenu(ids::kEditFindNext, &CEditorWindow::OnFindNext);
    connect(recentMenu, &QMenu::aboutToShow, this, &CEditorWindow::FillRecentMenu);
    connect(view.MenuAction(ids::kViewLivePreview), &QAction::toggled, this, &CEditorWindow::OnLivePreview);
    connect(&undoStack, &QUndoStack::indexChanged, this, &CEditorWindow::OnDocumentChanged);
    onMenu(ids::kAboutBox, &CEditorWindow::OnAboutBox);
}

void CEditorWindow::Initialise() {
    setWindowIcon(icon);
    setAcceptDrops(true);
    FillRecentMenu();
    // Off at first, so that the window behaves as designed.
    QAction* livePreview = view.MenuAction(ids::kViewLivePreview);
    livePreview->setCheckable(true);
    livePreview->setChecked(EditorSettings().value(kLivePreviewKey, false).toBool());
    FillMonthAndWeekdayLists();
    FillYearList();
    FillLanguageList();
    OnFileNew();
    view.Control(ids::kLanguageList)->setFocus();
}

void CEditorWindow::FillMonthAndWeekdayLists() {
    for (int month = 1; month <= 12; ++month) {
        const QString name = QString::fromStdString(GetMonthName(month));
        for (int id : {ids::kFixedMonthList, ids::kWeekdayMonthList}) {
            view.List(id)->AddItem(name);
        }
    }
    for (int id : {ids::kFixedMonthList, ids::kWeekdayMonthList}) {
        view.List(id)->Select(0);
    }
    for (int weekday = 0; weekday <= 6; ++weekday) {  // Monday ... Sunday
        const QString name = QString::fromStdString(GetDayName(weekday));
        for (int id :
             {ids::kMonthWeekdayList, ids::kRelativeWeekdayList, ids::kShiftWeekdayList, ids::kConditionList}) {
            view.List(id)->AddItem(name);
        }
    }
    for (int id : {ids::kMonthWeekdayList, ids::kRelativeWeekdayList, ids::kShiftWeekdayList}) {
        view.List(id)->Select(0);
    }
}

void CEditorWindow::FillYearList() {
    CComboList* years = view.List(ids::kYearList);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        years->AddItem(QString::number(year));
    }
    // Outside 1900-2100 no year is selected.
    years->Select(years->FindText(QString::number(CDateTime::Now().GetYear())));
}

void CEditorWindow::OnAboutBox() {
    dialogs->ShowAbout();
}

void CEditorWindow::UpdateControlStates() {
    const bool holiday = FindShownHoliday() != -1;
    form->UpdateEnabling(holiday, holiday && view.List(ids::kRulesetList)->Selection() != -1,
                         view.List(ids::kShiftRuleList)->Selection() != -1);
    view.MenuAction(ids::kEditDuplicateHoliday)->setEnabled(holiday);
    UpdatePreviewMark();
}

void CEditorWindow::OnOK() {
    // Enter never closes the window.
}

void CEditorWindow::accept() {
    OnOK();
}

void CEditorWindow::reject() {
    OnCancel();
}

void CEditorWindow::EndWindow() {
    QDialog::done(QDialog::Rejected);
}
