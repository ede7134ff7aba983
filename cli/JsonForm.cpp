// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonForm.h"

#include "cli/CliError.h"
#include "cli/JsonDocumentFields.h"
#include "cli/JsonText.h"
#include "cli/TextForm.h"
#include "core/CDateTime.h"
#include "core/CodePage.h"

#include <fmt/format.h>
#include <simdjson.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Writes the JSON text as nlohmann's dump(2) did: two blanks per level, one
// field or element per line, "[]" for an empty list. The text goes to
// `piece` in pieces of about kPieceBytes, so that a large document's text is
// never whole in memory.
class CJsonWriter {
public:
    CJsonWriter(const CCodePage& textCodePage, const JsonPieceWriter& pieceWriter)
        : codePage(textCodePage), piece(pieceWriter) {}

    void Document(LCID language, std::int32_t version, const std::vector<CHoliday>& holidays) {
        text += '{';
        ++depth;
        VisitDocument(language, version, holidays, *this);
        EndObject();
        text += '\n';
        piece(text);
        text.clear();
    }

    void Language(const char* name, LCID value) { Int(name, static_cast<std::int64_t>(value)); }
    void Int(const char* name, std::int64_t value) {
        Key(name);
        fmt::format_to(std::back_inserter(text), "{}", value);
    }
    void Text(const char* name, const std::string& bytes) {
        Key(name);
        if (const std::optional<std::string> utf8 = TextAsUtf8(bytes, codePage)) {
            AppendJsonString(text, *utf8);
            return;
        }
        text += '{';
        ++depth;
        NewLine();
        text += "\"bytes\": \"";
        AppendHex(text, bytes);
        text += '"';
        EndObject();
    }

    template <class Record>
    void List(const char* name, const std::vector<Record>& records) {
        Key(name);
        if (records.empty()) {
            text += "[]";
            return;
        }
        text += '[';
        ++depth;
        for (std::size_t i = 0; i < records.size(); ++i) {
            text += i == 0 ? "" : ",";
            NewLine();
            text += '{';
            ++depth;
            firstField = true;
            VisitFields(records[i], *this);
            EndObject();
            if (text.size() >= kPieceBytes) {
                piece(text);
                text.clear();
            }
        }
        --depth;
        NewLine();
        text += ']';
    }

private:
    static constexpr std::size_t kPieceBytes = 1 << 20;

    void Key(const char* name) {
        text += firstField ? "" : ",";
        firstField = false;
        NewLine();
        text += '"';
        text += name;
        text += "\": ";
    }
    void NewLine() {
        text += '\n';
        text.append(2 * depth, ' ');
    }
    // Closes the object whose fields were written last; the object it
    // stands in goes on after it.
    void EndObject() {
        --depth;
        NewLine();
        text += '}';
        firstField = false;
    }

    const CCodePage& codePage;
    const JsonPieceWriter& piece;
    std::string text;
    std::size_t depth = 0;
    bool firstField = true;
};

// ---- Reading ----

namespace od = simdjson::ondemand;

// The fields of the document object, as a record of their own.
struct CDocumentFields {
    LCID language = 0;
    std::int32_t version = 0;
    std::vector<CHoliday> holidays;
};

template <RecordOf<CDocumentFields> Document, class Visitor>
void VisitFields(Document& document, Visitor& visitor) {
    VisitDocument(document.language, document.version, document.holidays, visitor);
}

// The most fields a record may have: an object's fields given so far are
// the bits of a 32-bit word, and every record kind compiles a reader for
// each field position below this.
constexpr std::size_t kMaxFields = 24;

// The names of a record's fields in the order of its visit, with the
// position of each name found by binary search.
class CFieldNames {
public:
    template <class Record>
    static const CFieldNames& Of() {
        static const CFieldNames names{Record{}};
        return names;
    }

    template <class Record>
    explicit CFieldNames(const Record& record) {
        VisitFields(record, *this);
        if (names.size() > kMaxFields) {
            throw std::logic_error("a record has more fields than the JSON reader reads");
        }
        for (std::size_t position = 0; position < names.size(); ++position) {
            sorted.emplace_back(names[position], position);
        }
        std::sort(sorted.begin(), sorted.end());
    }

