// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonInFieldOrder.h"

#include "cli/JsonDocumentFields.h"
#include "cli/TextForm.h"
#include "core/CodePage.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Thrown where the text leaves the form this reader reads.
struct CNotInFieldOrder {};

[[noreturn]] void GiveUp() {
    throw CNotInFieldOrder{};
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An ASCII character that a JSON string holds as itself: no control
// character, quote or backslash.
constexpr bool IsPlainAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
}

// Reads the document with the field visits of the records: each visit takes
// its field when it is the next one in the text and leaves it out otherwise.
// A field the visits did not take (unknown, out of order or given twice)
// ends the reading at the end of its object.
class CFieldOrderReader {
public:
    explicit CFieldOrderReader(std::string_view text) : next(text.data()), end(text.data() + text.size()) {}

    void ReadDocument(LCID& language, std::int32_t& version, std::vector<CHoliday>& holidays) {
        SkipWhitespace();
        ReadObject([&] { VisitDocument(language, version, holidays, *this); });
        SkipWhitespace();
        if (next != end) {
            GiveUp();
        }
    }

    void Language(const char* name, LCID& field) {
        if (TakeField(name)) {
            field = static_cast<LCID>(ReadInteger(0, std::numeric_limits<LCID>::max()));
            EndField();
        }
        codePage.emplace(GetDefaultAnsiCodePage(field));
    }

