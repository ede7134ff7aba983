// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CDialogControls.h"

#include <algorithm>

#include "editor/CComboList.h"
#include "editor/CDropDownEdit.h"
#include "resources/Templates.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

CDialogUnits::CDialogUnits(const QFont& font) {
    // The average width over the 52 Latin letters, as the platform computes
    // its dialog base units.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    baseHeight = metrics.height();
}

int CDialogUnits::X(int units) const {
    return (units * baseWidth + 2) / 4;
}

void CDialogUnits::FitWidth(int pixels, int units) {
    if (units > 0) {
        baseWidth = std::max(baseWidth, (pixels * 4 + units - 1) / units);
    }
}
int CDialogUnits::Y(int units) const {
    return (units * baseHeight + 4) / 8;
}

namespace {

// A drop-down list's closed height: one line of an edit.
constexpr int kClosedListHeight = 12;

// In a dialog with a default button, Enter presses the push button that has
// the focus, and the default button while the focus is elsewhere. A dialog
// without one (the main window) lets no button take Enter.
bool HasDefaultButton(const CDialogTemplate& dialogTemplate) {
    return std::any_of(dialogTemplate.controls.begin(), dialogTemplate.controls.end(),
                       [](const CControlTemplate& control) { return control.Has(kDefaultButton); });
}

QWidget* CreateWidget(QDialog& dialog, const CControlTemplate& control, bool buttonsTakeEnter) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
    case ControlKind::GroupBox: return new QGroupBox(text, &dialog);
    case ControlKind::Label: {
        auto* label = new QLabel(&dialog);
        label->setTextFormat(Qt::PlainText);
        label->setText(control.Has(kNoPrefix) ? text : QString(text).remove(QLatin1Char('&')));
        label->setAlignment((control.Has(kCentred) ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::Icon: {
        auto* label = new QLabel(&dialog);
        label->setScaledContents(true);
        return label;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, &dialog);
        button->setAutoDefault(buttonsTakeEnter);
        button->setDefault(control.Has(kDefaultButton));
        return button;
    }
    case ControlKind::CheckBox: return new QCheckBox(text, &dialog);
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(text, &dialog);
        radio->setAutoExclusive(false);  // the button groups decide
        return radio;
    }
    case ControlKind::Edit: {
        if (control.Has(kMultiLine)) {
            auto* edit = new QPlainTextEdit(&dialog);
            edit->setReadOnly(control.Has(kReadOnly));
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            return edit;
        }
        auto* edit = new QLineEdit(&dialog);
        edit->setReadOnly(control.Has(kReadOnly));
        if (control.Has(kDigitsOnly)) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        return edit;
    }
    case ControlKind::DropDownList:
    case ControlKind::DropDownEdit: {
        auto* list = control.kind == ControlKind::DropDownEdit ? new CDropDownEdit(control.Has(kSorted), &dialog)
                                                               : new CComboList(control.Has(kSorted), &dialog);
        for (const std::string& item : control.items) {
            list->AddItem(QString::fromUtf8(item));
        }
        return list;
    }
    }
    return new QWidget(&dialog);
}

}  // namespace

QSize CDialogControls::Build(QDialog& dialog, const CDialogTemplate& dialogTemplate, QPoint origin) {
    CDialogUnits units(dialog.font());
    QButtonGroup* radioGroup = nullptr;
    QWidget* previousFocusable = nullptr;
    const bool buttonsTakeEnter = HasDefaultButton(dialogTemplate);
    for (const CControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateWidget(dialog, control, buttonsTakeEnter);
        if (control.kind == ControlKind::Label || control.kind == ControlKind::CheckBox ||
            control.kind == ControlKind::RadioButton) {
            units.FitWidth(widget->sizeHint().width(), control.width);
        }
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (control.Has(kStartsGroup) || radioGroup == nullptr) {
                radioGroup = new QButtonGroup(&dialog);
                radioGroups.push_back(radioGroup);
            }
            radioGroup->addButton(radio, control.id);
        }
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previousFocusable != nullptr) {
                QWidget::setTabOrder(previousFocusable, widget);
            }
            previousFocusable = widget;
        }
        if (control.id != kNoControlId) {
            byId[control.id] = widget;
        }
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
        widgets.push_back(widget);
    }

    // Placed once the units are known.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const CControlTemplate& control = dialogTemplate.controls[i];
        QWidget* widget = widgets[i];
        const bool isList = control.kind == ControlKind::DropDownList || control.kind == ControlKind::DropDownEdit;
        const int height = isList ? kClosedListHeight : control.height;
        widget->setGeometry(origin.x() + units.X(control.x), origin.y() + units.Y(control.y), units.X(control.width),
                            units.Y(height));
        if (auto* list = qobject_cast<CComboList*>(widget)) {
            // The template's height is the field's with its list open.
            list->SetListHeight(units.Y(control.height) - units.Y(kClosedListHeight));
        }
        if (control.kind == ControlKind::Icon) {
            qobject_cast<QLabel*>(widget)->setPixmap(
                QIcon(QString::fromLatin1(kProgramIconPath)).pixmap(widget->size()));
        }
    }
    return {units.X(dialogTemplate.width), units.Y(dialogTemplate.height)};
}

QWidget* CDialogControls::Widget(int id) const {
    const auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}
