// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CShownIds.h"

#include "core/ShownText.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

std::u16string_view Utf16(const QString& text) {
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

}  // namespace

CShownId::CShownId(std::string idBytes, const CCodePage& codePage)
    : bytes(std::move(idBytes)),
      text(QString::fromStdString(ShowText(codePage, bytes))),
      sharedBytes(QByteArray::fromStdString(bytes)) {}

std::uint64_t CShownId::KeyStart() const {
    if (keyStart == 0) {
        keyStart = AlphabeticalKeyStart(text);
    }
    return keyStart;
}

CShownIds::CShownIds(const std::vector<std::string>& idBytes, const CCodePage& idCodePage) : codePage(idCodePage) {
    ids.reserve(idBytes.size());
    for (const std::string& bytes : idBytes) {
        ids.emplace_back(bytes, codePage);
    }
}

CShownIds::CShownIds(const CCodePage& idCodePage, const CCodePage& before) : codePage(idCodePage) {
    std::string ascii(128, '\0');
    std::iota(ascii.begin(), ascii.end(), '\0');
    asciiAsBefore = ShowText(codePage, ascii) == ShowText(before, ascii);
}

bool CShownIds::ShownAsBefore(std::string_view bytes) const {
    return asciiAsBefore &&
           std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const std::vector<std::size_t>& CShownIds::SortedOrder() const {
    if (sortedOrder.size() != ids.size()) {
        sortedOrder.resize(ids.size());
        std::iota(sortedOrder.begin(), sortedOrder.end(), std::size_t{0});
        std::vector<std::uint64_t> starts;
        starts.reserve(ids.size());
        for (const CShownId& id : ids) {
            starts.push_back(id.KeyStart());
        }
        std::stable_sort(sortedOrder.begin(), sortedOrder.end(), [this, &starts](std::size_t a, std::size_t b) {
            return AlphabeticallyBefore(starts[a], ids[a].text, starts[b], ids[b].text);
        });
    }
    return sortedOrder;
}

const CShownId& CShownIds::Show(std::string_view bytes) {
    if (indexOfBytes.empty()) {
        for (std::size_t i = 0; i < ids.size(); ++i) {
            indexOfBytes.try_emplace(ids[i].bytes, i);
        }
    }
    if (const auto found = indexOfBytes.find(bytes); found != indexOfBytes.end()) {
        return ids[found->second];
    }
    if (const auto found = others.find(bytes); found != others.end()) {
        return found->second;
    }
    return others.try_emplace(std::string(bytes), std::string(bytes), codePage).first->second;
}

std::uint64_t AlphabeticalKeyStart(const QString& text) {
    return CAlphabeticalOrder::User().KeyStart(Utf16(text));
}

bool CollatorSaysBefore(const QString& a, const QString& b) {
    return CAlphabeticalOrder::User().Compare(Utf16(a), Utf16(b)) < 0;
}
