// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/editor/support/EditorDriver.h"

#include "editor/CPreviewView.h"
#include "resources/ControlIds.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace gui {

void Pick(CComboList* list, int position) {
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isEnabled()) << "the list " << list->objectName().toStdString() << " is disabled";
    ASSERT_GE(position, 0);
    ASSERT_LT(position, list->Count());
    list->setCurrentIndex(position);
    emit list->activated(position);
}

void Pick(CComboList* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    const int position = list->FindText(text, -1, Qt::CaseSensitive);
    ASSERT_NE(position, -1) << "no entry " << text.toStdString();
    Pick(list, position);
}

void Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    button->click();
}

void Type(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    TypeMore(edit, text);
}

void TypeMore(QWidget* widget, const QString& text) {
    ASSERT_NE(widget, nullptr);
    // One key event per character, carrying the character itself, so that
    // text beyond ASCII can be typed too.
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

void PressKey(QWidget* widget, int key) {
    ASSERT_NE(widget, nullptr);
    QTest::keyClick(widget, static_cast<Qt::Key>(key));
}

void RunIdle(CEditorWindow& /*window*/) {
    QCoreApplication::processEvents();
    // What the event loop signals once it has run out of events.
    emit QAbstractEventDispatcher::instance()->aboutToBlock();
}

void AddHoliday(CEditorWindow& window, CScriptedDialogs& dialogs, const std::string& id) {
    dialogs.newIds.push_back(id);
    Click(window.View().Button(ids::kAddHoliday));
    RunIdle(window);
}

CNextModal::CNextModal(std::function<void(QWidget*)> modalHandler, const char* modalClass)
    : handler(std::move(modalHandler)), className(modalClass), timer(new QTimer()) {
    QObject::connect(timer, &QTimer::timeout, timer, [this] { Poll(); });
    timer->start(10);
}

CNextModal::~CNextModal() {
    delete timer;
    EXPECT_TRUE(handled) << "no modal dialog opened";
}

void CNextModal::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // Only once the modal widget is the active window has it got the focus.
    if (handled || modal == nullptr || !modal->isActiveWindow() ||
        (className != nullptr && !modal->inherits(className))) {
        return;
    }
    handled = true;
    timer->stop();
    handler(modal);
}

QStringList Items(const CComboList* list) {
    QStringList items;
    for (int position = 0; position < list->Count(); ++position) {
        items << list->Text(position);
    }
    return items;
}

QStringList PreviewLines(const CEditorWindow& window) {
    const QAbstractItemModel* lines = window.View().Control<CPreviewView>(ids::kPreviewEdit)->model();
    QStringList texts;
    for (int row = 0; row < lines->rowCount(); ++row) {
        texts << lines->index(row, 0).data().toString();
    }
    return texts;
}

}  // namespace gui
