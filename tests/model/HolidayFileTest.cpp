// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CArchive.h"
#include "core/CDateTime.h"
#include "model/CHolidays.h"
#include "model/HolidayFile.h"
#include "tests/support/SampleDocuments.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendInt32(Bytes& bytes, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

Bytes Header(std::int32_t count) {
    Bytes bytes;
    AppendInt32(bytes, 0x0409);
    AppendInt32(bytes, 100);
    AppendInt32(bytes, count);
    return bytes;
}

// An 11-byte holiday record: ID "X", no display text, no rulesets.
void AppendSmallHoliday(Bytes& bytes) {
    const Bytes record = {0x01, 0x58, 0x00, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(), record.begin(), record.end());
}

CHoliday HolidayWithTexts(const std::string& id, const std::string& display) {
    CHoliday holiday;
    holiday.id = id;
    holiday.display = display;
    return holiday;
}

CHolidays Load(const Bytes& bytes) {
    CHolidays document;
    LoadHolidayBytes(document, bytes);
    return document;
}

std::string LoadError(const Bytes& bytes, CHolidays& document) {
    try {
        LoadHolidayBytes(document, bytes);
    } catch (const CHolidayFileError& error) {
        return error.what();
    }
    return "(no error)";
}

TEST(FileFormat, EmptyDocumentIsTwelveBytes) {
    CHolidays document;
    document.SetLanguage(0x0407);
    EXPECT_EQ(SaveHolidayBytes(document), (Bytes{0x07, 0x04, 0, 0, 0x64, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FileFormat, HolidayWithoutRulesetsIsElevenBytes) {
    CHolidays document;
    document.SetHoliday(HolidayWithTexts("X", ""));
    const Bytes bytes = SaveHolidayBytes(document);
    ASSERT_EQ(bytes.size(), 23u);
    EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.end()), (Bytes{0x01, 0x58, 0x00, 0, 0, 0, 0, 0, 0, 0, 0}));
}

// language 0x0409, version 100, holiday X / Y with one fixed-date ruleset and
// one default shift rule.
const Bytes kWorkedExample = {
    0x09, 0x04, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x58, 0x01, 0x59, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x6C, 0x07, 0x00, 0x00, 0x34, 0x08, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45, 0x46, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45, 0x46, 0x01, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F,
    0x52, 0x45, 0x46, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00,
    0x00, 0x0A, 0x45, 0x41, 0x53, 0x54, 0x45, 0x52, 0x5F, 0x52, 0x45, 0x46,
};

CHolidays WorkedExampleDocument() {
    CHolidays document;
    document.SetLanguage(0x0409);
    CHoliday holiday = HolidayWithTexts("X", "Y");
    CRuleset ruleset = MakeFixedRuleset();
    ruleset.shiftRules.push_back(CShiftRule{});
    holiday.rulesets.push_back(ruleset);
    document.SetHoliday(holiday);
    return document;
}

TEST(FileFormat, WorkedExampleOf156BytesIsWrittenAndRead) {
    ASSERT_EQ(kWorkedExample.size(), 156u);
    const CHolidays document = WorkedExampleDocument();
    EXPECT_EQ(SaveHolidayBytes(document), kWorkedExample);

    const CHolidays loaded = Load(kWorkedExample);
    EXPECT_EQ(loaded.GetLanguage(), 0x0409u);
    EXPECT_EQ(loaded.GetVersion(), 100);
    EXPECT_EQ(loaded.Holidays(), document.Holidays());
}

TEST(FileFormat, TextLengthPrefixForms) {
    const struct {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        CHolidays document;
        document.SetHoliday(HolidayWithTexts(std::string(c.length, 'i'), "d"));
        const Bytes bytes = SaveHolidayBytes(document);
        ASSERT_GE(bytes.size(), 12 + c.prefix.size());
        EXPECT_EQ(Bytes(bytes.begin() + 12, bytes.begin() + 12 + static_cast<long>(c.prefix.size())), c.prefix);
        EXPECT_EQ(bytes.size(), 12 + c.prefix.size() + c.length + 2 + 8);
        EXPECT_EQ(Load(bytes).Holidays(), document.Holidays());
    }
}

TEST(FileFormat, ReaderAcceptsLongPrefixFormsForShortTexts) {
    // Other writers may use a longer form than needed; the reader takes any.
    Bytes bytes = Header(1);
    const Bytes id = {0xFF, 0x01, 0x00, 'A', 0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 'B'};
    bytes.insert(bytes.end(), id.begin(), id.end());
    AppendInt32(bytes, 0);
    AppendInt32(bytes, 0);
    const CHolidays document = Load(bytes);
    ASSERT_EQ(document.GetHolidayCount(), 1);
    EXPECT_EQ(document.GetHoliday(0).id, "A");
    EXPECT_EQ(document.GetHoliday(0).display, "B");
}

TEST(FileFormat, CountsOfZeroOrLessReadNothing) {
    for (const std::int32_t count : {0, -1, INT32_MIN}) {
        SCOPED_TRACE(count);
        Bytes bytes = Header(count);
        AppendSmallHoliday(bytes);  // ignored trailing bytes
        EXPECT_EQ(Load(bytes).GetHolidayCount(), 0);

        Bytes nested = Header(1);
        nested.insert(nested.end(), {0x01, 'X', 0x00});
        AppendInt32(nested, 0);
        AppendInt32(nested, count);  // rulesets
        const CHolidays document = Load(nested);
        ASSERT_EQ(document.GetHolidayCount(), 1);
        EXPECT_TRUE(document.GetHoliday(0).rulesets.empty());
    }
}

TEST(FileFormat, DuplicateIdsAreKeptInFileOrder) {
    Bytes bytes = Header(2);
    bytes.insert(bytes.end(), {0x01, 'X', 0x01, '1'});
    AppendInt32(bytes, 0);
    AppendInt32(bytes, 0);
    bytes.insert(bytes.end(), {0x01, 'X', 0x01, '2'});
    AppendInt32(bytes, 1);
    AppendInt32(bytes, 0);
    const CHolidays document = Load(bytes);
    ASSERT_EQ(document.GetHolidayCount(), 2);
    EXPECT_EQ(document.GetHoliday(0).display, "1");
    EXPECT_EQ(document.GetHoliday(1).display, "2");
    EXPECT_EQ(document.GetHoliday(1).referenceOnly, 1);
}

TEST(FileFormat, TrailingBytesAreIgnored) {
    Bytes bytes = kWorkedExample;
    bytes.insert(bytes.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0xFF});
    EXPECT_EQ(Load(bytes).Holidays(), Load(kWorkedExample).Holidays());
}

