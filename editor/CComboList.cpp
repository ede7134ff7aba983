// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CComboList.h"

#include "core/CodePage.h"
#include "editor/CListItems.h"
#include "editor/CShownIds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QByteArray>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QListView>
#include <QPointer>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <optional>
#include <utility>

namespace {

// The application's style, except that a list opens below its field as a
// scrolling list instead of a menu over it (which some styles, Fusion among
// them, make as tall as the screen and scroll with arrows).
class CScrollingListStyle : public QProxyStyle {
public:
    CScrollingListStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// One style for all lists, owned by the application.
QStyle* ScrollingListStyle() {
    static QPointer<QStyle> style;
    if (style.isNull()) {
        style = new CScrollingListStyle;
        style->setParent(QApplication::instance());
    }
    return style;
}

// The order of a sorted list's items.
bool SortsBefore(const CListItem& a, const CListItem& b) {
    return AlphabeticallyBefore(a.keyStart, a.text, b.keyStart, b.text);
}

// The whole pixels a text takes, as an item view measures it.
int TextWidth(const QFontMetricsF& metrics, const QString& text) {
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

}  // namespace

CComboList::CComboList(bool isSorted, QWidget* parent)
    : QComboBox(parent), items(new CListItems(this)), sorted(isSorted) {
    setModel(items);
    // Before the list's view is made: it takes its scroll bar from the style.
    setStyle(ScrollingListStyle());
    // Every item is one line of text, so the open list lays out one item
    // for all instead of measuring each (10,000 IDs took tens of ms).
    qobject_cast<QListView*>(view())->setUniformItemSizes(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
    // The widest text is measured again when the open list needs it, except
    // that an item added alone can only widen it.
    const auto measureAgain = [this] { widestTextWidth = -1; };
    connect(items, &QAbstractItemModel::modelReset, this, measureAgain);
    connect(items, &QAbstractItemModel::rowsRemoved, this, measureAgain);
    connect(items, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (widestTextWidth >= 0 && first == last) {
            widestTextWidth = std::max(widestTextWidth, TextWidth(QFontMetricsF(view()->font()), Text(first)));
        } else {
            widestTextWidth = -1;
        }
    });
}

void CComboList::SetListHeight(int pixels) {
    // Every row is at least a pixel tall, so this many rows always reach the
    // height; the limit of the list's frame cuts them there.
    setMaxVisibleItems(std::max(1, pixels));
    view()->parentWidget()->setMaximumHeight(pixels);
}

void CComboList::showPopup() {
    if (Count() > 0) {
        // What the list's items need beside their text (margins), as the
        // list measures an item, then its frame and scroll bar.
        QAbstractItemView* list = view();
        const int itemMargins =
            list->sizeHintForIndex(items->index(0)).width() - TextWidth(QFontMetricsF(list->font()), Text(0));
        const int scrollBar =
            list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());
        list->setMinimumWidth(WidestTextWidth() + itemMargins + 2 * list->frameWidth() + scrollBar);
    }
    QComboBox::showPopup();
}

int CComboList::WidestTextWidth() const {
    if (widestTextWidth < 0) {
        const QFontMetricsF metrics(view()->font());
        widestTextWidth = 0;
        for (const CListItem& item : items->All()) {
            widestTextWidth = std::max(widestTextWidth, TextWidth(metrics, item.text));
        }
    }
    return widestTextWidth;
}

bool CComboList::IsTextCut() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The style draws the text 1 pixel inside the field on each side, a line
    // edit 2 pixels inside itself.
    const int margins = isEditable() ? 4 : 2;
    return fontMetrics().horizontalAdvance(currentText()) > field.width() - margins;
}

bool CComboList::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (IsTextCut()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentText(), this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QComboBox::event(event);
}

int CComboList::Count() const {
    return items->Count();
}

CListItem CComboList::ItemOf(const QString& text, const QVariant& value) const {
    CListItem item(text, value);
    if (sorted) {
        item.keyStart = AlphabeticalKeyStart(text);
    }
    return item;
}

CListItem CComboList::ItemOf(const CShownId& id) const {
    CListItem item(id);
    if (sorted) {
        item.keyStart = id.KeyStart();
    }
    return item;
}

int CComboList::Insert(CListItem item) {
    int position = Count();
    if (sorted) {
        // After the last item that does not sort after the new one, so equal
        // texts keep their order of insertion.
        const std::vector<CListItem>& all = items->All();
        const auto after = std::upper_bound(all.begin(), all.end(), item, SortsBefore);
        position = static_cast<int>(after - all.begin());
    }
    return InsertAt(position, std::move(item));
}

