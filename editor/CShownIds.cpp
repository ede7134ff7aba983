// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CShownIds.h"

#include "core/ShownText.h"

#include <algorithm>
#include <numeric>
#include <utility>

CShownId::CShownId(std::string idBytes, const CCodePage& codePage)
    : bytes(std::move(idBytes)), text(QString::fromStdString(ShowText(codePage, bytes))) {}

CShownIds::CShownIds(const std::vector<std::string>& idBytes, const CCodePage& idCodePage) : codePage(idCodePage) {
    ids.reserve(idBytes.size());
    for (const std::string& bytes : idBytes) {
        ids.emplace_back(bytes, codePage);
    }
}

const std::vector<std::size_t>& CShownIds::SortedOrder() const {
    if (sortedOrder.size() != ids.size()) {
        sortedOrder.resize(ids.size());
        std::iota(sortedOrder.begin(), sortedOrder.end(), std::size_t{0});
        std::stable_sort(sortedOrder.begin(), sortedOrder.end(),
                         [this](std::size_t a, std::size_t b) { return SortsBefore(ids[a].text, ids[b].text); });
    }
    return sortedOrder;
}

const CShownId& CShownIds::Show(const std::string& bytes) {
    if (indexOfBytes.empty()) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            indexOfBytes.try_emplace(ids[i].bytes, i);
        }
    }
    if (const auto found = indexOfBytes.find(bytes); found != indexOfBytes.end()) {
        return ids[found->second];
    }
    return others.try_emplace(bytes, bytes, codePage).first->second;
}
