#include "cli/JsonText.h"

#include "cli/CliError.h"

#include <fmt/format.h>

#include <set>
#include <string>
#include <vector>

namespace {

using json = nlohmann::ordered_json;

// Tracks where the parser is (the place of the value being read) and the
// fields already seen in every open object.
class CPlaceTracker {
public:
    bool OnEvent(json::parse_event_t event, const json& parsed) {
        switch (event) {
        case json::parse_event_t::object_start: frames.push_back(Frame{false, 0, {}, {}}); break;
        case json::parse_event_t::array_start: frames.push_back(Frame{true, 0, {}, {}}); break;
        case json::parse_event_t::key: OnKey(parsed.get<std::string>()); break;
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end:
            frames.pop_back();
            OnValueDone();
            break;
        case json::parse_event_t::value: OnValueDone(); break;
        }
        return true;
    }

private:
    struct Frame {
        bool isArray;
        std::size_t index;  // arrays: position of the element being read
        std::string key;    // objects: field being read
        std::set<std::string> keys;
    };

    void OnKey(const std::string& key) {
        Frame& object = frames.back();
        if (!object.keys.insert(key).second) {
            object.key = key;
            throw CCliError(fmt::format("{}: the field is given twice", Place()));
        }
        object.key = key;
    }

    void OnValueDone() {
        if (!frames.empty() && frames.back().isArray) {
            ++frames.back().index;
        }
    }

    std::string Place() const {
        std::string place;
        for (const Frame& frame : frames) {
            if (frame.isArray) {
                place += fmt::format("[{}]", frame.index);
            } else {
                place += (place.empty() ? "" : ".") + frame.key;
            }
        }
        return place;
    }

    std::vector<Frame> frames;
};

// nlohmann's messages start with "[json.exception.parse_error.101] ".
std::string WithoutExceptionTag(const std::string& message) {
    const std::size_t end = message.find("] ");
    return message.starts_with("[json.exception.") && end != std::string::npos ? message.substr(end + 2) : message;
}

}  // namespace

nlohmann::ordered_json ParseJsonText(std::string_view text) {
    CPlaceTracker tracker;
    try {
        return json::parse(text, [&tracker](int /*depth*/, json::parse_event_t event, json& parsed) {
            return tracker.OnEvent(event, parsed);
        });
    } catch (const json::exception& error) {
        throw CCliError("the JSON text is not valid: " + WithoutExceptionTag(error.what()));
    }
}

std::string DescribeJsonValue(const nlohmann::ordered_json& value) {
    if (value.is_number_float()) {
        return "a number with a fraction or an exponent";
    }
    return std::string(value.is_object() || value.is_array() ? "an " : "a ") + value.type_name();
}