TEST(FileFormat, LoadingReplacesContentAndResetsTheHeldYear) {
    CHolidays document = MakeGermanHolidays();
    ASSERT_EQ(document.GetDayHolidayCount(CDateTime(2024, 1, 1)), 1);
    LoadHolidayBytes(document, kWorkedExample);
    EXPECT_EQ(document.GetHolidayCount(), 1);
    EXPECT_EQ(document.GetLanguage(), 0x0409u);
    EXPECT_EQ(document.GetCalcYear(), 0);
    EXPECT_EQ(document.Calculation().Occurrences("NEUJAHR"), nullptr);
    EXPECT_EQ(document.GetDayHolidayCount(CDateTime(2024, 1, 1)), 1);  // X on 1 January
}

// A document using every field with values different from the defaults and
// from each other, random texts of all prefix forms, and random counts.
CHolidays RandomDocument(std::mt19937& random) {
    const auto number = [&random] { return std::uniform_int_distribution<std::int32_t>(INT32_MIN, INT32_MAX)(random); };
    const auto text = [&random] {
        const std::size_t lengths[] = {0, 1, 10, 254, 255, 300, 65533, 65534, 66000};
        const std::size_t length = lengths[random() % (random() % 8 == 0 ? 9 : 4)];
        std::string bytes(length, '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random());
        }
        return bytes;
    };
    CHolidays document;
    document.SetLanguage(static_cast<LCID>(number()));
    document.SetVersion(number());
    std::vector<CHoliday> holidays(random() % 5);
    for (CHoliday& holiday : holidays) {
        holiday.id = text();
        holiday.display = text();
        holiday.referenceOnly = number();
        holiday.rulesets.resize(random() % 3);
        for (CRuleset& r : holiday.rulesets) {
            for (std::int32_t* field :
                 {&r.validFrom, &r.validTo, &r.interval, &r.ruleKind, &r.fixedDay, &r.fixedMonth, &r.weekdayOrdinal,
                  &r.monthWeekday, &r.weekdayMonth, &r.relativeKind, &r.offsetDays, &r.offsetDirection, &r.weekdayCount,
                  &r.relativeWeekday, &r.weekdayDirection}) {
                *field = number();
            }
            r.offsetReference = text();
            r.weekdayReference = text();
            r.shiftRules.resize(random() % 3);
            for (CShiftRule& s : r.shiftRules) {
                for (std::int32_t* field : {&s.conditionKind, &s.conditionWeekday, &s.action, &s.shiftCount,
                                            &s.shiftWeekday, &s.shiftDirection}) {
                    *field = number();
                }
                s.conditionHoliday = text();
                s.shiftTarget = text();
            }
        }
    }
    LoadHolidayBytes(document, [&] {
        CArchive archive = CArchive::ForStoring();
        WriteHolidayData(archive, document.GetLanguage(), document.GetVersion(), holidays);
        return archive.Buffer();
    }());
    EXPECT_EQ(document.Holidays(), holidays);
    return document;
}

