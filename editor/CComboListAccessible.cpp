// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboListAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* ComboListFactory(const QString& className, QObject* object) {
    if ((className == QLatin1String("CComboList") || className == QLatin1String("CDropDownEdit")) &&
        object != nullptr && object->isWidgetType()) {
        return new CComboListAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

CComboListAccessible::CComboListAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

void CComboListAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(ComboListFactory);
        return true;
    }();
    static_cast<void>(installed);
}

QComboBox* CComboListAccessible::ComboBox() const {
    return static_cast<QComboBox*>(widget());
}

QString CComboListAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name: return widget()->accessibleName();
    case QAccessible::Value:
        return ComboBox()->isEditable() ? ComboBox()->lineEdit()->text() : ComboBox()->currentText();
    default: return QAccessibleWidget::text(t);
    }
}

// The open list, and the edit field of a list that has one.
int CComboListAccessible::childCount() const {
    return ComboBox()->isEditable() ? 2 : 1;
}

QAccessibleInterface* CComboListAccessible::child(int index) const {
    if (index == 0) {
        return QAccessible::queryAccessibleInterface(ComboBox()->view());
    }
    if (index == 1 && ComboBox()->isEditable()) {
        return QAccessible::queryAccessibleInterface(ComboBox()->lineEdit());
    }
    return nullptr;
}

int CComboListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child->object() == ComboBox()->view()) {
        return 0;
    }
    return ComboBox()->isEditable() && child->object() == ComboBox()->lineEdit() ? 1 : -1;
}

QAccessibleInterface* CComboListAccessible::childAt(int x, int y) const {
    if (ComboBox()->isEditable() &&
        ComboBox()->lineEdit()->rect().contains(ComboBox()->lineEdit()->mapFromGlobal(QPoint(x, y)))) {
        return child(1);
    }
    return nullptr;
}

QStringList CComboListAccessible::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void CComboListAccessible::doAction(const QString& actionName) {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (ComboBox()->view()->isVisible()) {
            ComboBox()->hidePopup();
        } else {
            ComboBox()->showPopup();
        }
    }
}

QStringList CComboListAccessible::keyBindingsForAction(const QString& /*actionName*/) const {
    return {};
}
