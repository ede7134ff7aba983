// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A little-endian binary archive over a byte buffer: either loading from the
// bytes it was given or storing into a buffer that grows. Files are read whole
// into a loading archive and written whole from a storing archive, so a reader
// always knows how many bytes remain and a writer never leaves half a file.
class CArchive {
public:
    // A loading archive over the given bytes.
    static CArchive ForLoading(std::vector<std::uint8_t> bytes);
    // A storing archive with an empty buffer.
    static CArchive ForStoring();

    bool IsLoading() const { return loading; }
    bool IsStoring() const { return !loading; }

    // Storing.
    void WriteInt32(std::int32_t value);
    void WriteUInt8(std::uint8_t value);
    void WriteUInt16(std::uint16_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteBytes(std::string_view bytes);
    // The stored bytes.
    const std::vector<std::uint8_t>& Buffer() const { return buffer; }

    // Loading. Each throws CArchiveEndOfData when fewer bytes remain than asked.
    std::int32_t ReadInt32();
    std::uint8_t ReadUInt8();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    std::string ReadBytes(std::size_t count);

    // Byte offset of the next read or write.
    std::size_t Position() const { return position; }
    // Bytes not yet read (0 when storing).
    std::size_t Remaining() const;

private:
    CArchive(bool loading, std::vector<std::uint8_t> bytes);
    void Require(std::size_t count) const;

    bool loading;
    std::vector<std::uint8_t> buffer;
    std::size_t position = 0;
};

// Thrown by a loading archive that runs out of bytes.
class CArchiveEndOfData : public std::runtime_error {
public:
    CArchiveEndOfData(std::size_t position, std::size_t wanted, std::size_t available);
    std::size_t Position() const { return position; }

private:
    std::size_t position;
};

// Thrown when loaded bytes hold a value that cannot be right (for example a
// time of day beyond 24 hours). Position is the offset of the bad value.
class CArchiveBadValue : public std::runtime_error {
public:
    CArchiveBadValue(std::size_t position, const std::string& problem);
    std::size_t Position() const { return position; }

private:
    std::size_t position;
};