int CComboList::InsertAt(int position, CListItem item) {
    position = std::clamp(position, 0, Count());
    const int selected = Selection();
    items->Insert(position, std::move(item));
    // Inserting must not move the selection onto another item (Qt selects
    // the first item added to an empty list).
    if (selected == -1) {
        setCurrentIndex(-1);
    }
    return position;
}

int CComboList::AddItem(const QString& text, const QVariant& value) {
    return Insert(ItemOf(text, value));
}

int CComboList::AddId(const std::string& id, const CCodePage& codePage) {
    return Insert(ItemOf(CShownId(id, codePage)));
}

void CComboList::InsertIdAt(int position, const std::string& id, const CCodePage& codePage) {
    InsertAt(position, ItemOf(CShownId(id, codePage)));
}

void CComboList::AddItems(const std::vector<std::pair<QString, QVariant>>& added) {
    std::vector<CListItem> batch;
    batch.reserve(added.size());
    for (const auto& [text, value] : added) {
        batch.push_back(ItemOf(text, value));
    }
    if (sorted) {
        std::stable_sort(batch.begin(), batch.end(), SortsBefore);
    }
    AddInOrder(std::move(batch), batch.size());
}

int CComboList::AddIds(const CShownIds& ids) {
    return AddIdsToEach({this}, ids).front();
}

std::vector<int> CComboList::AddIdsToEach(const std::vector<CComboList*>& lists, const CShownIds& ids) {
    const std::vector<CShownId>& inserted = ids.InsertionOrder();
    std::vector<int> lastPositions(lists.size(), -1);
    if (inserted.empty()) {
        return lastPositions;
    }
    std::vector<std::vector<CListItem>> batches(lists.size());
    for (std::vector<CListItem>& batch : batches) {
        batch.reserve(inserted.size());
    }
    // Each order is walked once for all lists that take it, so that an ID's
    // shared texts are fetched once, not once per list.
    const auto addToLists = [&](const CShownId& id, bool sortedLists) {
        for (std::size_t list = 0; list < lists.size(); ++list) {
            if (lists[list]->sorted == sortedLists) {
                batches[list].push_back(lists[list]->ItemOf(id));
            }
        }
    };
    const std::size_t last = inserted.size() - 1;
    std::size_t lastInSortedOrder = last;
    if (std::any_of(lists.begin(), lists.end(), [](const CComboList* list) { return list->sorted; })) {
        const std::vector<std::size_t>& order = ids.SortedOrder();
        for (std::size_t i = 0; i < order.size(); ++i) {
            addToLists(inserted[order[i]], true);
            lastInSortedOrder = order[i] == last ? i : lastInSortedOrder;
        }
    }
    if (std::any_of(lists.begin(), lists.end(), [](const CComboList* list) { return !list->sorted; })) {
        for (const CShownId& id : inserted) {
            addToLists(id, false);
        }
    }
    for (std::size_t list = 0; list < lists.size(); ++list) {
        lastPositions[list] =
            lists[list]->AddInOrder(std::move(batches[list]), lists[list]->sorted ? lastInSortedOrder : last);
    }
    return lastPositions;
}

int CComboList::AddInOrder(std::vector<CListItem> batch, std::size_t tracked) {
    const int selected = Selection();
    if (!sorted) {
        const int first = Count();
        items->Append(std::move(batch));
        if (selected == -1) {
            setCurrentIndex(-1);
        }
        return tracked < static_cast<std::size_t>(Count() - first) ? first + static_cast<int>(tracked) : -1;
    }
    // Merging the sorted items with the sorted batch, the present item first
    // among equal texts, places each added item after the last item that does
    // not sort after it: exactly where inserting them one by one would.
    const std::vector<CListItem>& present = items->All();
    std::vector<CListItem> merged;
    merged.reserve(present.size() + batch.size());
    int newSelected = -1;
    int trackedPosition = -1;
    std::size_t p = 0;
    std::size_t b = 0;
    while (p < present.size() || b < batch.size()) {
        const int position = static_cast<int>(merged.size());
        if (b == batch.size() || (p < present.size() && !SortsBefore(batch[b], present[p]))) {
            if (static_cast<int>(p) == selected) {
                newSelected = position;
            }
            merged.push_back(present[p++]);
        } else {
            if (b == tracked) {
                trackedPosition = position;
            }
            merged.push_back(std::move(batch[b++]));
        }
    }
    items->Replace(std::move(merged));
    setCurrentIndex(newSelected);
    return trackedPosition;
}

void CComboList::ShowIdsIn(const CCodePage& codePage) {
    CShownIds ids({}, codePage);
    ShowIdsIn(ids);
}

