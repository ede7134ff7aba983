// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CPreviewView.h"

#include "core/ShownText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Draws a line as the edit drew it: the date, then the display text at the
// date column; in the disabled colour while the preview is stale.
class CPreviewLineDelegate : public QStyledItemDelegate {
public:
    explicit CPreviewLineDelegate(CPreviewView* previewView) : QStyledItemDelegate(previewView), view(*previewView) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString line = item.text;
        item.text.clear();
        QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const qsizetype tab = line.indexOf(u'\t');
        const QPalette::ColorGroup group = view.IsStale() ? QPalette::Disabled : QPalette::Active;
        const QPalette::ColorRole role =
            (option.state & QStyle::State_Selected) != 0 ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setPen(option.palette.color(group, role));
        const QRectF text = QRectF(option.rect).adjusted(2, 0, 0, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, line.left(tab));
        painter->drawText(text.adjusted(view.DateColumnWidth(), 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          line.mid(tab + 1));
        painter->restore();
    }

private:
    const CPreviewView& view;
};

}  // namespace

CPreviewModel::CPreviewModel(QObject* parent) : QAbstractListModel(parent) {}

void CPreviewModel::SetEntries(std::vector<CPreviewEntry> newEntries, const CCodePage& newCodePage) {
    beginResetModel();
    entries = std::move(newEntries);
    codePage = newCodePage;
    endResetModel();
}

void CPreviewModel::SetCodePage(const CCodePage& newCodePage) {
    if (newCodePage.Number() == codePage.Number()) {
        return;
    }
    codePage = newCodePage;
    if (!entries.empty()) {
        emit dataChanged(index(0), index(static_cast<int>(entries.size()) - 1));
    }
}

void CPreviewModel::SetExplainer(std::function<QString(std::size_t row)> explainer) {
    explain = std::move(explainer);
}

int CPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

QVariant CPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(entries.size())) {
        return {};
    }
    const CPreviewEntry& entry = entries[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(entry.date.Format("%d %b\t") + ShowText(codePage, entry.display));
    case Qt::ToolTipRole: return explain ? explain(static_cast<std::size_t>(index.row())) : QVariant();
    default: return {};
    }
}

CPreviewView::CPreviewView(QWidget* parent) : QListView(parent), lines(this) {
    setModel(&lines);
    setItemDelegate(new CPreviewLineDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) { emit EntryChosen(index.row()); });
    auto* select = new QAction(QStringLiteral("Select Holiday"), this);
    connect(select, &QAction::triggered, this, [this] {
        if (currentIndex().isValid()) {
            emit EntryChosen(currentIndex().row());
        }
    });
    addAction(select);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    MeasureDateColumn();
}

std::string CPreviewView::Report(std::string_view lineEnd) const {
    return FormatPreviewReport(lines.Entries(), lines.CodePage(), lineEnd);
}

void CPreviewView::SetStale(bool isStale) {
    if (stale != isStale) {
        stale = isStale;
        viewport()->update();
    }
}

void CPreviewView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QModelIndexList rows = selectionModel()->selectedRows();
        std::sort(rows.begin(), rows.end());
        QStringList copied;
        for (const QModelIndex& row : rows) {
            copied << row.data().toString();
        }
        QApplication::clipboard()->setText(copied.join(u'\n'));
        return;
    }
    QListView::keyPressEvent(event);
}

void CPreviewView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        MeasureDateColumn();
    }
    QListView::changeEvent(event);
}

// As wide as the widest date of the user's locale in this font, and two
// spaces.
void CPreviewView::MeasureDateColumn() {
    const QFontMetricsF metrics(font());
    qreal widest = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString date = QString::fromStdString(CDateTime(2024, month, 28).Format("%d %b"));
        widest = std::max(widest, metrics.horizontalAdvance(date));
    }
    dateColumn = widest + 2 * metrics.horizontalAdvance(QLatin1Char(' '));
    viewport()->update();
}
