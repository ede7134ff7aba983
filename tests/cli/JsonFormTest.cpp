// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CliError.h"
#include "cli/JsonForm.h"
#include "core/CDateTime.h"
#include "core/Clock.h"
#include "model/HolidayFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

std::string ErrorOf(const std::string& text) {
    try {
        DocumentFromJsonText(text);
    } catch (const CCliError& error) {
        return error.what();
    }
    return "(no error)";
}

// One holiday with one ruleset and one shift rule, in a document of the language.
std::string OneHolidayJson(LCID language, const std::string& displayJson) {
    return R"({"language": )" + std::to_string(language) + R"(, "holidays": [{"id": "X", "display": )" + displayJson +
           "}]}";
}

std::string DisplayOf(const CHolidays& document) {
    return document.Holidays().at(0).display;
}

TEST(JsonForm, LeftOutFieldsTakeTheDefaultsOfNewRecords) {
    const CScopedFixedClock clock(CLocalTime{2024, 5, 15, 10, 0, 0});  // a Wednesday
    const CHolidays document = DocumentFromJsonText(R"({"holidays": [{"rulesets": [{"shiftRules": [{}]}]}]})");

    EXPECT_EQ(document.GetLanguage(), CHolidays().GetLanguage());
    EXPECT_EQ(document.GetVersion(), 100);
    ASSERT_EQ(document.Holidays().size(), 1u);
    const CHoliday& holiday = document.Holidays()[0];
    EXPECT_EQ(holiday.id, "");
    EXPECT_EQ(holiday.referenceOnly, 0);
    ASSERT_EQ(holiday.rulesets.size(), 1u);
    CRuleset expected = NewRulesetOn(CDateTime(2024, 5, 15));  // a Wednesday
    expected.shiftRules.push_back(CShiftRule{});
    EXPECT_EQ(holiday.rulesets[0], expected);
    EXPECT_EQ(holiday.rulesets[0].fixedDay, 15);
    EXPECT_EQ(holiday.rulesets[0].monthWeekday, 2);
}

TEST(JsonForm, EmptyObjectIsANewDocument) {
    const CHolidays document = DocumentFromJsonText("{}");
    EXPECT_EQ(document.GetVersion(), 100);
    EXPECT_TRUE(document.Holidays().empty());
}

TEST(JsonForm, RefusesUnknownFieldsNamingTheirPlace) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {R"({"langauge": 1031})", "langauge: unknown field (line 1, column 2)"},
        {R"({"holidays": [{}, {"ID": "x"}]})", "holidays[1].ID: unknown field (line 1, column 20)"},
        {R"({"holidays": [{"rulesets": [{}, {}, {"fixedMonht": 3}]}]})",
         "holidays[0].rulesets[2].fixedMonht: unknown field (line 1, column 38)"},
        {R"({"holidays": [{"rulesets": [{"shiftRules": [{"shift": 1}]}]}]})",
         "holidays[0].rulesets[0].shiftRules[0].shift: unknown field (line 1, column 46)"},
        {R"({"holidays": [{"display": {"bytes": "41", "text": "A"}}]})",
         R"(holidays[0].display.text: unknown field (a text object holds only "bytes") (line 1, column 43))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.text), c.message) << c.text;
    }
}

TEST(JsonForm, RefusesWrongTypesNamingTheirPlace) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {R"([])", "the JSON document: expected an object, found an array (line 1, column 1)"},
        {R"({"version": "100"})", "version: expected an integer, found a string (line 1, column 13)"},
        {R"({"version": 1.5})",
         "version: expected an integer, found a number with a fraction or an exponent (line 1, column 13)"},
        {R"({"version": true})", "version: expected an integer, found a boolean (line 1, column 13)"},
        {R"({"holidays": {}})", "holidays: expected an array, found an object (line 1, column 14)"},
        {R"({"holidays": [3]})", "holidays[0]: expected an object, found a number (line 1, column 15)"},
        {R"({"holidays": [{}, {}, {"rulesets": [{"fixedMonth": null}]}]})",
         "holidays[2].rulesets[0].fixedMonth: expected an integer, found a null (line 1, column 52)"},
        {R"({"holidays": [{"id": 5}]})",
         R"(holidays[0].id: expected a text (a string or {"bytes": "<hex>"}), found a number (line 1, column 22))"},
        {R"({"holidays": [{"rulesets": [{"shiftRules": [{"shiftTarget": ["A"]}]}]}]})",
         R"(holidays[0].rulesets[0].shiftRules[0].shiftTarget: expected a text (a string or {"bytes": "<hex>"}), found an array (line 1, column 61))"},
        {R"({"holidays": [{"id": {}}]})",
         R"(holidays[0].id: a text object needs the field "bytes" (line 1, column 22))"},
        {R"({"holidays": [{"id": {"bytes": "abc"}}]})",
         "holidays[0].id.bytes: the hex text has an odd number of digits (3) (line 1, column 32)"},
        {R"({"holidays": [{"id": {"bytes": "4g"}}]})",
         R"(holidays[0].id.bytes: "4g" at position 0 is not a hex byte (line 1, column 32))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.text), c.message) << c.text;
    }
}

