// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"
#include "model/PreviewReport.h"

#include <QAbstractListModel>
#include <QListView>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The lines of the year preview as a list model: one row per entry, its text
// "%d %b<TAB>display" (the date in the user's locale, the display text in a
// code page). A row is formatted only when the view asks for it.
class CPreviewModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CPreviewModel(QObject* parent = nullptr);

    void SetEntries(std::vector<CPreviewEntry> newEntries, const CCodePage& newCodePage);
    void SetCodePage(const CCodePage& newCodePage);
    const std::vector<CPreviewEntry>& Entries() const { return entries; }
    const CCodePage& CodePage() const { return codePage; }
    // The tooltip of a line (its row); none without an explainer.
    void SetExplainer(std::function<QString(std::size_t row)> explainer);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<CPreviewEntry> entries;
    CCodePage codePage{0};
    std::function<QString(std::size_t row)> explain;
};

// The preview (control 1005): a read-only view of its entries that looks as
// the design's multi-line edit did (the same text and font, a date column as
// wide as the widest date, no scroll bars; the wheel and the keys scroll).
// Ctrl+C copies the selected lines. It shows in grey that it no longer
// matches the document. A double-click on a line, or its context menu's
// "Select Holiday", asks for its holiday (EntryChosen); Enter does nothing.
class CPreviewView : public QListView {
    Q_OBJECT

public:
    explicit CPreviewView(QWidget* parent = nullptr);

    CPreviewModel& Model() { return lines; }
    const CPreviewModel& Model() const { return lines; }
    // The text of every line, each ended with `lineEnd`.
    std::string Report(std::string_view lineEnd) const;

    void SetStale(bool isStale);
    bool IsStale() const { return stale; }
    // The distance from a line's start to its display text.
    qreal DateColumnWidth() const { return dateColumn; }

signals:
    void EntryChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MeasureDateColumn();

    CPreviewModel lines;
    bool stale = false;
    qreal dateColumn = 0;
};
