// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CListItems.h"

#include "editor/CShownIds.h"

#include <QByteArray>

#include <iterator>

CListItem::CListItem(const CShownId& id) : text(id.text), isId(true), idBytes(id.sharedBytes) {}

int CListItems::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant CListItems::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) {
        return {};
    }
    const CListItem& item = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return item.text;
    case Qt::UserRole: return item.isId ? QVariant(item.idBytes) : item.data;
    default: return {};
    }
}

bool CListItems::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count <= 0 || row + count > Count()) {
        return false;
    }
    beginRemoveRows({}, row, row + count - 1);
    const auto first = items.begin() + row;
    items.erase(first, first + count);
    endRemoveRows();
    return true;
}

void CListItems::Insert(int position, CListItem item) {
    beginInsertRows({}, position, position);
    items.insert(items.begin() + position, std::move(item));
    endInsertRows();
}

void CListItems::Append(std::vector<CListItem> added) {
    if (added.empty()) {
        return;
    }
    beginInsertRows({}, Count(), Count() + static_cast<int>(added.size()) - 1);
    items.insert(items.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    endInsertRows();
}

void CListItems::SetData(int position, QVariant value) {
    items[static_cast<std::size_t>(position)].data = std::move(value);
    emit dataChanged(index(position), index(position), {Qt::UserRole});
}

std::vector<CListItem> CListItems::Replace(std::vector<CListItem> replacement) {
    beginResetModel();
    std::swap(items, replacement);
    endResetModel();
    return replacement;
}