void CComboList::ShowIdsIn(CShownIds& ids) {
    const std::vector<CListItem>& present = items->All();
    // The items whose text changes, by position; the same text stands for
    // the same bytes read the same way, so a list whose texts all stay
    // stays as it is.
    std::vector<std::pair<std::size_t, CListItem>> changed;
    for (std::size_t i = 0; i < present.size(); ++i) {
        const CListItem& item = present[i];
        if (!item.isId || ids.ShownAsBefore(item.IdBytes())) {
            continue;
        }
        if (const CShownId& id = ids.Show(item.IdBytes()); id.text != item.text) {
            changed.emplace_back(i, ItemOf(id));
        }
    }
    if (changed.empty()) {
        return;
    }
    std::vector<CListItem> shown(present);
    for (auto& [position, item] : changed) {
        shown[position] = std::move(item);
    }
    std::vector<std::size_t> order(shown.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (sorted) {
        // As a stable sort of the whole list: by text, equal texts in their
        // order in the list. The items that keep their texts are in that
        // order already, so only the changed ones are sorted, and merged in.
        const auto before = [&shown](std::size_t a, std::size_t b) {
            return SortsBefore(shown[a], shown[b]) || (!SortsBefore(shown[b], shown[a]) && a < b);
        };
        std::vector<std::size_t> moved;
        moved.reserve(changed.size());
        for (const auto& entry : changed) {
            moved.push_back(entry.first);
        }
        std::vector<std::size_t> kept;
        kept.reserve(shown.size() - moved.size());
        std::set_difference(order.begin(), order.end(), moved.begin(), moved.end(), std::back_inserter(kept));
        std::sort(moved.begin(), moved.end(), before);
        std::merge(kept.begin(), kept.end(), moved.begin(), moved.end(), order.begin(), before);
    }
    std::vector<CListItem> reordered;
    reordered.reserve(shown.size());
    int newSelected = -1;
    for (const std::size_t index : order) {
        if (static_cast<int>(index) == Selection()) {
            newSelected = static_cast<int>(reordered.size());
        }
        reordered.push_back(std::move(shown[index]));
    }
    items->Replace(std::move(reordered));
    setCurrentIndex(newSelected);
}

void CComboList::RemoveItem(int position) {
    if (InRange(position)) {
        items->removeRows(position, 1);
    }
}

void CComboList::RemoveAll() {
    items->Replace({});
}

std::vector<CListItem> CComboList::TakeAll() {
    return items->Replace({});
}

void CComboList::Select(int position) {
    setCurrentIndex(InRange(position) ? position : -1);
}

QString CComboList::SelectedText() const {
    return Text(Selection());
}

QString CComboList::Text(int position) const {
    return InRange(position) ? items->At(position).text : QString();
}

QVariant CComboList::Data(int position) const {
    return InRange(position) ? items->data(items->index(position), Qt::UserRole) : QVariant();
}

void CComboList::SetData(int position, const QVariant& value) {
    if (InRange(position)) {
        items->SetData(position, value);
    }
}

std::string CComboList::Id(int position) const {
    if (!InRange(position)) {
        return {};
    }
    const CListItem& item = items->At(position);
    return item.isId ? item.idBytes.toStdString() : item.text.toUtf8().toStdString();
}

template <class Matches>
int CComboList::FindFrom(int after, Matches matches) const {
    const int n = Count();
    const int start = after >= 0 && after < n ? after + 1 : 0;
    for (int step = 0; step < n; ++step) {
        const int position = (start + step) % n;
        if (matches(items->At(position))) {
            return position;
        }
    }
    return -1;
}

int CComboList::FindText(const QString& text, int after, Qt::CaseSensitivity cs) const {
    return FindFrom(after, [&](const CListItem& item) { return QString::compare(item.text, text, cs) == 0; });
}

int CComboList::FindId(const std::string& id, int after) const {
    return FindFrom(after, [&](const CListItem& item) {
        return item.isId ? item.IdBytes() == id : item.text.toUtf8().toStdString() == id;
    });
}

int CComboList::FindIdIgnoringCase(const std::string& id, const CCodePage& codePage, int after) const {
    const std::optional<std::string> read = codePage.ToUtf8(id);
    if (!read) {
        return -1;
    }
    const QString wanted = QString::fromStdString(*read);
    const auto equalIgnoringCase = [&wanted](const QString& text) {
        return QString::compare(text, wanted, Qt::CaseInsensitive) == 0;
    };
    if (!wanted.contains(u'\\')) {
        // Text without a backslash shows exactly as it reads (ShownText.h),
        // and no other character equals a backslash up to case: an item that
        // reads as the ID up to case shows so too, and the shown texts tell.
        return FindFrom(after, [&](const CListItem& item) { return item.isId && equalIgnoringCase(item.text); });
    }
    return FindFrom(after, [&](const CListItem& item) {
        const std::optional<std::string> itemRead = item.isId ? codePage.ToUtf8(item.IdBytes()) : std::nullopt;
        return itemRead && equalIgnoringCase(QString::fromStdString(*itemRead));
    });
}