TEST(JsonForm, IntegersMustFitTheirFields) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {R"({"version": 2147483647})", true},
        {R"({"version": -2147483648})", true},
        {R"({"version": 2147483648})", false},
        {R"({"version": -2147483649})", false},
        {R"({"version": 18446744073709551615})", false},
        {R"({"holidays": [{"rulesets": [{"offsetDays": 99999999999}]}]})", false},
        {R"({"language": 4294967295})", true},
        {R"({"language": 4294967296})", false},
        {R"({"language": -1})", false},
    };
    for (const auto& c : cases) {
        const std::string error = ErrorOf(c.text);
        if (c.valid) {
            EXPECT_EQ(error, "(no error)") << c.text;
        } else {
            EXPECT_NE(error.find("is outside the range"), std::string::npos) << c.text << ": " << error;
        }
    }
    EXPECT_EQ(ErrorOf(R"({"version": 2147483648})"),
              "version: 2147483648 is outside the range -2147483648 to 2147483647 (line 1, column 13)");
}

// Numbers beyond any range are refused with their place like other values,
// and input quoted in a message is a short excerpt, printable on one line.
TEST(JsonForm, MessagesNameThePlaceAndQuoteShortPrintableExcerpts) {
    const std::string digits(10'000, '7');
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {R"({"version": 1e400})",
         "version: expected an integer, found a number with a fraction or an exponent (line 1, column 13)"},
        {R"({"holidays": [{"rulesets": [{"shiftRules": [{"x": 1e400}]}]}]})",
         "holidays[0].rulesets[0].shiftRules[0].x: the number 1e400 is too large (line 1, column 51)"},
        {R"({"version": 123456789012345678901234567890})",
         "version: 123456789012345678901234567890 is outside the range -2147483648 to 2147483647 (line 1, column 13)"},
        {R"({"version": )" + digits + "}",
         "version: " + digits.substr(0, 40) + "... is outside the range -2147483648 to 2147483647 (line 1, column 13)"},
        {R"({"a\u0001b\nc": 1})", R"(a\x01b\x0Ac: unknown field (line 1, column 2))"},
        {R"({")" + std::string(50, 'k') + R"(": 1})", std::string(40, 'k') + "...: unknown field (line 1, column 2)"},
        {"{\"holidays\": [{\"id\": {\"bytes\": \"1\xC3\xA4"
         "1\"}}]}",
         R"(holidays[0].id.bytes: "1\xC3" at position 0 is not a hex byte (line 1, column 32))"},
        {"{\"x\xC3\": 1}",
         R"(the JSON text is not valid: the byte \xC3 is not UTF-8, as a JSON text must be (line 1, column 4))"},
        {R"({"version": 1, )" + std::string(60, 'x') + "}",
         "the JSON text is not valid: unexpected " + std::string(40, 'x') + "... (line 1, column 16)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(c.text), c.message) << c.text.substr(0, 80);
    }
}

TEST(JsonForm, RefusesAFieldGivenTwice) {
    EXPECT_EQ(ErrorOf(R"({"holidays": [{}, {"rulesets": [{"fixedMonth": 3, "fixedMonth": 4}]}]})"),
              "holidays[1].rulesets[0].fixedMonth: the field is given twice (line 1, column 51)");
    EXPECT_EQ(ErrorOf(R"({"version": 1, "holidays": [], "version": 2})"),
              "version: the field is given twice (line 1, column 32)");
}

TEST(JsonForm, ReportsSyntaxErrorsWithTheirPosition) {
    EXPECT_EQ(ErrorOf("{\n  \"version\": 1,\n}"), "the JSON text is not valid: unexpected } (line 3, column 1)");
}

// A value nested ever deeper once overflowed the stack while the tree was
// built. Every saved fuzzing input must end in a document or a message.
TEST(JsonForm, DeepNestingIsRefusedWithItsPlace) {
    const std::filesystem::path seeds = TAVRIN_FUZZ_SEEDS_DIR "/fuzz_json_text";
    for (const auto& entry : std::filesystem::directory_iterator(seeds)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const std::string error = ErrorOf(text);
        if (entry.path().filename() == "deep-nesting.json") {
            EXPECT_EQ(error, "the JSON text nests arrays and objects more than 100 deep, at line 1, column 113");
        }
    }
    // Brackets in texts do not count.
    const std::string deep =
        "{\"id\": \"[{\\\"[\",\n  \"language\": " + std::string(101, '[') + std::string(101, ']') + "}";
    EXPECT_EQ(ErrorOf(deep), "the JSON text nests arrays and objects more than 100 deep, at line 2, column 114");
    EXPECT_EQ(ErrorOf("{\"language\": " + std::string(99, '[') + std::string(99, ']') + "}"),
              "language: expected an integer, found an array (line 1, column 14)");
}

TEST(JsonForm, TextsUseTheCodePageOfTheLanguage) {
    const struct {
        LCID language;
        const char* utf8;
        std::string bytes;
    } cases[] = {
        {0x0407, "Buß- und Bettag", "Bu\xDF- und Bettag"},              // 1252
        {0x0419, "Рождество", "\xD0\xEE\xE6\xE4\xE5\xF1\xF2\xE2\xEE"},  // 1251
        {0x0411, "元日", "\x8C\xB3\x93\xFA"},                           // 932
        {0x0409, "\xE2\x82\xAC", "\x80"},                               // the euro sign in 1252
        {0x0000, "€", "\xE2\x82\xAC"},                                  // no code page: UTF-8
    };
    for (const auto& c : cases) {
        const std::string jsonString = json(c.utf8).dump();
        const CHolidays document = DocumentFromJsonText(OneHolidayJson(c.language, jsonString));
        EXPECT_EQ(DisplayOf(document), c.bytes) << c.utf8;
        EXPECT_EQ(json::parse(DocumentToJsonText(document))["holidays"][0]["display"], json(c.utf8)) << c.utf8;
    }
}

TEST(JsonForm, TextsThatDoNotDecodeExactlyAreWrittenAsBytes) {
    const struct {
        LCID language;
        std::string bytes;
        const char* hex;
    } cases[] = {
        {0x0000, "\xFF\xFE", "fffe"},  // not UTF-8
        {0x0411, "\x82", "82"},        // a lead byte without its trail byte in 932
        {0x0411, "A\xA0", "41a0"},     // unassigned in 932
        {0x040D, "\xD9", "d9"},        // unassigned in 1255
    };
    for (const auto& c : cases) {
        CHoliday holiday;
        holiday.id = "X";
        holiday.display = c.bytes;
        CHolidays document;
        document.SetLanguage(c.language);
        document.SetHoliday(holiday);
        const json written = json::parse(DocumentToJsonText(document))["holidays"][0]["display"];
        EXPECT_EQ(written, json({{"bytes", c.hex}})) << c.hex;
        EXPECT_EQ(DisplayOf(DocumentFromJsonText(OneHolidayJson(c.language, written.dump()))), c.bytes);
    }
}

TEST(JsonForm, BytesAcceptUpperCaseHex) {
    EXPECT_EQ(DisplayOf(DocumentFromJsonText(OneHolidayJson(0x0407, R"({"bytes": "C4FF"})"))), "\xC4\xFF");
}

// Invisible characters included: they are refused, not dropped.
TEST(JsonForm, RefusesCharactersTheCodePageCannotHold) {
    const struct {
        LCID language;
        const char* text;
        const char* error;
    } cases[] = {
        {0x0407, R"("元日")", R"(code page 1252 cannot hold the character "元" (U+5143))"},
        {0x0407, R"("Neujahr\u200b")", "code page 1252 cannot hold the character \"\u200B\" (U+200B)"},
        {0x0411, R"("a\u00adb")", "code page 932 cannot hold the character \"\u00AD\" (U+00AD)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf(OneHolidayJson(c.language, c.text)),
                  std::string("holidays[0].display: ") + c.error +
                      R"( (write the text's bytes as {"bytes": "<hex>"}) (line 1, column 56))");
    }
}

// A random document whose texts are random bytes, most of them not valid in
// the document's code page, and whose integers take any 32-bit value.
class CRandomDocuments {
public:
    explicit CRandomDocuments(unsigned seed) : random(seed) {}

    CHolidays Next() {
        static const LCID kLanguages[] = {0x0407, 0x0419, 0x0411, 0x0804, 0x0404,     0x0412, 0x041E,
                                          0x0409, 0x040D, 0x0401, 0x0000, 0xFFFFFFFF, 0x7FFF};
        std::vector<CHoliday> holidays(Count(4));
        for (CHoliday& holiday : holidays) {
            holiday.id = Text();
            holiday.display = Text();
            holiday.referenceOnly = Int();
            holiday.rulesets.resize(Count(3));
            for (CRuleset& ruleset : holiday.rulesets) {
                FillRuleset(ruleset);
            }
        }
        const LCID language =
            Count(3) == 0 ? static_cast<LCID>(random()) : kLanguages[Count(std::size(kLanguages) - 1)];
        return CHolidays(language, Int(), holidays);
    }

private:
    std::size_t Count(std::size_t most) { return std::uniform_int_distribution<std::size_t>(0, most)(random); }

    std::int32_t Int() {
        switch (Count(3)) {
        case 0: return std::numeric_limits<std::int32_t>::min();
        case 1: return static_cast<std::int32_t>(Count(12));
        default: return static_cast<std::int32_t>(random());
        }
    }

    std::string Text() {
        std::string text(Count(2) == 0 ? Count(300) : Count(12), '\0');
        const bool ascii = Count(3) == 0;
        for (char& c : text) {
            c = static_cast<char>(ascii ? 0x20 + Count(0x5E) : Count(255));
        }
        return text;
    }

    void FillRuleset(CRuleset& ruleset) {
        for (std::int32_t* field :
             {&ruleset.validFrom, &ruleset.validTo, &ruleset.interval, &ruleset.ruleKind, &ruleset.fixedDay,
              &ruleset.fixedMonth, &ruleset.weekdayOrdinal, &ruleset.monthWeekday, &ruleset.weekdayMonth,
              &ruleset.relativeKind, &ruleset.offsetDays, &ruleset.offsetDirection, &ruleset.weekdayCount,
              &ruleset.relativeWeekday, &ruleset.weekdayDirection}) {
            *field = Int();
        }
        ruleset.offsetReference = Text();
        ruleset.weekdayReference = Text();
        ruleset.shiftRules.resize(Count(3));
        for (CShiftRule& rule : ruleset.shiftRules) {
            for (std::int32_t* field : {&rule.conditionKind, &rule.conditionWeekday, &rule.action, &rule.shiftCount,
                                        &rule.shiftWeekday, &rule.shiftDirection}) {
                *field = Int();
            }
            rule.conditionHoliday = Text();
            rule.shiftTarget = Text();
        }
    }

    std::mt19937 random;
};

TEST(JsonForm, AnyDocumentSurvivesTheRoundTripByteForByte) {
    CRandomDocuments documents(20240515);
    for (int i = 0; i < 400; ++i) {
        const CHolidays document = documents.Next();
        const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
        const std::string text = DocumentToJsonText(document);
        const std::vector<std::uint8_t> again = SaveHolidayBytes(DocumentFromJsonText(text));
        ASSERT_EQ(again, bytes) << "document " << i << ":\n" << text;
        ASSERT_EQ(text, json::parse(text).dump(2) + "\n") << "the layout of the text changed";
    }
}

// Texts at the edges of JSON and of the form: read, and then written and read
// again to the same document, or refused with a message.
TEST(JsonForm, AcceptsExactlyTheValidDocuments) {
    const struct {
        std::string text;
        bool accepted;
    } cases[] = {
        {R"({"language": 1031, "holidays": [{"id": "\u00c4\"\\\/\b\f\n\r\t", "display": {"bytes": "C4ff"}}]})", true},
        {R"({"language": 0, "holidays": [{"id": "\ud83d\ude00", "display": "€"}]})", true},
        {" {\"version\": -0, \"holidays\": [{}, {\"rulesets\": [{\"shiftRules\": [{}]}]}]}\r\n\t", true},
        {R"({"holidays": [{"display": "Bu\u00df"}], "language": 1049})", false},  // the language after the texts
        {"\xEF\xBB\xBF{}", true},                                                 // a byte order mark
        {R"({"version": 01})", false},
        {R"({"version": 1.0})", false},
        {R"({"version": 1e2})", false},
        {R"({"version": 2147483648})", false},
        {R"({"version": 1,})", false},
        {R"({"version": 1, "version": 2})", false},
        {R"({"version": 1, "versio": 2})", false},
        {R"({"holidays": [{},]})", false},
        {R"({} [])", false},
        {"{\"holidays\": [{\"id\": \"a\tb\"}]}", false},          // a control character
        {"{\"holidays\": [{\"id\": \"\xC3\"}]}", false},          // cut-off UTF-8
        {"{\"holidays\": [{\"id\": \"\xED\xA0\x80\"}]}", false},  // a surrogate in UTF-8
        {R"({"holidays": [{"id": "\ud800"}]})", false},
        {R"({"holidays": [{"id": "\udc00"}]})", false},
        {R"({"holidays": [{"id": "\x41"}]})", false},
        {R"({"language": 1031, "holidays": [{"id": "元日"}]})", false},
        {R"({"holidays": [{"id": {"bytes": "4"}}]})", false},
        {R"({"holidays": [{"id": {"bytes": "41", "x": 1}}]})", false},
        {R"({"holidays": [{"rulesets": [{"fixedDay": null}]}]})", false},
    };
    for (const auto& c : cases) {
        std::optional<std::vector<std::uint8_t>> read;
        try {
            read = SaveHolidayBytes(DocumentFromJsonText(c.text));
        } catch (const CCliError&) {
        }
        ASSERT_EQ(read.has_value(), c.accepted) << c.text;
        if (read) {
            EXPECT_EQ(SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(DocumentFromJsonText(c.text)))), *read);
        }
    }
}

