// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CEditorWindow.h"

#include "core/CDateTime.h"
#include "core/LocaleNames.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CFormBinding.h"
#include "editor/CIdLists.h"
#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

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
    const QSize client = controls.Build(*this, dialogTemplate, QPoint(0, menuHeight));
    menuBar->setGeometry(0, 0, client.width(), menuHeight);
    setFixedSize(client.width(), client.height() + menuHeight);

    displayText = std::make_unique<CCodePageTextBinding>(view.Edit(ids::kDisplayEdit));
    form = std::make_unique<CFormBinding>(controls, *displayText);
    idLists = std::make_unique<CIdLists>(controls);
    // A line edit takes Ctrl+Z for its own typing only while it has some to
    // undo; otherwise the key reaches the Edit menu.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }

    ConnectSignals();
    Initialise();
}

CEditorWindow::~CEditorWindow() = default;

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
            } else if (const auto given = menuActions.find(item.commandId); given != menuActions.end()) {
                menu->addAction(given->second);
            } else {
                menuActions[item.commandId] = menu->addAction(QString::fromUtf8(item.text));
            }
        }
    }
    // The About box also opens with F1; the File items have no shortcuts.
    menuActions.at(ids::kAboutBox)->setShortcut(QKeySequence(Qt::Key_F1));
    // The window is a dialog: its own actions carry the shortcuts.
    for (int command : {ids::kAboutBox, ids::kEditUndo, ids::kEditRedo}) {
        addAction(menuActions.at(command));
    }
}

bool CEditorWindow::eventFilter(QObject* watched, QEvent* event) {
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
    onMenu(ids::kAboutBox, &CEditorWindow::OnAboutBox);
}

void CEditorWindow::Initialise() {
    setWindowIcon(icon);
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
