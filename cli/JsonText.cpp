// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonText.h"

#include "cli/CliError.h"

#include <fmt/format.h>

#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

// Thrown by the builder when an array or object would open deeper than
// kMaxJsonDepth; ParseJsonText finds its place in the text.
struct CTooDeep {};

// Builds the tree of the values nlohmann's parser reports one by one,
// refusing a field given twice in one object with the field's place (made
// from the open arrays and objects only when it is needed). Every event takes
// constant time on average; a parse callback would make nlohmann's parser
// look through the enclosing array again after every element.
class CTreeBuilder {
public:
    json TakeResult() { return std::move(root); }

    bool null() { return Add(nullptr); }
    bool boolean(bool value) { return Add(value); }
    bool number_integer(json::number_integer_t value) { return Add(value); }
    bool number_unsigned(json::number_unsigned_t value) { return Add(value); }
    bool number_float(json::number_float_t value, const json::string_t& /*text*/) { return Add(value); }
    bool string(json::string_t& value) { return Add(std::move(value)); }
    bool binary(json::binary_t& value) { return Add(std::move(value)); }

    bool start_object(std::size_t /*size*/) { return Open(json::object()); }
    bool start_array(std::size_t /*size*/) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    // The field's value follows; it takes the place of the null added here.
    bool key(json::string_t& name) {
        COpen& object = open.back();
        if (!object.names.insert(name).second) {
            throw CCliError(fmt::format("{}: the field is given twice", PlaceOfField(name)));
        }
        Items(*object.value).emplace_back(std::move(name), nullptr);
        return true;
    }

    template <class Exception>
    bool parse_error(std::size_t /*position*/, const std::string& /*lastToken*/, const Exception& error) {
        throw error;
    }

private:
    // An array or object being read: the value in the tree and, for an
    // object, the names of its fields so far.
    struct COpen {
        json* value;
        std::unordered_set<std::string> names;
    };

    // The fields of an object in their order. The builder appends to them
    // directly: key() has already refused a repeated name, and the object's
    // own insertion would look through all its fields again.
    static json::object_t::Container& Items(json& object) { return object.get_ref<json::object_t&>(); }
    static const json::object_t::Container& Items(const json& object) {
        return object.get_ref<const json::object_t&>();
    }

    // Adds a finished value, or the array or object about to be read, to the
    // open array or object and gives where it now stands in the tree.
    json* Insert(json&& value) {
        if (open.empty()) {
            root = std::move(value);
            return &root;
        }
        json& parent = *open.back().value;
        if (parent.is_array()) {
            parent.get_ref<json::array_t&>().push_back(std::move(value));
            return &parent.get_ref<json::array_t&>().back();
        }
        json& field = Items(parent).back().second;
        field = std::move(value);
        return &field;
    }

    bool Add(json&& value) {
        Insert(std::move(value));
        return true;
    }
    // Deeper values are refused: copying, comparing or freeing a JSON value
    // recurses through its levels, and 100,000 of them overflow the stack.
    bool Open(json&& value) {
        if (open.size() == kMaxJsonDepth) {
            throw CTooDeep{};
        }
        open.push_back({Insert(std::move(value)), {}});
        return true;
    }
    bool Close() {
        open.pop_back();
        return true;
    }

    // The place of the field `name` of the innermost open object, as in
    // "holidays[2].rulesets[0].fixedMonth": each open array is reading its
    // last element and each other open object its last field.
    std::string PlaceOfField(const std::string& name) const {
        std::string place;
        for (const COpen& frame : open) {
            if (frame.value->is_array()) {
                place += fmt::format("[{}]", frame.value->size() - 1);
            } else {
                const std::string& field = &frame == &open.back() ? name : Items(*frame.value).back().first;
                place += (place.empty() ? "" : ".") + field;
            }
        }
        return place;
    }

    json root;
    std::vector<COpen> open;
};

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string WithoutExceptionTag(const std::string& message) {
    const std::size_t end = message.find("] ");
    return message.starts_with("[json.exception.") && end != std::string::npos ? message.substr(end + 2) : message;
}

// Line and column (1-based, in bytes) of the bracket that opens an array or
// object deeper than kMaxJsonDepth. The text up to it is valid JSON, so
// brackets inside strings are the only ones to pass over.
std::string PlaceTooDeep(std::string_view text) {
    std::size_t depth = 0;
    std::size_t line = 1;
    std::size_t lineStart = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;  // an escape's second character ends no string
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '\n') {
            ++line;
            lineStart = i + 1;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxJsonDepth) {
                return fmt::format("line {}, column {}", line, i - lineStart + 1);
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return "its end";
}

}  // namespace

nlohmann::ordered_json ParseJsonText(std::string_view text) {
    CTreeBuilder builder;
    try {
        json::sax_parse(text, &builder);
    } catch (const json::exception& error) {
        throw CCliError("the JSON text is not valid: " + WithoutExceptionTag(error.what()));
    } catch (const CTooDeep&) {
        throw CCliError(fmt::format("the JSON text nests arrays and objects more than {} deep, at {}", kMaxJsonDepth,
                                    PlaceTooDeep(text)));
    }
    return builder.TakeResult();
}

std::string DescribeJsonValue(const nlohmann::ordered_json& value) {
    if (value.is_number_float()) {
        return "a number with a fraction or an exponent";
    }
    return std::string(value.is_object() || value.is_array() ? "an " : "a ") + value.type_name();
}
