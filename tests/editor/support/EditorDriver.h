// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editor/CComboList.h"
#include "editor/CEditorWindow.h"
#include "tests/editor/support/CScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <ostream>
#include <string>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

class QAbstractButton;
class QTimer;
class QLineEdit;
class QWidget;

// Drives the editor window the way a user does. Controls are found with
// window.View().Control(id), window.View().List(id), window.View().Edit(id), window.View().Button(id)
// and the ids of resources/ControlIds.h.
namespace gui {

// Picks the entry at the position as a user does, so that the handler of
// the accepted selection runs (the list's `activated` signal).
void Pick(CComboList* list, int position);
// Picks the first entry with exactly this text; fails the test when none.
void Pick(CComboList* list, const QString& text);
// Clicks the button; a disabled button ignores it, as on screen.
void Click(QAbstractButton* button);
// Replaces the edit's text by typing: the edit's validator refuses keys as
// it does for a user.
void Type(QLineEdit* edit, const QString& text);
// Types the text at the cursor, without clearing first.
void TypeMore(QWidget* widget, const QString& text);
// Presses a key on a widget.
void PressKey(QWidget* widget, int key);
// Handles pending events and runs the idle update, as the event loop does
// once it has run out of events.
void RunIdle(CEditorWindow& window);

// Adds a holiday through the Add button with the ID queued in the dialogs.
void AddHoliday(CEditorWindow& window, CScriptedDialogs& dialogs, const std::string& id);

// While it lives, calls `handler` once with the next modal widget that
// opens (polled from a timer) and inherits `className` (any class when
// null), for example to click a real message box's button. Its end stops the
// polling; a handler that never ran fails the test.
class CNextModal {
public:
    explicit CNextModal(std::function<void(QWidget*)> handler, const char* className = nullptr);
    ~CNextModal();
    CNextModal(const CNextModal&) = delete;
    CNextModal& operator=(const CNextModal&) = delete;

private:
    void Poll();

    std::function<void(QWidget*)> handler;
    const char* className;
    QTimer* timer;
    bool handled = false;
};

// The texts of all items of a list, in list order.
QStringList Items(const CComboList* list);
// The lines the preview shows, in order.
QStringList PreviewLines(const CEditorWindow& window);

}  // namespace gui

// A window with scripted dialogs, fresh for each test.
class EditorWindowTest : public testing::Test {
protected:
    CScriptedDialogs dialogs;
    CEditorWindow window{&dialogs};
};
