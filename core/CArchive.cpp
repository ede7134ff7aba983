// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CArchive.h"

#include <fmt/format.h>

#include <utility>

CArchive CArchive::ForLoading(std::vector<std::uint8_t> bytes) {
    return CArchive(true, std::move(bytes));
}

CArchive CArchive::ForStoring() {
    return CArchive(false, {});
}

CArchive::CArchive(bool isLoading, std::vector<std::uint8_t> bytes) : loading(isLoading), buffer(std::move(bytes)) {}

std::size_t CArchive::Remaining() const {
    return loading ? buffer.size() - position : 0;
}

void CArchive::Require(std::size_t count) const {
    if (count > Remaining()) {
        throw CArchiveEndOfData(position, count, Remaining());
    }
}

// Storing: every value goes out lowest byte first.

void CArchive::WriteUInt8(std::uint8_t value) {
    buffer.push_back(value);
    position = buffer.size();
}

void CArchive::WriteUInt16(std::uint16_t value) {
    WriteUInt8(static_cast<std::uint8_t>(value & 0xFFu));
    WriteUInt8(static_cast<std::uint8_t>(value >> 8));
}

void CArchive::WriteUInt32(std::uint32_t value) {
    WriteUInt16(static_cast<std::uint16_t>(value & 0xFFFFu));
    WriteUInt16(static_cast<std::uint16_t>(value >> 16));
}

void CArchive::WriteInt32(std::int32_t value) {
    // Two's complement bit pattern; the conversion to unsigned is exact.
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteBytes(std::string_view bytes) {
    buffer.insert(buffer.end(), bytes.begin(), bytes.end());
    position = buffer.size();
}

// Loading: each read checks the whole width first, so a failed read consumes
// nothing.

std::uint8_t CArchive::ReadUInt8() {
    Require(1);
    return buffer[position++];
}

std::uint16_t CArchive::ReadUInt16() {
    Require(2);
    const auto low = static_cast<unsigned>(buffer[position]);
    const auto high = static_cast<unsigned>(buffer[position + 1]);
    position += 2;
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint32_t CArchive::ReadUInt32() {
    Require(4);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(buffer[position + i]) << (8 * i);
    }
    position += 4;
    return value;
}

std::int32_t CArchive::ReadInt32() {
    // Conversion of values above INT32_MAX is modular (two's complement) in C++20.
    return static_cast<std::int32_t>(ReadUInt32());
}

std::string CArchive::ReadBytes(std::size_t count) {
    Require(count);
    const auto* first = buffer.data() + position;
    std::string bytes(reinterpret_cast<const char*>(first), count);
    position += count;
    return bytes;
}

CArchiveEndOfData::CArchiveEndOfData(std::size_t at, std::size_t wanted, std::size_t available)
    : std::runtime_error(
          fmt::format("unexpected end of data at byte {}: {} bytes wanted, {} left", at, wanted, available)),
      position(at) {}

CArchiveBadValue::CArchiveBadValue(std::size_t at, const std::string& problem)
    : std::runtime_error(fmt::format("bad value at byte {}: {}", at, problem)), position(at) {}
