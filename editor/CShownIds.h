// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CodePage.h"

#include <QString>

#include <string>
#include <unordered_map>
#include <vector>

// Holiday IDs as the lists show them in one code page, each converted once
// however many lists show it.
struct CShownId {
    // One ID in the code page.
    CShownId(std::string bytes, const CCodePage& codePage);

    std::string bytes;
    QString text;  // the bytes as ShownText.h shows them
};

// A batch of IDs in their order of insertion (repeats allowed), with the
// order in which a sorted list shows them, so that every list can take them
// in one go.
class CShownIds {
public:
    CShownIds(const std::vector<std::string>& ids, const CCodePage& codePage);

    const CCodePage& CodePage() const { return codePage; }
    const std::vector<CShownId>& InsertionOrder() const { return ids; }
    // Indices into InsertionOrder(): by text ignoring case, equal texts in
    // insertion order. Computed on first use.
    const std::vector<std::size_t>& SortedOrder() const;
    // The ID with these bytes as the batch shows it; bytes outside the batch
    // are shown in its code page, once.
    const CShownId& Show(const std::string& bytes);

private:
    CCodePage codePage;
    std::vector<CShownId> ids;
    mutable std::vector<std::size_t> sortedOrder;
    std::unordered_map<std::string, std::size_t> indexOfBytes;  // built on first use
    std::unordered_map<std::string, CShownId> others;
};

// The order of sorted lists: case-insensitive, as the platform's lists sort.
inline bool SortsBefore(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