    void Language(const char* name, const LCID& /*field*/) { names.emplace_back(name); }
    void Int(const char* name, const std::int32_t& /*field*/) { names.emplace_back(name); }
    void Text(const char* name, const std::string& /*field*/) { names.emplace_back(name); }
    template <class Record>
    void List(const char* name, const std::vector<Record>& /*records*/) {
        names.emplace_back(name);
    }

    std::string_view Name(std::size_t position) const { return names[position]; }
    // The position of the field `name`, or nothing when the record has no
    // such field. The position `expected` is tried first: the fields are
    // mostly given in the order of the visit (or in its reverse, which the
    // position before the last one read catches).
    std::optional<std::size_t> Find(std::string_view name, std::size_t expected) const {
        if (expected < names.size() && names[expected] == name) {
            return expected;
        }
        if (expected >= 2 && names[expected - 2] == name) {  // the fields in reverse order
            return expected - 2;
        }
        const auto found = std::lower_bound(sorted.begin(), sorted.end(), std::make_pair(name, std::size_t{0}));
        return found != sorted.end() && found->first == name ? std::optional(found->second) : std::nullopt;
    }

private:
    std::vector<std::string_view> names;                           // in the order of the visit
    std::vector<std::pair<std::string_view, std::size_t>> sorted;  // by name
};

// Where a value stands in the document, for messages: a field of an object
// or an element of an array, within the place of that object or array. The
// document itself has no name. Made into a text only for a message.
struct CPlace {
    const CPlace* within = nullptr;
    std::string_view name;  // a field's name as the text gives it
    std::size_t index = 0;  // an element's index
    bool isElement = false;

    // "holidays[2].rulesets[0].fixedMonth"; "" for the document.
    std::string Text() const {
        if (within == nullptr) {
            return "";
        }
        const std::string outer = within->Text();
        if (isElement) {
            return fmt::format("{}[{}]", outer, index);
        }
        const std::string shown = name.empty() ? std::string("\"\"") : Excerpt(name);
        return outer.empty() ? shown : outer + "." + shown;
    }
};

CPlace FieldPlace(const CPlace& object, std::string_view name) {
    return {&object, name, 0, false};
}

CPlace ElementPlace(const CPlace& array, std::size_t index) {
    return {&array, {}, index, true};
}

bool IsJsonBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view WithoutTrailingBlanks(std::string_view token) {
    while (!token.empty() && IsJsonBlank(token.back())) {
        token.remove_suffix(1);
    }
    return token;
}

// The token that starts at `at`, for a message: a string up to its closing
// quote, a word or number, or else one character.
std::string_view TokenAt(std::string_view text, std::size_t at) {
    const std::string_view rest = text.substr(std::min(at, text.size()));
    if (rest.empty()) {
        return rest;
    }
    if (rest.front() == '"') {
        std::size_t end = 1;
        while (end < rest.size() && rest[end] != '"') {
            end += rest[end] == '\\' ? std::size_t{2} : std::size_t{1};
        }
        return rest.substr(0, std::min(end + 1, rest.size()));
    }
    const auto isWordCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '+' ||
               c == '.';
    };
    const auto wordEnd = std::find_if_not(rest.begin(), rest.end(), isWordCharacter);
    if (wordEnd != rest.begin()) {
        return rest.substr(0, static_cast<std::size_t>(wordEnd - rest.begin()));
    }
    return rest.substr(0, std::max<std::size_t>(Utf8SequenceLength(rest), 1));
}

