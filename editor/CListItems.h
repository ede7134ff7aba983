// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct CShownId;

// One item of a drop-down list.
struct CListItem {
    CListItem(QString itemText, QVariant itemData) : text(std::move(itemText)), data(std::move(itemData)) {}
    explicit CListItem(const CShownId& id);

    QString text;
    QVariant data;  // the item data of an item that is no ID
    bool isId = false;
    QByteArray idBytes;  // an ID item's exact bytes, shown as text (shared by the lists)

    std::string_view IdBytes() const { return {idBytes.constData(), static_cast<std::size_t>(idBytes.size())}; }
    // In a sorted list, the AlphabeticalKeyStart of the text (CShownIds.h);
    // 0 elsewhere.
    std::uint64_t keyStart = 0;
};

// The items of a CComboList in list order, as the model behind its field and
// drop-down view. The list reads them directly and changes them one at a
// time or all at once.
class CListItems : public QAbstractListModel {
    Q_OBJECT

public:
    explicit CListItems(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    // The text, and as item data (Qt::UserRole) an ID item's bytes as a
    // QByteArray or another item's data.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

    int Count() const { return static_cast<int>(items.size()); }
    const CListItem& At(int position) const { return items[static_cast<std::size_t>(position)]; }
    const std::vector<CListItem>& All() const { return items; }

    void Insert(int position, CListItem item);
    void Append(std::vector<CListItem> added);
    void SetData(int position, QVariant value);
    // Replaces all items at once; gives the items it held.
    std::vector<CListItem> Replace(std::vector<CListItem> replacement);

private:
    std::vector<CListItem> items;
};
