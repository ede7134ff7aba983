// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

#include <string>
#include <utility>
#include <vector>

class CCodePage;
class CListItems;
class CShownIds;
struct CListItem;
struct CShownId;

// A drop-down list with item data, after the platform's list controls:
// a sorted list inserts each item at its place in the user's alphabetical
// order, ignoring case (AlphabeticallyBefore in CShownIds.h), after the items
// that sort equal; an unsorted one appends. Positions are 0-based and -1
// means "none".
//
// Holiday IDs are byte strings in the document's code page: an ID item shows
// the bytes as ShownText.h describes and keeps the exact bytes as its item
// data.
class CComboList : public QComboBox {
    Q_OBJECT

public:
    explicit CComboList(bool sorted, QWidget* parent = nullptr);

    bool IsSorted() const { return sorted; }

    // The list opens below the field as a list of at most this many pixels
    // that scrolls with a vertical scroll bar; a list whose items need less
    // room is as tall as they are. It is as wide as its widest item (the
    // field keeps its size), and a field too narrow for the selected text
    // shows the whole text as a tooltip.
    void SetListHeight(int pixels);
    void showPopup() override;

    int Count() const;

    // Adds an item and returns its position.
    int AddItem(const QString& text, const QVariant& value = {});
    int AddId(const std::string& id, const CCodePage& codePage);
    // Puts an ID item back where it stood (clamped to 0..count), also in a
    // sorted list: the place an earlier removal reported.
    void InsertIdAt(int position, const std::string& id, const CCodePage& codePage);
    // Add many at once, giving the list that adding them one by one in their
    // order gives. AddIds returns the position of the batch's last ID (-1 for
    // an empty batch).
    void AddItems(const std::vector<std::pair<QString, QVariant>>& added);
    int AddIds(const CShownIds& ids);
    // AddIds for several lists at once, each list's last position in turn.
    static std::vector<int> AddIdsToEach(const std::vector<CComboList*>& lists, const CShownIds& ids);
    // Shows the bytes of every ID item in another code page. A sorted list
    // sorts its items again by their new texts; the selected item stays
    // selected. Lists that show the same IDs share `ids`, which converts each
    // ID once for all of them.
    void ShowIdsIn(const CCodePage& codePage);
    void ShowIdsIn(CShownIds& ids);
    void RemoveItem(int position);  // outside 0..count-1: nothing
    void RemoveAll();
    // Removes every item and gives them, to be freed elsewhere.
    std::vector<CListItem> TakeAll();

    // The selected position, or -1. Selecting a position outside
    // 0..count-1 leaves the list without a selection.
    int Selection() const { return currentIndex(); }
    void Select(int position);
    QString SelectedText() const;  // "" without a selection

    QString Text(int position) const;
    QVariant Data(int position) const;
    void SetData(int position, const QVariant& value);
    // The exact bytes of an ID item (or the UTF-8 of its text for an item
    // added without bytes); "" outside 0..count-1.
    std::string Id(int position) const;
    std::string SelectedId() const { return Id(Selection()); }

    // Searches for an item whose whole text equals the text, starting after
    // position `after` and wrapping around to the start, as the platform's
    // search does (after = -1 searches from 0). Returns the position or -1.
    int FindText(const QString& text, int after = -1, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;
    // The same search over the exact bytes of ID items.
    int FindId(const std::string& id, int after = -1) const;
    // The same search for an ID item whose bytes, read in the code page the
    // IDs are shown in, give the text of the ID up to letter case. IDs with a
    // byte that stands for no character match nothing.
    int FindIdIgnoringCase(const std::string& id, const CCodePage& codePage, int after = -1) const;

protected:
    bool event(QEvent* event) override;

private:
    bool InRange(int position) const { return position >= 0 && position < Count(); }
    // Whether the field cuts the text it shows.
    bool IsTextCut() const;
    // The width of the widest item's text in the open list, measured once
    // after the items change (an item added alone is measured alone).
    int WidestTextWidth() const;
    // An item as this list holds it: in a sorted list, with its key start.
    CListItem ItemOf(const QString& text, const QVariant& value) const;
    CListItem ItemOf(const CShownId& id) const;
    int Insert(CListItem item);
    int InsertAt(int position, CListItem item);
    // Adds items given in the order this list shows them (sorted lists: by
    // text, equal texts in insertion order) and returns the new position of
    // the item at `tracked` in the batch.
    int AddInOrder(std::vector<CListItem> batch, std::size_t tracked);
    template <class Matches>
    int FindFrom(int after, Matches matches) const;

    CListItems* items;
    bool sorted;
    mutable int widestTextWidth = -1;  // pixels; -1: to be measured
};