TEST(FileFormat, RandomDocumentsRoundTripExactly) {
    std::mt19937 random(20240515);
    for (int round = 0; round < 200; ++round) {
        const CHolidays document = RandomDocument(random);
        const Bytes bytes = SaveHolidayBytes(document);
        const CHolidays loaded = Load(bytes);
        ASSERT_EQ(loaded.Holidays(), document.Holidays());
        ASSERT_EQ(loaded.GetLanguage(), document.GetLanguage());
        ASSERT_EQ(loaded.GetVersion(), document.GetVersion());
        ASSERT_EQ(SaveHolidayBytes(loaded), bytes);
    }
}

// The byte offsets at which each holiday record of a saved document ends.
std::vector<std::size_t> RecordEnds(const CHolidays& document) {
    std::vector<std::size_t> ends;
    std::vector<CHoliday> prefix;
    for (const CHoliday& holiday : document.Holidays()) {
        prefix.push_back(holiday);
        CArchive archive = CArchive::ForStoring();
        WriteHolidayData(archive, 0, 0, prefix);
        ends.push_back(archive.Buffer().size());
    }
    return ends;
}

TEST(FileFormat, EveryTruncationFailsAndKeepsTheCompleteHolidays) {
    const CHolidays german = MakeGermanHolidays();
    const Bytes full = SaveHolidayBytes(german);
    const std::vector<std::size_t> ends = RecordEnds(german);
    const int count = german.GetHolidayCount();

    for (std::size_t size = 0; size < full.size(); ++size) {
        SCOPED_TRACE(size);
        CHolidays document = WorkedExampleDocument();
        document.SetVersion(5);
        const std::string message = LoadError(Bytes(full.begin(), full.begin() + static_cast<long>(size)), document);

        std::size_t complete = 0;
        while (complete < ends.size() && ends[complete] <= size) {
            ++complete;
        }
        ASSERT_EQ(document.GetHolidayCount(), static_cast<int>(complete));
        for (std::size_t i = 0; i < complete; ++i) {
            ASSERT_EQ(document.GetHoliday(static_cast<int>(i)), german.GetHoliday(static_cast<int>(i)));
        }
        EXPECT_EQ(document.GetLanguage(), size >= 4 ? 0x0407u : 0x0409u);
        EXPECT_EQ(document.GetVersion(), size >= 8 ? 100 : 5);
        EXPECT_EQ(document.GetCalcYear(), 0);
        // A cut inside a text or after a count is seen as soon as the length
        // or count is read; the message then names that instead of the end.
        if (size < 12) {
            ASSERT_EQ(message, "the file ends inside its header, at byte " + std::to_string(size));
        } else {
            const std::string place = "holiday " + std::to_string(complete + 1) + " of " + std::to_string(count);
            ASSERT_NE(message.find(place), std::string::npos) << message;
        }
    }
}

