// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <utility>
#include <vector>

// A dialog of the user interface as data: its frame and its controls with
// their ids, kinds, texts, positions and sizes in dialog units, styles and
// fixed item lists. Controls are listed in layout and tab order.

enum class ControlKind {
    GroupBox,
    Label,
    Icon,  // the program icon
    PushButton,
    CheckBox,      // automatic
    RadioButton,   // automatic
    Edit,          // one line, scrolling its text horizontally
    DropDownList,  // a drop-down list without an edit field
    DropDownEdit,  // a drop-down list with an edit field
    LineList,      // a read-only list of lines (the year preview)
};

// Style flags of a control; combine with |.
enum ControlStyle : unsigned {
    kNoStyle = 0,
    kSorted = 1U << 0,         // drop-down lists: items kept in case-insensitive alphabetical order
    kDigitsOnly = 1U << 1,     // edits: typed input limited to the digits 0-9
    kStartsGroup = 1U << 2,    // radio buttons: begins a new exclusive group
    kCentred = 1U << 3,        // labels: text centred
    kDefaultButton = 1U << 6,  // push buttons: pressed by the Enter key
    kNoPrefix = 1U << 7,       // labels: "&" is shown, not a mnemonic
};

constexpr int kNoControlId = -1;

struct CControlTemplate {
    CControlTemplate() = default;
    CControlTemplate(int controlId, ControlKind controlKind, std::string controlText, int left, int top, int w, int h,
                     unsigned controlStyles = kNoStyle, std::vector<std::string> fixedItems = {})
        : id(controlId),
          kind(controlKind),
          text(std::move(controlText)),
          x(left),
          y(top),
          width(w),
          height(h),
          styles(controlStyles),
          items(std::move(fixedItems)) {}

    // The name assistive technology reads for a control that no label
    // describes and whose text does not say what it is.
    CControlTemplate Named(std::string name) && {
        accessibleName = std::move(name);
        return std::move(*this);
    }
    // A label that names the control with the id (its buddy).
    CControlTemplate Describing(int controlId) && {
        describes = controlId;
        return std::move(*this);
    }

    int id = kNoControlId;
    ControlKind kind = ControlKind::Label;
    std::string text;
    int x = 0;  // dialog units
    int y = 0;
    int width = 0;
    int height = 0;  // drop-down lists: the height with the list open
    unsigned styles = kNoStyle;
    std::vector<std::string> items;  // fixed items, loaded with the dialog
    std::string accessibleName;      // empty: the text of the label that describes it, or its own
    int describes = kNoControlId;    // labels: the control they name

    bool Has(ControlStyle style) const { return (styles & style) != 0; }
};

struct CDialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0;  // dialog units
    int height = 0;
    std::vector<CControlTemplate> controls;  // layout and tab order
};

// One item of a menu; a command id of 0 is a separator.
struct CMenuItemTemplate {
    int commandId = 0;
    std::string text;
};

struct CMenuTemplate {
    std::string text;  // the popup's title, for example "&File"
    std::vector<CMenuItemTemplate> items;
};
