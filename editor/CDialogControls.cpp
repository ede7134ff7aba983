// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CDialogControls.h"

#include <algorithm>

#include "editor/CComboList.h"
#include "editor/CComboListAccessible.h"
#include "editor/CDropDownEdit.h"
#include "editor/CPreviewView.h"
#include "resources/Templates.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
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

QWidget* CreateWidget(QWidget& dialog, const CControlTemplate& control, bool buttonsTakeEnter) {
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
    // The button groups keep the radio buttons exclusive. They stay
    // auto-exclusive, which is what makes assistive technology read them as
    // radio buttons.
    case ControlKind::RadioButton: return new QRadioButton(text, &dialog);
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(&dialog);
        if (control.Has(kDigitsOnly)) {
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
        }
        return edit;
    }
    case ControlKind::LineList: return new CPreviewView(&dialog);
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

bool Contains(const CControlTemplate& outer, const CControlTemplate& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

// The group box a control lies in, which becomes its parent so that its
// title is read with it; -1 for none. A drop-down list counts with its
// closed field.
int ContainingGroup(const CDialogTemplate& dialogTemplate, const CControlTemplate& control) {
    if (control.kind == ControlKind::GroupBox) {
        return -1;
    }
    CControlTemplate field = control;
    if (control.kind == ControlKind::DropDownList || control.kind == ControlKind::DropDownEdit) {
        field.height = kClosedListHeight;
    }
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        const CControlTemplate& group = dialogTemplate.controls[i];
        if (group.kind == ControlKind::GroupBox && Contains(group, field)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

QSize CDialogControls::Build(QWidget& dialog, const CDialogTemplate& dialogTemplate, QPoint origin) {
    CComboListAccessible::Install();
    CDialogUnits units(dialog.font());
    QButtonGroup* radioGroup = nullptr;
    QWidget* previousFocusable = nullptr;
    const bool buttonsTakeEnter = HasDefaultButton(dialogTemplate);
    std::vector<int> groups;  // per control: the index of its group box, or -1
    for (const CControlTemplate& control : dialogTemplate.controls) {
        const int group = ContainingGroup(dialogTemplate, control);
        groups.push_back(group);
        // Group boxes come before the controls they hold.
        QWidget& parent = group == -1 ? dialog : *widgets.at(static_cast<std::size_t>(group));
        QWidget* widget = CreateWidget(parent, control, buttonsTakeEnter);
        if (!control.accessibleName.empty()) {
            widget->setAccessibleName(QString::fromStdString(control.accessibleName));
        }
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

    // Placed once the units are known, in the coordinates of their parent.
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const CControlTemplate& control = dialogTemplate.controls[i];
        QWidget* widget = widgets[i];
        const bool isList = control.kind == ControlKind::DropDownList || control.kind == ControlKind::DropDownEdit;
        const int height = isList ? kClosedListHeight : control.height;
        QPoint position = origin + QPoint(units.X(control.x), units.Y(control.y));
        if (groups[i] != -1) {
            const CControlTemplate& group = dialogTemplate.controls[static_cast<std::size_t>(groups[i])];
            position -= origin + QPoint(units.X(group.x), units.Y(group.y));
        }
        widget->setGeometry(position.x(), position.y(), units.X(control.width), units.Y(height));
        if (control.describes != kNoControlId) {
            // The buddy is the label's link for assistive technology; the
            // name is set as well, as a list would otherwise be read by its
            // current item.
            auto* label = qobject_cast<QLabel*>(widget);
            QWidget* described = Widget(control.describes);
            label->setBuddy(described);
            if (described->accessibleName().isEmpty()) {
                described->setAccessibleName(label->text().trimmed());
            }
        }
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
