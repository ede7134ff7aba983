// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/HolidayFile.h"

#include "core/CArchive.h"
#include "core/FileAccess.h"
#include "model/CHolidays.h"
#include "records/RecordFields.h"

#include <fmt/format.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace {

// The escape byte and the 2-byte values after it.
constexpr std::uint8_t kLongerLength = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;  // a text in another encoding
constexpr std::uint16_t kFourByteLength = 0xFFFF;

// How messages count things: "1 shift rule", "2 shift rules", "0 bytes".
std::string Counted(std::uint64_t count, std::string_view noun) {
    return fmt::format("{} {}{}", count, noun, count == 1 ? "" : "s");
}

// Adds up the smallest stored size of the fields it visits: 4 bytes for an
// int32, a 1-byte prefix for an (empty) text and the count of a list.
struct CSizeCounter {
    std::size_t size = 0;
    void Int(const char*, std::int32_t) { size += 4; }
    void Text(const char*, const std::string&) { size += 1; }
    template <class Element>
    void List(const char*, const std::vector<Element>&) {
        size += 4;
    }
};

// The size of a record's smallest stored form, with empty texts and lists.
template <class Record>
std::size_t MinimumSize() {
    static const std::size_t size = [] {
        const Record record{};
        CSizeCounter counter;
        VisitFields(record, counter);
        return counter.size;
    }();
    return size;
}

// ---- Writing ----

void WriteText(CArchive& archive, const std::string& text) {
    const std::size_t length = text.size();
    if (length < kLongerLength) {
        archive.WriteUInt8(static_cast<std::uint8_t>(length));
    } else if (length < kUnicodeMarker) {
        archive.WriteUInt8(kLongerLength);
        archive.WriteUInt16(static_cast<std::uint16_t>(length));
    } else if (length <= std::numeric_limits<std::uint32_t>::max()) {
        archive.WriteUInt8(kLongerLength);
        archive.WriteUInt16(kFourByteLength);
        archive.WriteUInt32(static_cast<std::uint32_t>(length));
    } else {
        throw CHolidayFileError(fmt::format("a text of {} bytes is too long to store in a holiday file", length),
                                archive.Position());
    }
    archive.WriteBytes(text);
}

// Writes each field of the records it visits, and each list as its count
// followed by its records.
class CRecordWriter {
public:
    explicit CRecordWriter(CArchive& target) : archive(target) {}

    void Int(const char*, std::int32_t value) { archive.WriteInt32(value); }
    void Text(const char*, const std::string& text) { WriteText(archive, text); }

    template <class Record>
    void List(const char*, const std::vector<Record>& records) {
        if (records.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
            throw CHolidayFileError(
                fmt::format("{} are too many to store in a holiday file", Counted(records.size(), kRecordNoun<Record>)),
                archive.Position());
        }
        archive.WriteInt32(static_cast<std::int32_t>(records.size()));
        for (const Record& record : records) {
            VisitFields(record, *this);
        }
    }

private:
    CArchive& archive;
};

// ---- Reading ----

// Where a record lies, for messages: "holiday 3 of 5", "ruleset 1 of
// holiday 3 of 5". Made into a text only for a message, so that reading
// formats nothing per record.
struct CRecordPlace {
    const char* noun;            // kRecordNoun
    std::int64_t number;         // from 1
    std::int32_t count;          // of the holidays; for a record within another, unused
    const CRecordPlace* within;  // the record that holds it, or nullptr for a holiday

    std::string Text() const {
        return within == nullptr ? fmt::format("{} {} of {}", noun, number, count)
                                 : fmt::format("{} {} of {}", noun, number, within->Text());
    }
};

// Reads the fields of one record at `place`.
class CRecordReader {
public:
    // The record starts from its defaults, and every field is overwritten
    // from the file.
    template <class Record>
    static Record Read(CArchive& archive, const CRecordPlace& place) {
        Record record;
        CRecordReader reader(archive, place);
        VisitFields(record, reader);
        return record;
    }

    void Int(const char*, std::int32_t& field) { field = archive.ReadInt32(); }
    void Text(const char*, std::string& field) { field = ReadText(); }

    template <class Record>
    void List(const char*, std::vector<Record>& records) {
        const std::int32_t count = ReadCount(MinimumSize<Record>(), kRecordNoun<Record>);
        for (std::int32_t index = 0; index < count; ++index) {
            records.push_back(Read<Record>(archive, {kRecordNoun<Record>, index + 1, 0, &place}));
        }
    }

private:
    CRecordReader(CArchive& source, const CRecordPlace& recordPlace) : archive(source), place(recordPlace) {}

