// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/JsonForm.h"

#include "cli/CliError.h"
#include "cli/JsonDocumentFields.h"
#include "cli/JsonInFieldOrder.h"
#include "cli/JsonText.h"
#include "cli/TextForm.h"
#include "core/CodePage.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

class CJsonWriter {
public:
    CJsonWriter(json& target, const CCodePage& textCodePage) : object(target), codePage(textCodePage) {}

    void Language(const char* name, LCID value) { object[name] = value; }
    void Int(const char* name, std::int32_t value) { object[name] = value; }
    void Text(const char* name, const std::string& value) { object[name] = TextToJson(value, codePage); }

    template <class Record>
    void List(const char* name, const std::vector<Record>& records) {
        json list = json::array();
        for (const Record& record : records) {
            json element = json::object();
            CJsonWriter elementFields(element, codePage);
            VisitFields(record, elementFields);
            list.push_back(std::move(element));
        }
        object[name] = std::move(list);
    }

private:
    json& object;
    const CCodePage& codePage;
};

// The names of the fields a visit asks for, and where in its order each
// comes, found by binary search.
class CFieldNames {
public:
    template <class Visit>
    explicit CFieldNames(Visit visit) {
        visit(*this);
        std::sort(sorted.begin(), sorted.end());
    }

    void Language(const char* name, const LCID& /*field*/) { Add(name); }
    void Int(const char* name, const std::int32_t& /*field*/) { Add(name); }
    void Text(const char* name, const std::string& /*field*/) { Add(name); }
    template <class Record>
    void List(const char* name, const std::vector<Record>& /*records*/) {
        Add(name);
    }

    std::size_t Count() const { return sorted.size(); }
    // The field's position in the visit, or nothing when it asks for no such field.
    std::optional<std::size_t> Find(std::string_view name) const {
        const auto found = std::lower_bound(sorted.begin(), sorted.end(), std::make_pair(name, std::size_t{0}));
        return found != sorted.end() && found->first == name ? std::optional(found->second) : std::nullopt;
    }

private:
    void Add(const char* name) { sorted.emplace_back(name, sorted.size()); }

    std::vector<std::pair<std::string_view, std::size_t>> sorted;  // by name
};

template <class Record>
const CFieldNames& FieldNamesOf() {
    static const CFieldNames names([](CFieldNames& collect) {
        const Record record;
        VisitFields(record, collect);
    });
    return names;
}

const CFieldNames& DocumentFieldNames() {
    static const CFieldNames names([](CFieldNames& collect) {
        const LCID language = 0;
        const std::int32_t version = 0;
        const std::vector<CHoliday> holidays;
        VisitDocument(language, version, holidays, collect);
    });
    return names;
}

// Reads the fields of one JSON object into a record. Fields that are not
// present keep the record's value; fields that the visit does not ask for are
// refused after it. Each field of the object is looked up once, by name, when
// the reader is made; the visit then takes them in its order.
class CJsonReader {
public:
    // The code page is set by Language() and shared by all nested readers,
    // as are the new records.
    CJsonReader(const json& source, std::string sourcePlace, std::optional<CCodePage>& textCodePage,
                const CNewRecords& readingNewRecords, const CFieldNames& names)
        : place(std::move(sourcePlace)), codePage(textCodePage), newRecords(readingNewRecords) {
        if (!source.is_object()) {
            throw CCliError(fmt::format("{}: expected an object, found {}", PlaceName(), DescribeJsonValue(source)));
        }
        fields.assign(names.Count(), nullptr);
        for (const auto& [name, value] : source.get_ref<const json::object_t&>()) {
            if (const std::optional<std::size_t> position = names.Find(name)) {
                fields[*position] = &value;
            } else if (firstUnknown == nullptr) {
                firstUnknown = &name;
            }
        }
    }

    void Language(const char* name, LCID& field) {
        if (const json* value = NextField()) {
            field = static_cast<LCID>(Integer(*value, name, 0, std::numeric_limits<LCID>::max()));
        }
        codePage.emplace(GetDefaultAnsiCodePage(field));
    }

