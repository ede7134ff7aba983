#include "editor/CEditorWindow.h"

#include "core/CDateTime.h"
#include "core/LocaleNames.h"
#include "editor/CCodePageTextBinding.h"
#include "editor/CComboList.h"
#include "editor/CQtEditorDialogs.h"
#include "resources/ControlIds.h"
#include "resources/Templates.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAction>
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

    displayText = std::make_unique<CCodePageTextBinding>(Edit(ids::kDisplayEdit));

    ConnectSignals();
    Initialise();
}

CEditorWindow::~CEditorWindow() = default;

CComboList* CEditorWindow::List(int id) const {
    return controls.Get<CComboList>(id);
}
QLineEdit* CEditorWindow::Edit(int id) const {
    return controls.Get<QLineEdit>(id);
}
QAbstractButton* CEditorWindow::Button(int id) const {
    return controls.Get<QAbstractButton>(id);
}

QAction* CEditorWindow::MenuAction(int commandId) const {
    const auto found = menuActions.find(commandId);
    return found == menuActions.end() ? nullptr : found->second;
}

void CEditorWindow::BuildMenu(QMenuBar& menuBar) {
    for (const CMenuTemplate& menuTemplate : MainMenuTemplate()) {
        QMenu* menu = menuBar.addMenu(QString::fromUtf8(menuTemplate.text));
        for (const CMenuItemTemplate& item : menuTemplate.items) {
            if (item.commandId == 0) {
                menu->addSeparator();
            } else {
                menuActions[item.commandId] = menu->addAction(QString::fromUtf8(item.text));
            }
        }
    }
    // The About box also opens with F1; the File items have no shortcuts.
    menuActions.at(ids::kAboutBox)->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(menuActions.at(ids::kAboutBox));
}

// The routing table: every signal of the window's controls and menu, in one place.
void CEditorWindow::ConnectSignals() {
    connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock, this,
            &CEditorWindow::UpdateControlStates);

    const auto onClick = [this](int id, void (CEditorWindow::*handler)()) {
        connect(Button(id), &QAbstractButton::clicked, this, handler);
    };
    const auto onSelect = [this](int id, void (CEditorWindow::*handler)()) {
        connect(List(id), &QComboBox::activated, this, handler);
    };
    const auto onMenu = [this](int commandId, void (CEditorWindow::*handler)()) {
        connect(MenuAction(commandId), &QAction::triggered, this, handler);
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
    onMenu(ids::kAboutBox, &CEditorWindow::OnAboutBox);
}

void CEditorWindow::Initialise() {
    setWindowIcon(icon);
    FillMonthAndWeekdayLists();
    FillYearList();
    FillLanguageList();
    OnFileNew();
    Control(ids::kLanguageList)->setFocus();
}

void CEditorWindow::FillMonthAndWeekdayLists() {
    for (int month = 1; month <= 12; ++month) {
        const QString name = QString::fromStdString(GetMonthName(month));
        for (int id : {ids::kFixedMonthList, ids::kWeekdayMonthList}) {
            List(id)->AddItem(name);
        }
    }
    for (int id : {ids::kFixedMonthList, ids::kWeekdayMonthList}) {
        List(id)->Select(0);
    }
    for (int weekday = 0; weekday <= 6; ++weekday) {  // Monday ... Sunday
        const QString name = QString::fromStdString(GetDayName(weekday));
        for (int id :
             {ids::kMonthWeekdayList, ids::kRelativeWeekdayList, ids::kShiftWeekdayList, ids::kConditionList}) {
            List(id)->AddItem(name);
        }
    }
    for (int id : {ids::kMonthWeekdayList, ids::kRelativeWeekdayList, ids::kShiftWeekdayList}) {
        List(id)->Select(0);
    }
}

void CEditorWindow::FillYearList() {
    CComboList* years = List(ids::kYearList);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        years->AddItem(QString::number(year));
    }
    // Outside 1900-2100 no year is selected.
    years->Select(years->FindText(QString::number(CDateTime::Now().GetYear())));
}

void CEditorWindow::OnAboutBox() {
    dialogs->ShowAbout();
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