    // A count of records that follow; 0 for a count of 0 or less. Refuses a
    // count whose smallest possible records need more than the remaining bytes.
    std::int32_t ReadCount(std::size_t minimumSize, std::string_view noun) {
        const std::size_t offset = archive.Position();
        const std::int32_t count = archive.ReadInt32();
        if (count <= 0) {
            return 0;
        }
        const std::size_t fits = archive.Remaining() / minimumSize;
        if (static_cast<std::size_t>(count) > fits) {
            throw CHolidayFileError(
                fmt::format("{} claims {} at byte {}, but the remaining {} of the file can hold at most {}",
                            place.Text(), Counted(static_cast<std::uint64_t>(count), noun), offset,
                            Counted(archive.Remaining(), "byte"), fits),
                offset);
        }
        return count;
    }

    std::string ReadText() {
        const std::size_t offset = archive.Position();
        std::size_t length = archive.ReadUInt8();
        if (length == kLongerLength) {
            length = archive.ReadUInt16();
            if (length == kUnicodeMarker) {
                throw CHolidayFileError(
                    fmt::format("{} has a text in an unsupported text encoding at byte {}", place.Text(), offset),
                    offset);
            }
            if (length == kFourByteLength) {
                length = archive.ReadUInt32();
            }
        }
        if (length > archive.Remaining()) {
            throw CHolidayFileError(
                fmt::format("{} has a text of {} at byte {}, but only {} of the file {}", place.Text(),
                            Counted(length, "byte"), offset, Counted(archive.Remaining(), "byte"),
                            archive.Remaining() == 1 ? "remains" : "remain"),
                offset);
        }
        return archive.ReadBytes(length);
    }

    CArchive& archive;
    const CRecordPlace& place;
};

// Where a loading archive ends: a failed read consumes nothing.
std::size_t EndOf(const CArchive& archive) {
    return archive.Position() + archive.Remaining();
}

}  // namespace

void WriteHolidayData(CArchive& archive, LCID language, int version, const std::vector<CHoliday>& holidays) {
    archive.WriteInt32(static_cast<std::int32_t>(language));
    archive.WriteInt32(version);
    CRecordWriter(archive).List("holidays", holidays);
}

void ReadHolidayData(CArchive& archive, LCID& language, int& version, std::vector<CHoliday>& holidays) {
    std::int32_t count = 0;
    try {
        language = static_cast<LCID>(archive.ReadInt32());
        version = archive.ReadInt32();
        count = archive.ReadInt32();
    } catch (const CArchiveEndOfData&) {
        throw CHolidayFileError(fmt::format("the file ends inside its header, at byte {}", EndOf(archive)),
                                EndOf(archive));
    }
    // An absurd holiday count is not refused up front: the holidays the file
    // does hold are kept, and it runs out after at most Remaining() / 10 of
    // them. Nothing is reserved for the count.
    const std::size_t fits = archive.Remaining() / MinimumSize<CHoliday>();
    for (std::int32_t index = 0; index < count; ++index) {
        const CRecordPlace place{kRecordNoun<CHoliday>, index + 1, count, nullptr};
        try {
            holidays.push_back(CRecordReader::Read<CHoliday>(archive, place));
        } catch (const CArchiveEndOfData&) {
            std::string message = fmt::format("the file ends inside {}, at byte {}", place.Text(), EndOf(archive));
            if (static_cast<std::size_t>(count) > fits) {
                message += fmt::format(" (it claims more holidays than its size can hold: at most {})", fits);
            }
            throw CHolidayFileError(message, EndOf(archive));
        }
    }
}

std::vector<std::uint8_t> SaveHolidayBytes(const CHolidays& document) {
    CArchive archive = CArchive::ForStoring();
    WriteHolidayData(archive, document.GetLanguage(), document.GetVersion(), document.Holidays());
    return archive.Buffer();
}

std::size_t LoadHolidayBytes(CHolidays& document, std::vector<std::uint8_t> bytes) {
    CArchive archive = CArchive::ForLoading(std::move(bytes));
    document.Serialize(archive);
    return archive.Remaining();
}

std::size_t LoadHolidayFile(CHolidays& document, const std::filesystem::path& path, CFileIdentity* identity) {
    return LoadHolidayBytes(document, ReadFileBytes(path, kMaxFileBytes, identity));
}

CFileIdentity SaveHolidayFile(const CHolidays& document, const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
