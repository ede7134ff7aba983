// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FileAccess.h"
#include "core/WindowsLocale.h"
#include "model/HolidayFileError.h"
#include "records/Holiday.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CArchive;
class CHolidays;

// The holiday file: language, version and holiday count as little-endian
// int32, then the holiday records, without any header of its own. Texts carry
// a length prefix of 1 byte (0..254), 0xFF + 2 bytes (255..65533) or
// 0xFF 0xFF 0xFF + 4 bytes (65534 and above).

// Writes the document's data. Throws CHolidayFileError for a text or list too
// long for the format (4 GiB texts, more than 2^31 - 1 elements).
void WriteHolidayData(CArchive& archive, LCID language, int version, const std::vector<CHoliday>& holidays);

// Reads into the given fields: language and version as soon as each is read,
// and each holiday appended once its record is complete. Throws
// CHolidayFileError when the data ends early, a count or text length claims
// more than the remaining bytes can hold, or a text uses an unsupported
// encoding; nothing is allocated beyond what the remaining bytes can hold.
void ReadHolidayData(CArchive& archive, LCID& language, int& version, std::vector<CHoliday>& holidays);

// The whole file in memory, as the document's Serialize writes and reads it.
// Bytes after the last holiday are not part of the document: loading returns
// their number, and saving the document leaves them out.
std::vector<std::uint8_t> SaveHolidayBytes(const CHolidays& document);
std::size_t LoadHolidayBytes(CHolidays& document, std::vector<std::uint8_t> bytes);

// Reads the whole file and loads it into the document; returns the number of
// bytes after the last holiday and, when asked, the identity of the file
// read. Throws CFileAccessError when the file cannot be read (the document
// is then unchanged) and CHolidayFileError when its content is damaged (as
// LoadHolidayBytes).
std::size_t LoadHolidayFile(CHolidays& document, const std::filesystem::path& path, CFileIdentity* identity = nullptr);

// Replaces the file with the document, or leaves it as it was (see
// WriteFileAtomically), and gives the identity of the file written. Throws
// CFileAccessError when it cannot be written and CHolidayFileError when the
// document does not fit the format.
CFileIdentity SaveHolidayFile(const CHolidays& document, const std::filesystem::path& path);
