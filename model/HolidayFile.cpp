#include "model/HolidayFile.h"

#include "core/CArchive.h"
#include "core/FileAccess.h"
#include "model/CHolidays.h"

#include <fmt/format.h>

#include <limits>
#include <string_view>
#include <utility>

namespace {

// The smallest records the format can hold: every int32 field plus a 1-byte
// prefix for each (empty) text.
constexpr std::size_t kMinHolidaySize = 1 + 1 + 4 + 4;       // id, display, referenceOnly, count
constexpr std::size_t kMinRulesetSize = 15 * 4 + 4 + 1 + 1;  // fields, count, two references
constexpr std::size_t kMinShiftRuleSize = 6 * 4 + 1 + 1;     // fields, two references

// The escape byte and the 2-byte values after it.
constexpr std::uint8_t kLongerLength = 0xFF;
constexpr std::uint16_t kUnicodeMarker = 0xFFFE;  // a text in another encoding
constexpr std::uint16_t kFourByteLength = 0xFFFF;

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
        throw CHolidayFileError(
            fmt::format("a text of {} bytes is too long to store in a holiday file", length),
            archive.Position());
    }
    archive.WriteBytes(text);
}

void WriteCount(CArchive& archive, std::size_t count, const char* what) {
    if (count > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw CHolidayFileError(fmt::format("{} {} are too many to store in a holiday file", count, what),
                                archive.Position());
    }
    archive.WriteInt32(static_cast<std::int32_t>(count));
}

void WriteShiftRule(CArchive& archive, const CShiftRule& rule) {
    archive.WriteInt32(rule.conditionKind);
    archive.WriteInt32(rule.conditionWeekday);
    WriteText(archive, rule.conditionHoliday);
    archive.WriteInt32(rule.action);
    archive.WriteInt32(rule.shiftCount);
    archive.WriteInt32(rule.shiftWeekday);
    archive.WriteInt32(rule.shiftDirection);
    WriteText(archive, rule.shiftTarget);
}

void WriteRuleset(CArchive& archive, const CRuleset& ruleset) {
    archive.WriteInt32(ruleset.validFrom);
    archive.WriteInt32(ruleset.validTo);
    archive.WriteInt32(ruleset.interval);
    archive.WriteInt32(ruleset.ruleKind);
    archive.WriteInt32(ruleset.fixedDay);
    archive.WriteInt32(ruleset.fixedMonth);
    archive.WriteInt32(ruleset.weekdayOrdinal);
    archive.WriteInt32(ruleset.monthWeekday);
    archive.WriteInt32(ruleset.weekdayMonth);
    archive.WriteInt32(ruleset.relativeKind);
    archive.WriteInt32(ruleset.offsetDays);
    archive.WriteInt32(ruleset.offsetDirection);
    WriteText(archive, ruleset.offsetReference);
    archive.WriteInt32(ruleset.weekdayCount);
    archive.WriteInt32(ruleset.relativeWeekday);
    archive.WriteInt32(ruleset.weekdayDirection);
    WriteText(archive, ruleset.weekdayReference);
    WriteCount(archive, ruleset.shiftRules.size(), "shift rules");
    for (const CShiftRule& rule : ruleset.shiftRules) {
        WriteShiftRule(archive, rule);
    }
}

void WriteHoliday(CArchive& archive, const CHoliday& holiday) {
    WriteText(archive, holiday.id);
    WriteText(archive, holiday.display);
    archive.WriteInt32(holiday.referenceOnly);
    WriteCount(archive, holiday.rulesets.size(), "rulesets");
    for (const CRuleset& ruleset : holiday.rulesets) {
        WriteRuleset(archive, ruleset);
    }
}

// ---- Reading ----

// Reads the records of one holiday; `place` names it in messages
// ("holiday 3 of 5"). Records start from the model's defaults, and every
// field is overwritten from the file.
class CHolidayRecordReader {
public:
    CHolidayRecordReader(CArchive& source, std::string holidayPlace)
        : archive(source), place(std::move(holidayPlace)) {}