std::string HolBytes(const std::vector<CHoliday>& holidays) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(CHolidays(0x0407, 100, holidays));
    return std::string(bytes.begin(), bytes.end());
}

std::string Int32Bytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<char>(bits), static_cast<char>(bits >> 8), static_cast<char>(bits >> 16),
            static_cast<char>(bits >> 24)};
}

// Bytes that read the same as the canonical ones come back canonical, as the
// editor would save them; the JSON form does not keep the difference.
TEST(JsonForm, NonCanonicalHolBytesComeBackInTheCanonicalForm) {
    CHoliday x;  // ID "X", empty display, one ruleset without shift rules
    x.id = "X";
    x.rulesets = {CRuleset()};
    const std::string canonical = HolBytes({x});
    const std::string beforeId = canonical.substr(0, 12);  // language, version, holiday count
    const std::string afterId = canonical.substr(14);      // after 01 58
    x.id = std::string(300, 'a');
    const std::string canonicalLong = HolBytes({x});  // FF 2C 01, then the 300 bytes
    x.rulesets.clear();
    const std::string withoutRulesets = HolBytes({x});

    const struct {
        const char* what;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"3-byte prefix of a 1-byte text", beforeId + std::string("\xFF\x01\x00X", 4) + afterId, canonical},
        {"7-byte prefix of a 1-byte text", beforeId + std::string("\xFF\xFF\xFF\x01\x00\x00\x00X", 8) + afterId,
         canonical},
        {"7-byte prefix of a 300-byte text",
         beforeId + std::string("\xFF\xFF\xFF\x2C\x01\x00\x00", 7) + canonicalLong.substr(15), canonicalLong},
        {"negative holiday count", canonical.substr(0, 8) + Int32Bytes(-2), canonical.substr(0, 8) + Int32Bytes(0)},
        {"negative ruleset count", withoutRulesets.substr(0, withoutRulesets.size() - 4) + Int32Bytes(-1),
         withoutRulesets},
        {"negative shift-rule count", canonical.substr(0, canonical.size() - 4) + Int32Bytes(INT32_MIN), canonical},
        {"bytes after the last holiday", canonical + "tail", canonical},
    };
    for (const auto& c : cases) {
        CHolidays loaded;
        LoadHolidayBytes(loaded, std::vector<std::uint8_t>(c.bytes.begin(), c.bytes.end()));
        const std::vector<std::uint8_t> again = SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(loaded)));
        EXPECT_EQ(std::string(again.begin(), again.end()), c.expected) << c.what;
        EXPECT_NE(c.bytes, c.expected) << c.what;
    }
}

TEST(JsonForm, LongTextsSurviveTheRoundTrip) {
    CHoliday holiday;
    holiday.id = std::string(70000, 'a') + "\x81";  // a 4-byte length prefix, not valid in 1252
    holiday.display = std::string(300, '\xE4');     // a 2-byte length prefix, valid in 1252
    CHolidays document;
    document.SetLanguage(0x0407);
    document.SetHoliday(holiday);
    EXPECT_EQ(DocumentFromJsonText(DocumentToJsonText(document)).Holidays(), document.Holidays());
}

}  // namespace
