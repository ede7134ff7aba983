// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/DialogTemplate.h"

#include <QPoint>
#include <QWidget>

#include <map>
#include <vector>

class QButtonGroup;
class QDialog;

// The widgets of one dialog built from its template, reachable by control id.
class CDialogControls {
public:
    // Creates every control of the template as a child of the dialog at its
    // absolute position (offset by origin, in pixels), in tab order. Dialog
    // units are converted with the dialog's font: a horizontal unit is a
    // quarter of the average character width, a vertical unit an eighth of
    // the character height. Fonts wider than the one the layout was drawn
    // for widen the horizontal unit until every caption fits, so the layout
    // keeps its proportions. In a dialog with a default button, Enter
    // presses the focused push button. Returns the client size in pixels.
    // A control that lies within a group box is its child, so that the
    // group's title is read with it.
    QSize Build(QWidget& dialog, const CDialogTemplate& dialogTemplate, QPoint origin = {});

    QWidget* Widget(int id) const;  // nullptr for an unknown id
    template <class T>
    T* Get(int id) const {
        return qobject_cast<T*>(Widget(id));
    }
    // Every widget in creation (tab) order, those without an id included.
    const std::vector<QWidget*>& All() const { return widgets; }
    // The exclusive groups of radio buttons, in layout order.
    const std::vector<QButtonGroup*>& RadioGroups() const { return radioGroups; }

private:
    std::map<int, QWidget*> byId;
    std::vector<QWidget*> widgets;
    std::vector<QButtonGroup*> radioGroups;
};

// Converts dialog units to pixels for one font.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    int X(int units) const;
    int Y(int units) const;
    // Widens the horizontal unit so that `pixels` fit into `units`.
    void FitWidth(int pixels, int units);

private:
    int baseWidth;   // average character width in pixels
    int baseHeight;  // character height in pixels
};