    CHoliday ReadHoliday() {
        CHoliday holiday;
        holiday.id = ReadText(place);
        holiday.display = ReadText(place);
        holiday.referenceOnly = archive.ReadInt32();
        const std::int32_t count = ReadCount(kMinRulesetSize, "rulesets", place);
        for (std::int32_t index = 0; index < count; ++index) {
            holiday.rulesets.push_back(ReadRuleset(fmt::format("ruleset {} of {}", index + 1, place)));
        }
        return holiday;
    }

private:
    CRuleset ReadRuleset(const std::string& rulesetPlace) {
        CRuleset ruleset;
        ruleset.validFrom = archive.ReadInt32();
        ruleset.validTo = archive.ReadInt32();
        ruleset.interval = archive.ReadInt32();
        ruleset.ruleKind = archive.ReadInt32();
        ruleset.fixedDay = archive.ReadInt32();
        ruleset.fixedMonth = archive.ReadInt32();
        ruleset.weekdayOrdinal = archive.ReadInt32();
        ruleset.monthWeekday = archive.ReadInt32();
        ruleset.weekdayMonth = archive.ReadInt32();
        ruleset.relativeKind = archive.ReadInt32();
        ruleset.offsetDays = archive.ReadInt32();
        ruleset.offsetDirection = archive.ReadInt32();
        ruleset.offsetReference = ReadText(rulesetPlace);
        ruleset.weekdayCount = archive.ReadInt32();
        ruleset.relativeWeekday = archive.ReadInt32();
        ruleset.weekdayDirection = archive.ReadInt32();
        ruleset.weekdayReference = ReadText(rulesetPlace);
        const std::int32_t count = ReadCount(kMinShiftRuleSize, "shift rules", rulesetPlace);
        for (std::int32_t index = 0; index < count; ++index) {
            ruleset.shiftRules.push_back(
                ReadShiftRule(fmt::format("shift rule {} of {}", index + 1, rulesetPlace)));
        }
        return ruleset;
    }

    CShiftRule ReadShiftRule(const std::string& rulePlace) {
        CShiftRule rule;
        rule.conditionKind = archive.ReadInt32();
        rule.conditionWeekday = archive.ReadInt32();
        rule.conditionHoliday = ReadText(rulePlace);
        rule.action = archive.ReadInt32();
        rule.shiftCount = archive.ReadInt32();
        rule.shiftWeekday = archive.ReadInt32();
        rule.shiftDirection = archive.ReadInt32();
        rule.shiftTarget = ReadText(rulePlace);
        return rule;
    }

    // A count of records that follow; 0 for a count of 0 or less. Refuses a
    // count whose smallest possible records need more than the remaining bytes.
    std::int32_t ReadCount(std::size_t minimumSize, const char* what, const std::string& owner) {
        const std::size_t offset = archive.Position();
        const std::int32_t count = archive.ReadInt32();
        if (count <= 0) {
            return 0;
        }
        const std::size_t fits = archive.Remaining() / minimumSize;
        if (static_cast<std::size_t>(count) > fits) {
            throw CHolidayFileError(
                fmt::format("{} claims {} {} at byte {}, but the remaining {} bytes of the file can "
                            "hold at most {}",
                            owner, count, what, offset, archive.Remaining(), fits),
                offset);
        }
        return count;
    }

    std::string ReadText(const std::string& owner) {
        const std::size_t offset = archive.Position();
        std::size_t length = archive.ReadUInt8();
        if (length == kLongerLength) {
            length = archive.ReadUInt16();
            if (length == kUnicodeMarker) {
                throw CHolidayFileError(
                    fmt::format("{} has a text in an unsupported text encoding at byte {}", owner, offset),
                    offset);
            }
            if (length == kFourByteLength) {
                length = archive.ReadUInt32();
            }
        }
        if (length > archive.Remaining()) {
            throw CHolidayFileError(
                fmt::format("{} has a text of {} bytes at byte {}, but only {} bytes of the file remain",
                            owner, length, offset, archive.Remaining()),
                offset);
        }
        return archive.ReadBytes(length);
    }

    CArchive& archive;
    std::string place;
};

// Where a loading archive ends: a failed read consumes nothing.
std::size_t EndOf(const CArchive& archive) {
    return archive.Position() + archive.Remaining();
}

}  // namespace

void WriteHolidayData(CArchive& archive, LCID language, int version,
                      const std::vector<CHoliday>& holidays) {
    archive.WriteInt32(static_cast<std::int32_t>(language));
    archive.WriteInt32(version);
    WriteCount(archive, holidays.size(), "holidays");
    for (const CHoliday& holiday : holidays) {
        WriteHoliday(archive, holiday);
    }
}

void ReadHolidayData(CArchive& archive, LCID& language, int& version,
                     std::vector<CHoliday>& holidays) {
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
    const std::size_t fits = archive.Remaining() / kMinHolidaySize;
    for (std::int32_t index = 0; index < count; ++index) {
        const std::string place = fmt::format("holiday {} of {}", index + 1, count);
        try {
            holidays.push_back(CHolidayRecordReader(archive, place).ReadHoliday());
        } catch (const CArchiveEndOfData&) {
            std::string message = fmt::format("the file ends inside {}, at byte {}", place, EndOf(archive));
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

void LoadHolidayBytes(CHolidays& document, std::vector<std::uint8_t> bytes) {
    CArchive archive = CArchive::ForLoading(std::move(bytes));
    document.Serialize(archive);
}

void LoadHolidayFile(CHolidays& document, const std::filesystem::path& path) {
    LoadHolidayBytes(document, ReadFileBytes(path));
}

void SaveHolidayFile(const CHolidays& document, const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