// What is wrong at the start of the text, for the errors the parser finds
// before it reads any value (it gives no place for them): the offset and
// the problem. Only for a text the parser refused.
std::pair<std::size_t, std::string> FaultBeforeValues(std::string_view text, simdjson::error_code error) {
    if (error == simdjson::UTF8_ERROR) {
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t length = Utf8SequenceLength(text.substr(at));
            if (length == 0) {
                return {at, fmt::format("the byte \\x{:02X} is not UTF-8, as a JSON text must be",
                                        static_cast<unsigned char>(text[at]))};
            }
            at += length;
        }
    }
    if (error == simdjson::EMPTY) {
        return {text.size(), "the text holds no JSON value"};
    }
    // Strings and brackets: a control character in a string, a string not
    // closed, a bracket that closes none or another kind, the document's
    // value not closed, or more after it.
    std::vector<std::size_t> open;  // the offsets of the open brackets
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            const std::size_t start = at;
            for (++at; at < text.size() && text[at] != '"'; ++at) {
                if (static_cast<unsigned char>(text[at]) < 0x20) {
                    return {at, fmt::format("a string holds the control character U+{:04X}; write it as an escape, "
                                            "such as \\n or \\u0001",
                                            static_cast<unsigned char>(text[at]))};
                }
                at += text[at] == '\\' ? std::size_t{1} : std::size_t{0};
            }
            if (at >= text.size()) {
                return {start, "the string that starts here is not closed"};
            }
        } else if (c == '[' || c == '{') {
            open.push_back(at);
        } else if (c == ']' || c == '}') {
            if (open.empty() || text[open.back()] != (c == ']' ? '[' : '{')) {
                return {at, fmt::format("unexpected {}", c)};
            }
            open.pop_back();
            if (open.empty()) {
                const auto after =
                    std::find_if_not(text.begin() + static_cast<std::ptrdiff_t>(at) + 1, text.end(), IsJsonBlank);
                if (after != text.end()) {
                    return {static_cast<std::size_t>(after - text.begin()), "more follows after the document's object"};
                }
            }
        }
    }
    if (!open.empty()) {
        return {text.size(), "the text ends before all its arrays and objects are closed"};
    }
    return {0, simdjson::error_message(error)};
}

class CDocumentReader;

// The reader of the field at position I of a record's visit, compiled for
// each position: the visit, folded at compile time to that one field, hands
// it to the document reader.
template <class Record>
using CFieldReader = void (*)(CDocumentReader& reader, Record& record, od::value value, const CPlace& place, int depth);

// Reads a document on simdjson's On-Demand API: each value once, in the
// order of the text, straight into the records. `depth` is that of the
// array or object being read (the document's object is 1).
class CDocumentReader {
public:
    // The text is `length` bytes at the start of `padded`, which holds at
    // least SIMDJSON_PADDING bytes more (the parser reads ahead in blocks).
    CDocumentReader(const char* padded, std::size_t length, std::size_t paddedSize)
        : text(padded, length), input(padded), capacity(paddedSize), newRuleset(NewRulesetOn(CDateTime::Now())) {}

    CHolidays Read() {
        const CHolidays defaults;
        CDocumentFields fields;
        fields.language = defaults.GetLanguage();
        fields.version = defaults.GetVersion();
        Start();
        // The language before the other fields: the texts are read in its code page wherever it stands.
        if (LanguageAhead(fields.language)) {
            document.rewind();
        } else {
            Start();  // the fault that ended looking ahead is refused below
        }
        codePage.emplace(GetDefaultAnsiCodePage(fields.language));
        od::json_type type{};
        if (const simdjson::error_code error = document.type().get(type)) {
            RefuseSyntax(CPlace{}, error, Location());
        }
        if (type != od::json_type::object) {
            RefuseNoObject(type);
        }
        od::object object;
        if (const simdjson::error_code error = document.get_object().get(object)) {
            RefuseSyntax(CPlace{}, error, Location());
        }
        ReadFields(object, CPlace{}, 1, fields);
        RefuseMoreAfterTheDocument();
        return CHolidays(fields.language, fields.version, std::move(fields.holidays));
    }

    // The fields' values, of the object at `depth`.
    void Language(od::value& value, const CPlace& place, int depth, LCID& field) {
        field = static_cast<LCID>(ReadInteger(value, place, depth, 0, std::numeric_limits<LCID>::max()));
        codePage.emplace(GetDefaultAnsiCodePage(field));
    }