    void Int(const char* name, std::int32_t& field) {
        if (const json* value = NextField()) {
            field = static_cast<std::int32_t>(Integer(*value, name, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
        }
    }

    void Text(const char* name, std::string& field) {
        if (const json* value = NextField()) {
            field = TextFromJson(*value, *codePage, FieldPlace(name));
        }
    }

    template <class Record>
    void List(const char* name, std::vector<Record>& records) {
        const json* value = NextField();
        if (value == nullptr) {
            return;
        }
        if (!value->is_array()) {
            throw CCliError(
                fmt::format("{}: expected an array, found {}", FieldPlace(name), DescribeJsonValue(*value)));
        }
        records.clear();
        records.reserve(value->size());
        for (std::size_t i = 0; i < value->size(); ++i) {
            Record record = std::get<Record>(newRecords);
            CJsonReader elementFields((*value)[i], fmt::format("{}[{}]", FieldPlace(name), i), codePage, newRecords,
                                      FieldNamesOf<Record>());
            VisitFields(record, elementFields);
            elementFields.RefuseUnknownFields();
            records.push_back(std::move(record));
        }
    }

    void RefuseUnknownFields() const {
        if (firstUnknown != nullptr) {
            throw CCliError(fmt::format("{}: unknown field", FieldPlace(*firstUnknown)));
        }
    }

private:
    // The value of the field the visit asks for next, or nullptr when the
    // object does not have it.
    const json* NextField() { return fields.at(visited++); }

    std::int64_t Integer(const json& value, const char* name, std::int64_t low, std::int64_t high) const {
        if (!value.is_number_integer()) {
            throw CCliError(
                fmt::format("{}: expected an integer, found {}", FieldPlace(name), DescribeJsonValue(value)));
        }
        const bool inRange = value.is_number_unsigned()
                                 ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(high)
                                 : value.get<std::int64_t>() >= low && value.get<std::int64_t>() <= high;
        if (!inRange) {
            throw CCliError(
                fmt::format("{}: {} is outside the range {} to {}", FieldPlace(name), value.dump(), low, high));
        }
        return value.is_number_unsigned() ? static_cast<std::int64_t>(value.get<std::uint64_t>())
                                          : value.get<std::int64_t>();
    }

    std::string PlaceName() const { return place.empty() ? std::string("the JSON document") : place; }
    std::string FieldPlace(const std::string& name) const { return place.empty() ? name : place + "." + name; }

    std::string place;
    std::optional<CCodePage>& codePage;
    const CNewRecords& newRecords;
    std::vector<const json*> fields;  // by position in the visit
    std::size_t visited = 0;
    const std::string* firstUnknown = nullptr;
};

}  // namespace

nlohmann::ordered_json DocumentToJson(const CHolidays& document) {
    const LCID language = document.GetLanguage();
    const std::int32_t version = document.GetVersion();
    const CCodePage codePage(GetDefaultAnsiCodePage(language));
    json object = json::object();
    CJsonWriter fields(object, codePage);
    VisitDocument(language, version, document.Holidays(), fields);
    return object;
}

std::string DocumentToJsonText(const CHolidays& document) {
    return DocumentToJson(document).dump(2) + "\n";
}

CHolidays DocumentFromJson(const nlohmann::ordered_json& json) {
    // The defaults of a new document.
    const CHolidays defaults;
    LCID language = defaults.GetLanguage();
    std::int32_t version = defaults.GetVersion();
    std::vector<CHoliday> holidays;
    std::optional<CCodePage> codePage;
    const CNewRecords newRecords = NewRecordsToday();
    CJsonReader fields(json, "", codePage, newRecords, DocumentFieldNames());
    VisitDocument(language, version, holidays, fields);
    fields.RefuseUnknownFields();
    return CHolidays(language, version, std::move(holidays));
}

CHolidays DocumentFromJsonText(std::string_view text) {
    if (std::optional<CHolidays> document = ReadJsonInFieldOrder(text)) {
        return *std::move(document);
    }
    return DocumentFromJson(ParseJsonText(text));
}