TEST(FileFormat, HolidaysOfTenBytesAreNotTakenForAnAbsurdCount) {
    // Empty ID and display: the smallest record the format has.
    CHolidays document;
    document.SetHoliday(HolidayWithTexts("", ""));
    Bytes bytes = Header(10);
    const Bytes saved = SaveHolidayBytes(document);
    const Bytes record(saved.begin() + 12, saved.end());
    ASSERT_EQ(record.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    EXPECT_EQ(Load(bytes).GetHolidayCount(), 10);
}

TEST(FileFormat, CutInTheThirdHolidayKeepsTwo) {
    Bytes bytes = Header(3);
    AppendSmallHoliday(bytes);
    AppendSmallHoliday(bytes);
    bytes.insert(bytes.end(), {0x09, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 0x00, 0x00, 0x00});
    CHolidays document;
    EXPECT_EQ(LoadError(bytes, document), "the file ends inside holiday 3 of 3, at byte 47");
    EXPECT_EQ(document.GetHolidayCount(), 2);
}

TEST(FileFormat, AbsurdCountsAndLengthsFailAtOnce) {
    const auto started = std::chrono::steady_clock::now();

    Bytes holidays = Header(2'000'000'000);
    for (int i = 0; i < 8; ++i) {
        AppendSmallHoliday(holidays);
    }
    CHolidays document;
    EXPECT_EQ(LoadError(holidays, document),
              "the file ends inside holiday 9 of 2000000000, at byte 100 (it claims more holidays than its "
              "size can hold: at most 8)");
    EXPECT_EQ(document.GetHolidayCount(), 8);

    Bytes rulesets = Header(1);
    rulesets.insert(rulesets.end(), {0x01, 'X', 0x00});
    AppendInt32(rulesets, 0);
    AppendInt32(rulesets, INT32_MAX);
    rulesets.resize(rulesets.size() + 140);
    EXPECT_EQ(LoadError(rulesets, document),
              "holiday 1 of 1 claims 2147483647 rulesets at byte 19, but the remaining 140 bytes of the file "
              "can hold at most 2");
    EXPECT_EQ(document.GetHolidayCount(), 0);

    Bytes shiftRules = SaveHolidayBytes(WorkedExampleDocument());
    shiftRules.resize(shiftRules.size() - 46);  // drop the shift rule: the count now ends the file
    shiftRules[shiftRules.size() - 4] = 0xFF;   // count 255
    shiftRules.resize(shiftRules.size() + 30);
    EXPECT_EQ(LoadError(shiftRules, document),
              "ruleset 1 of holiday 1 of 1 claims 255 shift rules at byte 106, but the remaining 30 bytes of "
              "the file can hold at most 1");

    // One of a kind is counted in the singular.
    Bytes oneRuleset = Header(1);
    oneRuleset.insert(oneRuleset.end(), {0x01, 'X', 0x00});
    AppendInt32(oneRuleset, 0);
    AppendInt32(oneRuleset, 1);
    oneRuleset.push_back(0);
    EXPECT_EQ(LoadError(oneRuleset, document),
              "holiday 1 of 1 claims 1 ruleset at byte 19, but the remaining 1 byte of the file can hold at most 0");

    Bytes text = Header(1);
    text.insert(text.end(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    text.resize(100);
    EXPECT_EQ(LoadError(text, document),
              "holiday 1 of 1 has a text of 4294967295 bytes at byte 12, but only 81 bytes of the file remain");

    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_LT(elapsed, std::chrono::seconds(2));  // generous: nothing of the claimed size is built
}

TEST(FileFormat, TextInAnotherEncodingIsRefused) {
    Bytes bytes = Header(2);
    AppendSmallHoliday(bytes);
    bytes.insert(bytes.end(), {0x01, 'Y', 0xFF, 0xFE, 0xFF, 0x01, 'Z'});
    AppendInt32(bytes, 0);
    AppendInt32(bytes, 0);
    CHolidays document;
    try {
        LoadHolidayBytes(document, bytes);
        FAIL() << "no error";
    } catch (const CHolidayFileError& error) {
        EXPECT_STREQ(error.what(), "holiday 2 of 2 has a text in an unsupported text encoding at byte 25");
        EXPECT_EQ(error.Offset(), 25u);
    }
    EXPECT_EQ(document.GetHolidayCount(), 1);
}

class HolidayFileOnDisk : public testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("tavrin-model-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::string LoadFileError(const std::string& path, CHolidays& document) {
        try {
            LoadHolidayFile(document, path);
        } catch (const CFileAccessError& error) {
            return error.what();
        } catch (const CHolidayFileError& error) {
            return error.what();
        }
        return "(no error)";
    }

    std::filesystem::path folder;
};

TEST_F(HolidayFileOnDisk, LoadsAWholeFile) {
    CHolidays document;
    LoadHolidayFile(document, Write("example.hol", kWorkedExample));
    EXPECT_EQ(document.Holidays(), WorkedExampleDocument().Holidays());
}

TEST_F(HolidayFileOnDisk, FilesThatCannotBeReadNameTheProblemAndChangeNothing) {
    CHolidays document = WorkedExampleDocument();
    const std::string missing = (folder / "missing.hol").string();
    EXPECT_EQ(LoadFileError(missing, document), "cannot read \"" + missing + "\": the file does not exist");
    EXPECT_EQ(LoadFileError(folder.string(), document),
              "cannot read \"" + folder.string() + "\": it is a folder, not a holiday file");
    EXPECT_EQ(document.Holidays(), WorkedExampleDocument().Holidays());
}

TEST_F(HolidayFileOnDisk, DamagedFileReportsWhereItEnds) {
    CHolidays document;
    const std::string path = Write("cut.hol", Bytes(kWorkedExample.begin(), kWorkedExample.begin() + 6));
    EXPECT_EQ(LoadFileError(path, document), "the file ends inside its header, at byte 6");
}

}  // namespace