    void Int(od::value& value, const CPlace& place, int depth, std::int32_t& field) {
        field = static_cast<std::int32_t>(ReadInteger(value, place, depth, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
    }

    void Text(od::value& value, const CPlace& place, int depth, std::string& field) {
        const od::json_type type = TypeOf(value, place);
        if (type == od::json_type::object) {
            field = ReadBytesObject(value, place, depth + 1);
            return;
        }
        if (type != od::json_type::string) {
            RefuseType(value, place, depth + 1, R"(a text (a string or {"bytes": "<hex>"}))", type);
        }
        const std::string_view utf8 = ReadString(value, place);
        std::optional<std::string> bytes = codePage->FromUtf8(utf8);
        if (!bytes) {
            Refuse(place, Start(value), UnheldCharacterProblem(*codePage, utf8));
        }
        field = *std::move(bytes);
    }

    template <class Record>
    void List(od::value& value, const CPlace& place, int depth, std::vector<Record>& records) {
        const od::json_type type = TypeOf(value, place);
        if (type != od::json_type::array) {
            RefuseType(value, place, depth + 1, "an array", type);
        }
        od::array array;
        if (const simdjson::error_code error = value.get_array().get(array)) {
            RefuseSyntax(place, error, Location());
        }
        records.clear();
        std::size_t index = 0;
        for (auto element : array) {
            od::value elementValue;
            if (const simdjson::error_code error = std::move(element).get(elementValue)) {
                RefuseSyntax(place, error, Location());
            }
            const CPlace elementPlace = ElementPlace(place, index++);
            if (const od::json_type elementType = TypeOf(elementValue, elementPlace);
                elementType != od::json_type::object) {
                RefuseType(elementValue, elementPlace, depth + 2, "an object", elementType);
            }
            od::object object;
            if (const simdjson::error_code error = elementValue.get_object().get(object)) {
                RefuseSyntax(elementPlace, error, Location());
            }
            Record& record = records.emplace_back(NewRecord<Record>());
            ReadFields(object, elementPlace, depth + 2, record);
        }
    }

private:
    template <class Record>
    Record NewRecord() const {
        if constexpr (std::is_same_v<Record, CRuleset>) {
            return newRuleset;
        } else {
            return Record{};
        }
    }

    // Reads the fields of the object at `depth` into the record: each field
    // the record has once, any other refused once the object is read, with
    // its value read all the same.
    template <class Record>
    void ReadFields(od::object& object, const CPlace& place, int depth, Record& record);

    // Starts reading the text from its beginning. A UTF-8 byte order mark
    // is passed over, as JSON allows.
    void Start() {
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        const std::size_t mark = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
        if (const simdjson::error_code error =
                parser.iterate(input + mark, text.size() - mark, capacity - mark).get(document)) {
            if (error == simdjson::MEMALLOC) {
                throw std::bad_alloc();
            }
            const auto [offset, problem] = FaultBeforeValues(text, error);
            throw CCliError(fmt::format("the JSON text is not valid: {} ({})", problem, LineAndColumn(text, offset)));
        }
    }

    // Sets `language` when the document's object gives a valid one: looks
    // for it among the fields, skipping their values unread. False when it
    // met a fault, which leaves the reading unable to go on.
    bool LanguageAhead(LCID& language) {
        od::object object;
        if (document.get_object().get(object) != simdjson::SUCCESS) {
            return false;
        }
        for (auto field : object) {
            od::field member;
            std::string_view key;
            if (std::move(field).get(member) != simdjson::SUCCESS ||
                member.unescaped_key().get(key) != simdjson::SUCCESS) {
                return false;
            }
            if (key == "language") {
                od::number number;
                if (member.value().get_number().get(number) == simdjson::SUCCESS &&
                    number.get_number_type() == od::number_type::signed_integer && number.get_int64() >= 0 &&
                    number.get_int64() <= std::numeric_limits<LCID>::max()) {
                    language = static_cast<LCID>(number.get_int64());
                }
                return document.is_alive();
            }
        }
        return document.is_alive();
    }

    // An integer within low..high.
    std::int64_t ReadInteger(od::value& value, const CPlace& place, int depth, std::int64_t low, std::int64_t high) {
        const od::json_type type = TypeOf(value, place);
        if (type != od::json_type::number) {
            RefuseType(value, place, depth + 1, "an integer", type);
        }
        od::number number;
        if (const simdjson::error_code error = value.get_number().get(number)) {
            const std::string_view token = WithoutTrailingBlanks(value.raw_json_token());
            if (error == simdjson::NUMBER_ERROR && IsJsonInteger(token)) {
                RefuseRange(place, token, low, high);
            }
            if (error == simdjson::NUMBER_ERROR && IsJsonNumber(token)) {
                Refuse(place, token.data(), "expected an integer, found a number with a fraction or an exponent");
            }
            RefuseSyntax(place, error, token.data());
        }
        switch (number.get_number_type()) {
        case od::number_type::signed_integer:
            if (const std::int64_t integer = number.get_int64(); integer >= low && integer <= high) {
                return integer;
            }
            break;
        case od::number_type::unsigned_integer: break;  // above any int64
        default: Refuse(place, Start(value), "expected an integer, found a number with a fraction or an exponent");
        }
        RefuseRange(place, WithoutTrailingBlanks(value.raw_json_token()), low, high);
    }

    std::string_view ReadString(od::value& value, const CPlace& place) {
        std::string_view string;
        if (const simdjson::error_code error = value.get_string().get(string)) {
            RefuseSyntax(place, error, Start(value));
        }
        return string;
    }

    // The bytes of {"bytes": "<hex>"}, the object at `depth`.
    std::string ReadBytesObject(od::value& value, const CPlace& place, int depth) {
        const char* const objectStart = Start(value);
        od::object object;
        if (const simdjson::error_code error = value.get_object().get(object)) {
            RefuseSyntax(place, error, Location());
        }
        std::optional<std::string> bytes;
        std::optional<std::pair<std::string_view, const char*>> unknown;  // the first other field, and where
        for (auto field : object) {
            od::field bytesField;
            if (const simdjson::error_code error = std::move(field).get(bytesField)) {
                RefuseSyntax(place, error, Location());
            }
            const char* const keyStart = bytesField.key().raw() - 1;
            const std::string_view key = UnescapedKey(bytesField, place);
            const CPlace fieldPlace = FieldPlace(place, key);
            if (key != "bytes") {
                unknown = unknown.value_or(std::pair(key, keyStart));
                Validate(bytesField.value(), fieldPlace, depth + 1);
                continue;
            }
            if (bytes) {
                Refuse(fieldPlace, keyStart, "the field is given twice");
            }
            od::value hexValue = bytesField.value();
            if (const od::json_type type = TypeOf(hexValue, fieldPlace); type != od::json_type::string) {
                RefuseType(hexValue, fieldPlace, depth + 1, "a string of hex digits", type);
            }
            const std::string_view hex = ReadString(hexValue, fieldPlace);
            bytes = BytesOfHex(hex);
            if (!bytes) {
                Refuse(fieldPlace, Start(hexValue), HexProblem(hex));
            }
        }
        if (unknown) {
            Refuse(FieldPlace(place, unknown->first), unknown->second,
                   R"(unknown field (a text object holds only "bytes"))");
        }
        if (!bytes) {
            Refuse(place, objectStart, R"(a text object needs the field "bytes")");
        }
        return *std::move(bytes);
    }

    // Reads a value of no field of a record, so that every byte of the text
    // is checked: an array or object at `depth`, or any other value.
    void Validate(od::value value, const CPlace& place, int depth) {
        switch (TypeOf(value, place)) {
        case od::json_type::object: {
            RefuseTooDeep(value, depth);
            od::object object;
            if (const simdjson::error_code error = value.get_object().get(object)) {
                RefuseSyntax(place, error, Location());
            }
            for (auto field : object) {
                od::field member;
                if (const simdjson::error_code error = std::move(field).get(member)) {
                    RefuseSyntax(place, error, Location());
                }
                const std::string_view key = UnescapedKey(member, place);
                Validate(member.value(), FieldPlace(place, key), depth + 1);
            }
            return;
        }
        case od::json_type::array:
            RefuseTooDeep(value, depth);
            ValidateElements(value, place, depth);
            return;
        case od::json_type::string: ReadString(value, place); return;
        case od::json_type::number: {
            od::number number;
            if (const simdjson::error_code error = value.get_number().get(number)) {
                RefuseNumber(place, error, WithoutTrailingBlanks(value.raw_json_token()));
            }
            return;
        }
        case od::json_type::boolean: {
            bool boolean = false;
            if (const simdjson::error_code error = value.get_bool().get(boolean)) {
                RefuseSyntax(place, error, Start(value));
            }
            return;
        }
        case od::json_type::null: {
            bool isNull = false;
            if (value.is_null().get(isNull) != simdjson::SUCCESS || !isNull) {
                RefuseSyntax(place, simdjson::N_ATOM_ERROR, Start(value));
            }
            return;
        }
        }
    }

    // Reads the elements of the array at `depth`: a value, or the document.
    template <class Array>
    void ValidateElements(Array& source, const CPlace& place, int depth) {
        od::array array;
        if (const simdjson::error_code error = source.get_array().get(array)) {
            RefuseSyntax(place, error, Location());
        }
        std::size_t index = 0;
        for (auto element : array) {
            od::value elementValue;
            if (const simdjson::error_code error = std::move(element).get(elementValue)) {
                RefuseSyntax(place, error, Location());
            }
            Validate(elementValue, ElementPlace(place, index++), depth + 1);
        }
    }

    od::json_type TypeOf(od::value& value, const CPlace& place) {
        od::json_type type{};
        if (const simdjson::error_code error = value.type().get(type)) {
            RefuseSyntax(place, error, Location());
        }
        return type;
    }

    std::string_view UnescapedKey(od::field& field, const CPlace& place) {
        // A key without escapes and control characters is its raw bytes,
        // which need no copy; the parser found the closing quote already.
        const char* const raw = field.key().raw();
        for (const char* c = raw;; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            if (byte == '"') {
                return {raw, static_cast<std::size_t>(c - raw)};
            }
            if (byte == '\\' || byte < 0x20) {
                break;
            }
        }
        const char* const keyStart = raw - 1;
        std::string_view key;
        if (const simdjson::error_code error = field.unescaped_key().get(key)) {
            RefuseSyntax(place, error, keyStart);
        }
        return key;
    }

    // Where the value starts in the text.
    static const char* Start(od::value& value) { return value.raw_json_token().data(); }

    // Where the parser stands, for a fault it found there.
    const char* Location() {
        const simdjson::simdjson_result<const char*> location = document.current_location();
        return location.error() == simdjson::SUCCESS ? location.value_unsafe() : text.data() + text.size();
    }

    [[noreturn]] void Refuse(const CPlace& place, const char* at, std::string_view problem) const {
        const std::string where = place.Text();
        throw CCliError(fmt::format("{}{}{} ({})", where, where.empty() ? "" : ": ", problem,
                                    LineAndColumn(text, static_cast<std::size_t>(at - text.data()))));
    }

    // A value of another type than `expected`, which is read first, so that
    // a value that is not valid JSON is refused as such.
    [[noreturn]] void RefuseType(od::value& value, const CPlace& place, int depth, std::string_view expected,
                                 od::json_type type) {
        const char* const start = Start(value);
        const std::string_view token = WithoutTrailingBlanks(value.raw_json_token());
        Validate(value, place, depth);
        Refuse(place, start, fmt::format("expected {}, found {}", expected, Describe(type, token)));
    }

    static std::string Describe(od::json_type type, std::string_view token) {
        switch (type) {
        case od::json_type::object: return "an object";
        case od::json_type::array: return "an array";
        case od::json_type::string: return "a string";
        case od::json_type::boolean: return "a boolean";
        case od::json_type::null: return "a null";
        case od::json_type::number: break;
        }
        return IsJsonInteger(token) ? "a number" : "a number with a fraction or an exponent";
    }

    [[noreturn]] void RefuseRange(const CPlace& place, std::string_view token, std::int64_t low, std::int64_t high) {
        Refuse(place, token.data(), fmt::format("{} is outside the range {} to {}", Excerpt(token), low, high));
    }

    [[noreturn]] void RefuseNumber(const CPlace& place, simdjson::error_code error, std::string_view token) {
        if (error == simdjson::NUMBER_ERROR && IsJsonNumber(token)) {
            Refuse(place, token.data(), fmt::format("the number {} is too large", Excerpt(token)));
        }
        RefuseSyntax(place, error, token.data());
    }

    void RefuseTooDeep(od::value& value, int depth) const {
        if (static_cast<std::size_t>(depth) > kMaxJsonDepth) {
            const char* const bracket = Start(value);
            throw CCliError(fmt::format("the JSON text nests arrays and objects more than {} deep, at {}",
                                        kMaxJsonDepth,
                                        LineAndColumn(text, static_cast<std::size_t>(bracket - text.data()))));
        }
    }

    [[noreturn]] void RefuseSyntax(const CPlace& place, simdjson::error_code error, const char* at) const {
        if (error == simdjson::MEMALLOC) {
            throw std::bad_alloc();
        }
        if (error == simdjson::INCOMPLETE_ARRAY_OR_OBJECT) {
            const auto [offset, problem] = FaultBeforeValues(text, error);
            Refuse(place, text.data() + offset, "the JSON text is not valid: " + problem);
        }
        const auto offset = static_cast<std::size_t>(at - text.data());
        const std::string_view token = TokenAt(text, offset);
        if (error == simdjson::TRAILING_CONTENT) {
            // After the document's only value, a string, number or word.
            const std::size_t after = text.find_first_not_of(" \t\r\n", offset + token.size());
            Refuse(place, text.data() + std::min(after, text.size()),
                   "the JSON text is not valid: more follows after the document's value");
        }
        std::string problem;
        if (token.empty()) {
            problem = "the text ends early";
        } else if (error == simdjson::STRING_ERROR) {
            problem = fmt::format("the string {} holds an escape that JSON does not have, or half of a surrogate pair",
                                  Excerpt(token));
        } else if (error == simdjson::NUMBER_ERROR) {
            problem = fmt::format("{} is not a number", Excerpt(token));
        } else {
            problem = "unexpected " + Excerpt(token);
        }
        Refuse(place, at, "the JSON text is not valid: " + problem);
    }

    // The document is not an object: refused as not valid JSON if it is
    // not, otherwise for its type.
    [[noreturn]] void RefuseNoObject(od::json_type type) {
        const char* const start = Location();
        const std::string_view token =
            WithoutTrailingBlanks(TokenAt(text, static_cast<std::size_t>(start - text.data())));
        simdjson::error_code error = simdjson::SUCCESS;
        switch (type) {
        case od::json_type::array: ValidateElements(document, CPlace{}, 1); break;
        case od::json_type::string: error = document.get_string().error(); break;
        case od::json_type::number: error = document.get_number().error(); break;
        case od::json_type::boolean: error = document.get_bool().error(); break;
        case od::json_type::null: error = document.is_null().error(); break;
        case od::json_type::object: break;
        }
        if (error != simdjson::SUCCESS) {
            RefuseSyntax(CPlace{}, error, start);
        }
        RefuseMoreAfterTheDocument();
        throw CCliError(fmt::format("the JSON document: expected an object, found {} ({})", Describe(type, token),
                                    LineAndColumn(text, static_cast<std::size_t>(start - text.data()))));
    }

    void RefuseMoreAfterTheDocument() {
        const simdjson::simdjson_result<const char*> location = document.current_location();
        if (location.error() == simdjson::SUCCESS) {
            Refuse(CPlace{}, location.value_unsafe(),
                   "the JSON text is not valid: more follows after the document's object");
        }
    }

    std::string_view text;  // the whole text, also for the places of messages
    const char* input;
    std::size_t capacity;
    od::parser parser;
    od::document document;
    std::optional<CCodePage> codePage;
    const CRuleset newRuleset;  // of today, for every ruleset read
};

// Hands the field at position I of a record's visit to the reader.
template <std::size_t I>
class CFieldAt {
public:
    CFieldAt(CDocumentReader& documentReader, od::value& fieldValue, const CPlace& fieldPlace, int objectDepth)
        : reader(documentReader), value(fieldValue), place(fieldPlace), depth(objectDepth) {}

    void Language(const char* /*name*/, LCID& field) {
        if (position++ == I) {
            reader.Language(value, place, depth, field);
        }
    }
    void Int(const char* /*name*/, std::int32_t& field) {
        if (position++ == I) {
            reader.Int(value, place, depth, field);
        }
    }
    void Text(const char* /*name*/, std::string& field) {
        if (position++ == I) {
            reader.Text(value, place, depth, field);
        }
    }
    template <class Record>
    void List(const char* /*name*/, std::vector<Record>& records) {
        if (position++ == I) {
            reader.List(value, place, depth, records);
        }
    }

private:
    CDocumentReader& reader;
    od::value& value;
    const CPlace& place;
    int depth;
    std::size_t position = 0;
};

template <class Record, std::size_t I>
void ReadFieldAt(CDocumentReader& reader, Record& record, od::value value, const CPlace& place, int depth) {
    CFieldAt<I> field(reader, value, place, depth);
    VisitFields(record, field);
}

template <class Record, std::size_t... I>
constexpr std::array<CFieldReader<Record>, sizeof...(I)> MakeFieldReaders(std::index_sequence<I...> /*positions*/) {
    return {&ReadFieldAt<Record, I>...};
}

// By position in the record's visit.
template <class Record>
constexpr std::array<CFieldReader<Record>, kMaxFields> kFieldReaders =
    MakeFieldReaders<Record>(std::make_index_sequence<kMaxFields>());

template <class Record>
void CDocumentReader::ReadFields(od::object& object, const CPlace& place, int depth, Record& record) {
    const CFieldNames& names = CFieldNames::Of<Record>();
    std::uint32_t given = 0;                                          // bit n: the field at position n
    std::size_t expected = 0;                                         // the position after the last field read
    std::optional<std::pair<std::string_view, const char*>> unknown;  // the first other field, and where
    for (auto field : object) {
        od::field member;
        if (const simdjson::error_code error = std::move(field).get(member)) {
            RefuseSyntax(place, error, Location());
        }
        const char* const keyStart = member.key().raw() - 1;
        const std::string_view key = UnescapedKey(member, place);
        const std::optional<std::size_t> position = names.Find(key, expected);
        if (!position) {
            unknown = unknown.value_or(std::pair(key, keyStart));
            Validate(member.value(), FieldPlace(place, key), depth + 1);
            continue;
        }
        const CPlace fieldPlace = FieldPlace(place, names.Name(*position));
        const std::uint32_t bit = std::uint32_t{1} << *position;
        if ((given & bit) != 0) {
            Refuse(fieldPlace, keyStart, "the field is given twice");
        }
        given |= bit;
        expected = *position + 1;
        kFieldReaders<Record>[*position](*this, record, member.value(), fieldPlace, depth);
    }
    if (unknown) {
        Refuse(FieldPlace(place, unknown->first), unknown->second, "unknown field");
    }
}

}  // namespace

void WriteDocumentJson(const CHolidays& document, const JsonPieceWriter& piece) {
    const CCodePage codePage(GetDefaultAnsiCodePage(document.GetLanguage()));
    CJsonWriter(codePage, piece).Document(document.GetLanguage(), document.GetVersion(), document.Holidays());
}

std::uint64_t DocumentJsonSize(const CHolidays& document) {
    std::uint64_t size = 0;
    WriteDocumentJson(document, [&size](std::string_view piece) { size += piece.size(); });
    return size;
}

std::string DocumentToJsonText(const CHolidays& document) {
    std::string text;
    WriteDocumentJson(document, [&text](std::string_view piece) { text += piece; });
    return text;
}

CHolidays DocumentFromJsonText(std::string_view text) {
    return DocumentFromJsonBytes(std::vector<std::uint8_t>(text.begin(), text.end()));
}

CHolidays DocumentFromJsonBytes(std::vector<std::uint8_t> bytes) {
    const std::size_t length = bytes.size();
    bytes.resize(length + simdjson::SIMDJSON_PADDING);  // zeros, which close nothing the parser might look for
    return CDocumentReader(reinterpret_cast<const char*>(bytes.data()), length, bytes.size()).Read();
}
