// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

class QComboBox;

// How assistive technology sees the window's drop-down lists: named for
// what they hold (their accessible name, which a describing label gives
// them), their value the selected item. Qt's own interface for a combo box
// reads its current item as its name on Linux desktops, so that a screen
// reader said "January combo box" for the month of a fixed date.
class CComboListAccessible : public QAccessibleWidget {
public:
    explicit CComboListAccessible(QWidget* widget);

    // Makes every CComboList of the program use this interface.
    static void Install();

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QComboBox* ComboBox() const;
};
