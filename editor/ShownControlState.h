#pragma once

#include "editor/CComboList.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QByteArray>
#include <QLineEdit>
#include <QVariant>

#include <optional>
#include <string>
#include <vector>

// Each form control remembers its state at the moment its field was last
// shown or stored: the baseline. Storing reads a control only when its state
// differs from that, so a control the user has not touched leaves its field
// as it is, even when the value is one the control cannot show (a month 13, a
// kind 7, a reference that no list item names). A control that is read moves
// its baseline to the state just stored, so that changing it back to an
// earlier state is a change again. A control never shown counts as changed.
namespace shown {

inline constexpr char kShownStateProperty[] = "tavrinShownState";

inline void Remember(QWidget* control, const QVariant& state) {
    control->setProperty(kShownStateProperty, state);
}

// Storing will read the control whatever its state.
inline void Forget(QWidget* control) {
    control->setProperty(kShownStateProperty, QVariant());
}

inline bool Unchanged(const QWidget* control, const QVariant& state) {
    return control->property(kShownStateProperty) == state;
}

// Whether the state differs from the baseline; if so, the state becomes the
// baseline, as the caller stores it now.
inline bool TakeChange(QWidget* control, const QVariant& state) {
    if (Unchanged(control, state)) {
        return false;
    }
    Remember(control, state);
    return true;
}

inline void ShowText(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    Remember(edit, edit->text());
}

// The text to store, when the user changed it.
inline std::optional<QString> TextToStore(QLineEdit* edit) {
    if (!TakeChange(edit, edit->text())) {
        return std::nullopt;
    }
    return edit->text();
}

// Selects the position; outside 0..count-1 the list shows no selection.
inline void ShowSelection(CComboList* list, int position) {
    list->Select(position);
    Remember(list, list->Selection());
}

// The selected position (-1 for none) to store, when the user changed it.
inline std::optional<int> SelectionToStore(CComboList* list) {
    if (!TakeChange(list, list->Selection())) {
        return std::nullopt;
    }
    return list->Selection();
}

// A list of holiday IDs from position `firstId` on, after fixed items (the
// condition list's weekdays). Holidays added, renamed and deleted, and a
// language that sorts the IDs anew, move the items between showing and
// storing, so the state of such a list is the item the user sees: the exact
// bytes of the selected ID, or the position of a fixed item or of "none"
// (-1). A position never equals bytes, so no move can make another pick look
// unchanged, nor the shown one changed.
inline QVariant IdSelectionState(const CComboList* list, int firstId) {
    const int position = list->Selection();
    if (position < firstId) {
        return position;
    }
    const std::string id = list->Id(position);
    return QByteArray(id.data(), static_cast<qsizetype>(id.size()));
}

inline void ShowIdSelection(CComboList* list, int position, int firstId = 0) {
    list->Select(position);
    Remember(list, IdSelectionState(list, firstId));
}

// The selected position to store, when the user picked another item.
inline std::optional<int> IdSelectionToStore(CComboList* list, int firstId = 0) {
    if (!TakeChange(list, IdSelectionState(list, firstId))) {
        return std::nullopt;
    }
    return list->Selection();
}

inline void ShowCheck(QAbstractButton* box, bool checked) {
    box->setChecked(checked);
    Remember(box, box->isChecked());
}

inline std::optional<bool> CheckToStore(QAbstractButton* box) {
    if (!TakeChange(box, box->isChecked())) {
        return std::nullopt;
    }
    return box->isChecked();
}

// A group of radio buttons standing for the values 0..n-1 (the buttons of
// one exclusive group, in value order).
using RadioButtons = std::vector<QAbstractButton*>;

inline int CheckedRadio(const RadioButtons& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Checks the button of the value; for a value that has no button all of
// them are unchecked, so the form never claims a kind the field does not
// hold.
inline void ShowRadio(const RadioButtons& buttons, int value) {
    if (value >= 0 && value < static_cast<int>(buttons.size())) {
        buttons[static_cast<std::size_t>(value)]->setChecked(true);
    } else {
        QButtonGroup* group = buttons.front()->group();
        const bool exclusive = group != nullptr && group->exclusive();
        if (exclusive) {
            group->setExclusive(false);  // an exclusive group refuses to be emptied
        }
        for (QAbstractButton* button : buttons) {
            button->setChecked(false);
        }
        if (exclusive) {
            group->setExclusive(true);
        }
    }
    Remember(buttons.front(), CheckedRadio(buttons));
}

// The checked button's value to store when the user changed the choice;
// nothing when unchanged or when no button is checked (the field is then
// kept).
inline std::optional<int> RadioToStore(const RadioButtons& buttons) {
    const int checked = CheckedRadio(buttons);
    if (checked == -1 || !TakeChange(buttons.front(), checked)) {
        return std::nullopt;
    }
    return checked;
}

}  // namespace shown