    void Int(const char* name, std::int32_t& field) {
        if (TakeField(name)) {
            field = static_cast<std::int32_t>(
                ReadInteger(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
            EndField();
        }
    }

    void Text(const char* name, std::string& field) {
        if (TakeField(name)) {
            field = Peek() == '{' ? ReadBytesObject() : ReadCodePageText();
            EndField();
        }
    }

    template <class Record>
    void List(const char* name, std::vector<Record>& records) {
        if (!TakeField(name)) {
            return;
        }
        Expect('[');
        records.clear();
        if (Peek() != ']') {
            do {
                Record& record = records.emplace_back(std::get<Record>(newRecords));
                ReadObject([&] { VisitFields(record, *this); });
            } while (TakeSeparator(']'));
        }
        Expect(']');
        EndField();
    }

private:
    // The next character, or '\0' at the end (which no step takes).
    char Peek() const { return next == end ? '\0' : *next; }

    void SkipWhitespace() {
        while (next != end) {
            if (*next == ' ' && end - next >= 8) {
                next += LeadingBlanks();  // indentation, up to eight blanks at a time
            } else if (*next == ' ' || *next == '\n' || *next == '\r' || *next == '\t') {
                ++next;
            } else {
                return;
            }
        }
    }

    // How many of the eight bytes at `next` are blanks before the first other one.
    int LeadingBlanks() const {
        constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
        std::uint64_t eight = 0;
        std::memcpy(&eight, next, sizeof eight);
        const std::uint64_t others = eight ^ kEightBlanks;  // zero bytes where the blanks are
        if (others == 0) {
            return 8;
        }
        return (std::endian::native == std::endian::little ? std::countr_zero(others) : std::countl_zero(others)) / 8;
    }

    // Moves past the character and the whitespace after it.
    void Expect(char c) {
        if (Peek() != c) {
            GiveUp();
        }
        ++next;
        SkipWhitespace();
    }

    // After an element or field: moves past a comma and gives true, or
    // gives false before the closing bracket.
    bool TakeSeparator(char closing) {
        if (Peek() == ',') {
            Expect(',');
            return true;
        }
        if (Peek() != closing) {
            GiveUp();
        }
        return false;
    }

    template <class Visit>
    void ReadObject(Visit visitFields) {
        Expect('{');
        const bool outerClosed = objectClosed;
        objectClosed = Peek() == '}';
        visitFields();
        Expect('}');  // not there when a field is left that no visit took
        objectClosed = outerClosed;
    }

    // Whether the open object's next field is `name`; if so, moves to its value.
    bool TakeField(std::string_view name) {
        if (objectClosed || !NextKeyIs(name)) {
            return false;
        }
        next += name.size() + 2;
        SkipWhitespace();
        Expect(':');
        return true;
    }

    bool NextKeyIs(std::string_view name) const {
        return static_cast<std::size_t>(end - next) > name.size() + 1 && next[0] == '"' &&
               std::memcmp(next + 1, name.data(), name.size()) == 0 && next[name.size() + 1] == '"';
    }

    // After a field's value: a comma and the next field's name, or the end of the object.
    void EndField() {
        if (!TakeSeparator('}')) {
            objectClosed = true;
        } else if (Peek() != '"') {
            GiveUp();
        }
    }

    // An integer in JSON's form without fraction or exponent, within the range.
    std::int64_t ReadInteger(std::int64_t low, std::int64_t high) {
        const bool negative = Peek() == '-';
        next += negative ? 1 : 0;
        const char* const digits = next;
        std::int64_t value = 0;
        while (next != end && IsDigit(*next) && next - digits < 11) {  // 11 digits fit, and exceed any range
            value = value * 10 + (*next - '0');
            ++next;
        }
        const bool leadingZero = next - digits > 1 && *digits == '0';
        const char after = Peek();
        if (next == digits || leadingZero || IsDigit(after) || after == '.' || after == 'e' || after == 'E') {
            GiveUp();
        }
        value = negative ? -value : value;
        if (value < low || value > high) {
            GiveUp();
        }
        SkipWhitespace();
        return value;
    }

    std::string ReadCodePageText() {
        std::string escaped;
        std::optional<std::string> bytes = codePage->FromUtf8(ReadString(escaped));
        if (!bytes) {
            GiveUp();
        }
        return *std::move(bytes);
    }

    std::string ReadBytesObject() {
        Expect('{');
        if (!NextKeyIs("bytes")) {
            GiveUp();
        }
        next += 7;
        SkipWhitespace();
        Expect(':');
        if (Peek() != '"') {
            GiveUp();
        }
        const char* const hex = ++next;
        while (next != end && *next != '"') {
            ++next;
        }
        // Hex digits only: no escape, control character or other character.
        std::optional<std::string> bytes = BytesOfHex(std::string_view(hex, static_cast<std::size_t>(next - hex)));
        if (next == end || !bytes) {
            GiveUp();
        }
        ++next;
        SkipWhitespace();
        Expect('}');
        return *std::move(bytes);
    }

    // The UTF-8 text of a JSON string: the text itself, or its copy in
    // `decoded` with the escapes replaced when it has any.
    std::string_view ReadString(std::string& decoded) {
        if (Peek() != '"') {
            GiveUp();
        }
        const char* const start = ++next;
        const char* copied = start;  // with escapes, what lies before is in `decoded`
        bool escaped = false;
        for (;;) {
            while (next != end && IsPlainAscii(*next)) {
                ++next;
            }
            if (next == end) {
                GiveUp();
            }
            if (*next == '"') {
                break;
            }
            if (*next == '\\') {
                if (!escaped) {
                    decoded.clear();
                    escaped = true;
                }
                decoded.append(copied, next);
                AppendEscaped(decoded);
                copied = next;
                continue;
            }
            // A control character, or a character beyond ASCII that must be well-formed UTF-8.
            const std::size_t length = Utf8SequenceLength(std::string_view(next, static_cast<std::size_t>(end - next)));
            if (length <= 1) {
                GiveUp();
            }
            next += length;
        }
        if (escaped) {
            decoded.append(copied, next);
        }
        const std::string_view text =
            escaped ? std::string_view(decoded) : std::string_view(start, static_cast<std::size_t>(next - start));
        ++next;
        SkipWhitespace();
        return text;
    }

    // Appends the character of the escape at `next` and moves past it.
    void AppendEscaped(std::string& decoded) {
        if (end - next < 2) {
            GiveUp();
        }
        const char kind = next[1];
        next += 2;
        switch (kind) {
        case '"':
        case '\\':
        case '/': decoded += kind; return;
        case 'b': decoded += '\b'; return;
        case 'f': decoded += '\f'; return;
        case 'n': decoded += '\n'; return;
        case 'r': decoded += '\r'; return;
        case 't': decoded += '\t'; return;
        case 'u': break;
        default: GiveUp();
        }
        char32_t character = ReadHexUnit();
        if (character >= 0xDC00 && character <= 0xDFFF) {
            GiveUp();  // a low surrogate without its high one
        }
        if (character >= 0xD800 && character <= 0xDBFF) {
            if (end - next < 2 || next[0] != '\\' || next[1] != 'u') {
                GiveUp();
            }
            next += 2;
            const char32_t low = ReadHexUnit();
            if (low < 0xDC00 || low > 0xDFFF) {
                GiveUp();
            }
            character = 0x10000 + ((character - 0xD800) << 10) + (low - 0xDC00);
        }
        decoded += Utf8Of(character);
    }

    // The UTF-16 unit of the four hex digits of a \u escape.
    char32_t ReadHexUnit() {
        if (end - next < 4) {
            GiveUp();
        }
        const std::optional<std::string> bytes = BytesOfHex(std::string_view(next, 4));
        if (!bytes) {
            GiveUp();
        }
        next += 4;
        return static_cast<char32_t>(static_cast<unsigned char>((*bytes)[0]) << 8 |
                                     static_cast<unsigned char>((*bytes)[1]));
    }

    const char* next;
    const char* const end;
    bool objectClosed = false;  // the open object has no more fields
    std::optional<CCodePage> codePage;
    const CNewRecords newRecords = NewRecordsToday();
};

}  // namespace

std::optional<CHolidays> ReadJsonInFieldOrder(std::string_view text) {
    const CHolidays defaults;
    LCID language = defaults.GetLanguage();
    std::int32_t version = defaults.GetVersion();
    std::vector<CHoliday> holidays;
    try {
        CFieldOrderReader reader(text);
        reader.ReadDocument(language, version, holidays);
    } catch (const CNotInFieldOrder&) {
        return std::nullopt;
    }
    return CHolidays(language, version, std::move(holidays));
}
