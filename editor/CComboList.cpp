#include "editor/CComboList.h"

#include "core/ShownText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QByteArray>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

#include <algorithm>
#include <vector>

namespace {

bool IsId(const QVariant& data) {
    return data.typeId() == QMetaType::QByteArray;
}

QString ShownId(const QByteArray& id, const CCodePage& codePage) {
    return QString::fromStdString(
        ShowText(codePage, std::string_view(id.constData(), static_cast<std::size_t>(id.size()))));
}

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

}  // namespace

CComboList::CComboList(bool isSorted, QWidget* parent) : QComboBox(parent), sorted(isSorted) {
    setStyle(ScrollingListStyle());
    setInsertPolicy(QComboBox::NoInsert);
    setCurrentIndex(-1);
}

void CComboList::SetListHeight(int pixels) {
    // Every row is at least a pixel tall, so this many rows always reach the
    // height; the limit of the list's frame cuts them there.
    setMaxVisibleItems(std::max(1, pixels));
    view()->parentWidget()->setMaximumHeight(pixels);
}

int CComboList::AddItem(const QString& text, const QVariant& value) {
    int position = count();
    if (sorted) {
        // After the last item that does not sort after the new one, so equal
        // texts keep their order of insertion.
        position = 0;
        while (position < count() && QString::compare(itemText(position), text, Qt::CaseInsensitive) <= 0) {
            ++position;
        }
    }
    const int selected = currentIndex();
    insertItem(position, text, value);
    // Inserting must not move the selection onto another item.
    if (selected == -1) {
        setCurrentIndex(-1);
    }
    return position;
}

int CComboList::AddId(const std::string& id, const CCodePage& codePage) {
    const QByteArray bytes(id.data(), static_cast<qsizetype>(id.size()));
    return AddItem(ShownId(bytes, codePage), bytes);
}

void CComboList::ShowIdsIn(const CCodePage& codePage) {
    struct Item {
        QString text;
        QVariant data;
        bool selected;
    };
    std::vector<Item> items;
    for (int position = 0; position < count(); ++position) {
        const QVariant value = itemData(position);
        items.push_back({IsId(value) ? ShownId(value.toByteArray(), codePage) : itemText(position), value,
                         position == currentIndex()});
    }
    if (sorted) {
        // Stable, as inserting one by one is: equal texts keep their order.
        std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
            return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
        });
    }
    clear();
    for (const Item& item : items) {
        addItem(item.text, item.data);
    }
    const auto selected = std::find_if(items.begin(), items.end(), [](const Item& item) { return item.selected; });
    setCurrentIndex(selected == items.end() ? -1 : static_cast<int>(selected - items.begin()));
}

void CComboList::RemoveItem(int position) {
    if (position >= 0 && position < count()) {
        removeItem(position);
    }
}

void CComboList::RemoveAll() {
    clear();
}

void CComboList::Select(int position) {
    setCurrentIndex(position >= 0 && position < count() ? position : -1);
}

QString CComboList::SelectedText() const {
    return Text(Selection());
}

QString CComboList::Text(int position) const {
    return position >= 0 && position < count() ? itemText(position) : QString();
}

QVariant CComboList::Data(int position) const {
    return position >= 0 && position < count() ? itemData(position) : QVariant();
}

void CComboList::SetData(int position, const QVariant& value) {
    if (position >= 0 && position < count()) {
        setItemData(position, value);
    }
}

std::string CComboList::Id(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    const QVariant value = itemData(position);
    const QByteArray bytes = IsId(value) ? value.toByteArray() : itemText(position).toUtf8();
    return bytes.toStdString();
}

template <class Matches>
int CComboList::FindFrom(int after, Matches matches) const {
    const int n = count();
    const int start = after >= 0 && after < n ? after + 1 : 0;
    for (int step = 0; step < n; ++step) {
        const int position = (start + step) % n;
        if (matches(position)) {
            return position;
        }
    }
    return -1;
}

int CComboList::FindText(const QString& text, int after, Qt::CaseSensitivity cs) const {
    return FindFrom(after, [&](int position) { return QString::compare(itemText(position), text, cs) == 0; });
}

int CComboList::FindId(const std::string& id, int after) const {
    return FindFrom(after, [&](int position) { return Id(position) == id; });
}
