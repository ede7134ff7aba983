// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/AlphabeticalOrder.h"
#include "core/CodePage.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Holiday IDs as the lists show them in one code page, each converted once
// however many lists show it.
struct CShownId {
    // One ID in the code page; `plainAsciiAsItself` tells that the code page
    // shows printable ASCII other than the backslash as itself, which spares
    // such IDs the conversion.
    CShownId(std::string bytes, const CCodePage& codePage, bool plainAsciiAsItself = false);

    // The AlphabeticalKeyStart of the text, computed on first use: lists
    // that sort the same ID share it.
    std::uint64_t KeyStart() const;

    std::string bytes;
    QString text;            // the bytes as ShownText.h shows them
    QByteArray sharedBytes;  // the bytes again, which every list item of the ID shares

private:
    mutable std::uint64_t keyStart = 0;
};

// A batch of IDs in their order of insertion (repeats allowed), with the
// order in which a sorted list shows them, so that every list can take them
// in one go.
class CShownIds {
public:
    CShownIds(const std::vector<std::string>& ids, const CCodePage& codePage);
    // No batch, for showing IDs that were shown in `before` until now.
    CShownIds(const CCodePage& codePage, const CCodePage& before);

    const CCodePage& CodePage() const { return codePage; }
    const std::vector<CShownId>& InsertionOrder() const { return ids; }
    // Indices into InsertionOrder(): by text in the order of sorted lists,
    // equal texts in insertion order. Computed on first use.
    const std::vector<std::size_t>& SortedOrder() const;
    // The ID with these bytes in the code page, converted once however often
    // it is asked for.
    const CShownId& Show(std::string_view bytes);
    // Whether the bytes certainly read as they did in the code page they
    // were shown in before: ASCII, where both code pages show ASCII alike.
    bool ShownAsBefore(std::string_view bytes) const;

private:
    // Looks up bytes of any kind without making a string of them.
    struct CBytesHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view bytes) const { return std::hash<std::string_view>()(bytes); }
    };
    template <class T>
    using CByBytes = std::unordered_map<std::string, T, CBytesHash, std::equal_to<>>;

    CCodePage codePage;
    bool plainAsciiAsItself = false;
    bool asciiAsBefore = false;
    std::vector<CShownId> ids;
    mutable std::vector<std::size_t> sortedOrder;
    CByBytes<CShownId> shown;
};

// The order of sorted lists: the user's alphabetical order, ignoring case
// (CAlphabeticalOrder::User()). Each text's key start is computed once;
// whether a text comes before another is then mostly told by their starts,
// else by the collator.
std::uint64_t AlphabeticalKeyStart(const QString& text);
bool CollatorSaysBefore(const QString& a, const QString& b);
inline bool AlphabeticallyBefore(std::uint64_t aStart, const QString& a, std::uint64_t bStart, const QString& b) {
    return CAlphabeticalOrder::StartsTell(aStart, bStart) ? aStart < bStart : CollatorSaysBefore(a, b);
}
