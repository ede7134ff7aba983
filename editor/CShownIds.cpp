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

bool IsPlainAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F && c != '\\'; });
}

bool ShowsPlainAsciiAsItself(const CCodePage& codePage) {
    std::string plain;
    for (char c = 0x20; c < 0x7F; ++c) {
        plain += c == '\\' ? ' ' : c;
    }
    return ShowText(codePage, plain) == plain;
}

QString ShownIdText(const CCodePage& codePage, const std::string& bytes, bool plainAsciiAsItself) {
    if (plainAsciiAsItself && IsPlainAscii(bytes)) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return QString::fromStdString(ShowText(codePage, bytes));
}

}  // namespace

CShownId::CShownId(std::string idBytes, const CCodePage& codePage, bool plainAsciiAsItself)
    : bytes(std::move(idBytes)),
      text(ShownIdText(codePage, bytes, plainAsciiAsItself)),
      sharedBytes(QByteArray::fromStdString(bytes)) {}

std::uint64_t CShownId::KeyStart() const {
    if (keyStart == 0) {
        keyStart = AlphabeticalKeyStart(text);
    }
    return keyStart;
}

CShownIds::CShownIds(const std::vector<std::string>& idBytes, const CCodePage& idCodePage)
    : codePage(idCodePage), plainAsciiAsItself(ShowsPlainAsciiAsItself(codePage)) {
    ids.reserve(idBytes.size());
    for (const std::string& bytes : idBytes) {
        ids.emplace_back(bytes, codePage, plainAsciiAsItself);
    }
}

CShownIds::CShownIds(const CCodePage& idCodePage, const CCodePage& before)
    : codePage(idCodePage), plainAsciiAsItself(ShowsPlainAsciiAsItself(codePage)) {
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
    if (const auto found = shown.find(bytes); found != shown.end()) {
        return found->second;
    }
    return shown.try_emplace(std::string(bytes), std::string(bytes), codePage, plainAsciiAsItself).first->second;
}

std::uint64_t AlphabeticalKeyStart(const QString& text) {
    return CAlphabeticalOrder::User().KeyStart(Utf16(text));
}

bool CollatorSaysBefore(const QString& a, const QString& b) {
    return CAlphabeticalOrder::User().Compare(Utf16(a), Utf16(b)) < 0;
}
