#include "cli/JsonForm.h"

#include "cli/CliError.h"
#include "cli/JsonText.h"
#include "cli/TextForm.h"
#include "core/CodePage.h"
#include "records/RecordFields.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

// The document's fields; the records' fields are those of VisitFields under
// the same names. The language comes first: it selects the code page of every
// text after it. The fields are const when writing.
template <class Language, class Version, class Holidays, class Fields>
void VisitDocument(Language& language, Version& version, Holidays& holidays, Fields& fields) {
    fields.Language("language", language);
    fields.Int("version", version);
    fields.List("holidays", holidays);
}

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

// Reads the fields of one JSON object into a record. Fields that are not
// present keep the record's value; fields that no visit asked for are refused.
class CJsonReader {
public:
    // The code page is set by Language() and shared by all nested readers.
    CJsonReader(const json& source, std::string sourcePlace, std::optional<CCodePage>& textCodePage)
        : object(source), place(std::move(sourcePlace)), codePage(textCodePage) {
        if (!object.is_object()) {
            throw CCliError(fmt::format("{}: expected an object, found {}", PlaceName(), DescribeJsonValue(object)));
        }
    }

    void Language(const char* name, LCID& field) {
        if (const json* value = Find(name)) {
            field = static_cast<LCID>(Integer(*value, name, 0, std::numeric_limits<LCID>::max()));
        }
        codePage.emplace(GetDefaultAnsiCodePage(field));
    }

    void Int(const char* name, std::int32_t& field) {
        if (const json* value = Find(name)) {
            field = static_cast<std::int32_t>(Integer(*value, name, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
        }
    }

    void Text(const char* name, std::string& field) {
        if (const json* value = Find(name)) {
            field = TextFromJson(*value, *codePage, FieldPlace(name));
        }
    }

    template <class Record>
    void List(const char* name, std::vector<Record>& records) {
        const json* value = Find(name);
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
            Record record;
            CJsonReader elementFields((*value)[i], fmt::format("{}[{}]", FieldPlace(name), i), codePage);
            VisitFields(record, elementFields);
            elementFields.RefuseUnknownFields();
            records.push_back(std::move(record));
        }
    }

    void RefuseUnknownFields() const {
        for (const auto& item : object.items()) {
            if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
                throw CCliError(fmt::format("{}: unknown field", FieldPlace(item.key())));
            }
        }
    }

private:
    const json* Find(const char* name) {
        known.emplace_back(name);
        const auto found = object.find(name);
        return found == object.end() ? nullptr : &*found;
    }

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

    const json& object;
    std::string place;
    std::optional<CCodePage>& codePage;
    std::vector<std::string> known;
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
    CJsonReader fields(json, "", codePage);
    VisitDocument(language, version, holidays, fields);
    fields.RefuseUnknownFields();
    return CHolidays(language, version, std::move(holidays));
}

CHolidays DocumentFromJsonText(std::string_view text) {
    return DocumentFromJson(ParseJsonText(text));
}
