// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HolidayCalendar.h"

#include "cli/CliError.h"
#include "core/CodePage.h"
#include "core/ProgramInfo.h"

#include <fmt/format.h>
#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <deque>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {

struct CComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, CComponentDeleter>;

// libical gives a null pointer when it runs out of memory.
template <class T>
T* Checked(T* made) {
    if (made == nullptr) {
        throw std::bad_alloc();
    }
    return made;
}

// The ID's bytes with every byte outside A-Z, a-z, 0-9, '-', '_' and '.'
// written as %XX, so that different IDs never share a UID and any byte (also
// a comma or a zero byte) is safe in it.
std::string EscapeForUid(const std::string& bytes) {
    std::string escaped;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '_' || byte == '.';
        escaped += plain ? std::string(1, c) : fmt::format("%{:02X}", byte);
    }
    return escaped;
}

// "YYYYMMDD-<language>-<escaped ID>@<domain>"; the date has a fixed width and
// the language is hex digits, so the first two '-' end them, and the escaped
// ID holds no '@'.
std::string HolidayUid(const CListedHoliday& holiday, const CCalendarIdentity& identity) {
    return fmt::format("{:04}{:02}{:02}-{:04X}-{}@{}", holiday.date.GetYear(), holiday.date.GetMonth(),
                       holiday.date.GetDay(), identity.language, EscapeForUid(holiday.idBytes), identity.uidDomain);
}

// The bytes as UTF-8: each byte that starts no well-formed sequence becomes
// U+FFFD.
std::string ValidUtf8(std::string_view bytes) {
    std::string text;
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        text += length == 0 ? std::string_view("\xEF\xBF\xBD") : bytes.substr(0, length);
        bytes.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return text;
}

icaltimetype DateValue(const CDateTime& date) {
    icaltimetype value = icaltime_null_date();
    value.year = date.GetYear();
    value.month = date.GetMonth();
    value.day = date.GetDay();
    return value;
}

// libical writes a date outside the years 1 to 3000, and 1 January of year 1
// (its "null" date), as 00000000T000000 or without VALUE=DATE.
bool IsWritable(const icaltimetype& date) {
    return icaltime_is_valid_time(date) != 0 && icaltime_is_null_time(date) == 0;
}

ComponentPtr MakeEvent(const CListedHoliday& holiday, const std::string& uid, const icaltimetype& stamp) {
    const icaltimetype start = DateValue(holiday.date);
    if (!IsWritable(start)) {
        throw CCliError(
            fmt::format("the holiday \"{}\" on {:04}-{:02}-{:02} cannot be written into an iCalendar "
                        "file: libical writes the days from 0001-01-02 to 3000-12-31",
                        holiday.id, start.year, start.month, start.day));
    }
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);

    ComponentPtr event(Checked(icalcomponent_new(ICAL_VEVENT_COMPONENT)));
    const auto add = [&event](icalproperty* property) { icalcomponent_add_property(event.get(), Checked(property)); };
    add(icalproperty_new_uid(uid.c_str()));
    add(icalproperty_new_dtstamp(stamp));
    add(icalproperty_new_dtstart(start));
    if (IsWritable(end)) {
        add(icalproperty_new_dtend(end));
    } else {
        icaldurationtype oneDay = icaldurationtype_null_duration();
        oneDay.days = 1;
        add(icalproperty_new_duration(oneDay));
    }
    add(icalproperty_new_summary(CalendarText(holiday.display).c_str()));
    add(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    add(icalproperty_new_categories("Holidays"));
    return event;
}

// The program that wrote the calendar, with its version.
std::string ProductId() {
    return std::string("-//Tavrin//Tavrin ") + kProgramVersion + "//EN";
}

}  // namespace

// libical writes a line break as \n. Control bytes never occur inside a UTF-8
// sequence, so the text is walked byte by byte.
std::string CalendarText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '\r') {
            text += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else if ((byte < 0x20 && byte != '\t' && byte != '\n') || byte == 0x7F) {
            text += "\xEF\xBF\xBD";
        } else {
            text += utf8[i];
        }
    }
    return text;
}

std::vector<CListedHoliday> CalendarEventsOf(const std::vector<CListedHoliday>& holidays) {
    // A UID names one event: a holiday listed twice on a day (two of its
    // rulesets give the day) is one event.
    std::set<std::pair<int, std::string>> written;
    std::vector<CListedHoliday> events;
    for (const CListedHoliday& holiday : holidays) {
        if (written.emplace(holiday.date.GetDayNumber(), holiday.idBytes).second) {
            events.push_back(holiday);
        }
    }
    return events;
}

std::string DefaultUidDomain(const std::string& name) {
    return name.empty() ? "tavrin.invalid" : EscapeForUid(name) + ".tavrin.invalid";
}

std::string BuildHolidayCalendar(const std::vector<CListedHoliday>& holidays, const CCalendarIdentity& identity,
                                 std::int64_t stampSeconds) {
    const ComponentPtr calendar(Checked(icalcomponent_new(ICAL_VCALENDAR_COMPONENT)));
    icalcomponent_add_property(calendar.get(), Checked(icalproperty_new_version("2.0")));
    icalcomponent_add_property(calendar.get(), Checked(icalproperty_new_prodid(ProductId().c_str())));
    if (!identity.name.empty()) {
        icalproperty* name = Checked(icalproperty_new_x(CalendarText(ValidUtf8(identity.name)).c_str()));
        icalproperty_set_x_name(name, "X-WR-CALNAME");
        icalcomponent_add_property(calendar.get(), name);
    }
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(static_cast<std::time_t>(stampSeconds), 0, icaltimezone_get_utc_timezone());
    for (const CListedHoliday& holiday : CalendarEventsOf(holidays)) {
        icalcomponent_add_component(calendar.get(), MakeEvent(holiday, HolidayUid(holiday, identity), stamp).release());
    }
    const std::unique_ptr<char, decltype(&icalmemory_free_buffer)> text(
        Checked(icalcomponent_as_ical_string_r(calendar.get())), &icalmemory_free_buffer);
    return text.get();
}

std::int64_t CalendarStampSeconds() {
    const char* variable = std::getenv("SOURCE_DATE_EPOCH");
    if (variable == nullptr) {
        return static_cast<std::int64_t>(std::time(nullptr));
    }
    const std::string_view text(variable);
    std::int64_t seconds = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || seconds < 0 ||
        seconds > kLastStampSeconds) {
        throw CCliError(
            fmt::format("SOURCE_DATE_EPOCH \"{}\" is not a number of seconds from 0 to {}", text, kLastStampSeconds));
    }
    return seconds;
}

// Reading. libical's parser reports what it cannot read as X-LIC-ERROR
// properties of the component where it found it, but knows no line numbers:
// the lines are fed to it one at a time, and after each BEGIN line an
// X-TAVRIN-LINE property that holds its number, so that every component
// says where it begins.

namespace {

constexpr const char* kLineProperty = "X-TAVRIN-LINE";

// An RRULE that gives more dates than this before the last year asked for
// is refused: daily from year 1 to 9999 stays below it.
constexpr int kMaxRecurrences = 4'000'000;

struct CParserDeleter {
    void operator()(icalparser* parser) const { icalparser_free(parser); }
};

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// The components of the text, each marked with the line of its BEGIN. Lines
// end in LF or CR LF; a line that starts with a blank or a tab continues the
// one before (RFC 5545 folding), and the line number of a content line is
// that of its first part.
std::vector<ComponentPtr> ParseMarkingLines(std::string_view text, const std::string& name) {
    const std::unique_ptr<icalparser, CParserDeleter> parser(Checked(icalparser_new()));
    std::vector<ComponentPtr> roots;
    std::vector<std::pair<std::string, int>> open;  // the components begun and not ended, with their lines
    const auto feed = [&](std::string line) {       // libical neither keeps nor frees the line
        if (icalcomponent* root = icalparser_add_line(parser.get(), line.data())) {
            roots.emplace_back(root);
        }
    };
    std::string content;
    int contentLine = 0;
    const auto finishContent = [&] {
        if (content.empty()) {
            return;
        }
        const bool begins = StartsWithNoCase(content, "BEGIN:");
        if (!begins && open.empty()) {  // libical would drop it
            throw CCliError(fmt::format("cannot load {}: line {} lies outside BEGIN:VCALENDAR and END:VCALENDAR", name,
                                        contentLine));
        }
        if (begins) {
            open.emplace_back(UpperCase(content.substr(6)), contentLine);
        } else if (StartsWithNoCase(content, "END:") && !open.empty()) {
            open.pop_back();
        }
        feed(std::move(content));
        if (begins) {
            feed(fmt::format("{}:{}", kLineProperty, contentLine));
        }
        content.clear();
    };
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);  // a byte order mark
    }
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.find('\0') != std::string_view::npos) {
            throw CCliError(fmt::format("cannot load {}: line {} holds a zero byte", name, number));
        }
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !content.empty()) {
            content += line.substr(1);
            continue;
        }
        finishContent();
        content = line;
        contentLine = number;
    }
    finishContent();
    if (!open.empty()) {
        throw CCliError(fmt::format("cannot load {}: the file ends inside the {} that begins on line {} (no END:{})",
                                    name, open.back().first, open.back().second, open.back().first));
    }
    return roots;
}

// The line a component begins on, 0 when it has none.
int LineOf(icalcomponent* component) {
    for (icalproperty* property = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); property != nullptr;
         property = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        const char* propertyName = icalproperty_get_x_name(property);
        const char* value = icalproperty_get_x(property);
        if (propertyName != nullptr && value != nullptr && std::string_view(propertyName) == kLineProperty) {
            return std::atoi(value);
        }
    }
    return 0;
}

std::string DateText(const icaltimetype& date) {
    return fmt::format("{:04}-{:02}-{:02}", date.year, date.month, date.day);
}

// Reads one calendar's all-day events, throwing CCliError for a fault.
class CCalendarReader {
public:
    CCalendarReader(const std::string& inputName, int firstYear, int lastYear)
        : name(inputName),
          firstDay(CDateTime::GetDayNumber(firstYear, 1, 1)),
          lastDay(CDateTime::GetDayNumber(lastYear, 12, 31)) {}

    void Read(std::vector<ComponentPtr> roots) {
        if (roots.empty()) {
            throw CCliError(fmt::format("cannot load {}: it holds no calendar (no line BEGIN:VCALENDAR)", name));
        }
        for (const ComponentPtr& root : roots) {
            if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
                throw Fault(root.get(), "lies outside BEGIN:VCALENDAR and END:VCALENDAR");
            }
            CheckErrors(root.get());
        }
        // The instances that other events replace, by UID.
        for (const ComponentPtr& root : roots) {
            ForEachEvent(root.get(), [this](icalcomponent* event) {
                if (const icaltimetype replaced = icalcomponent_get_recurrenceid(event);
                    !icaltime_is_null_time(replaced)) {
                    replacedDays[Uid(event)].insert(DayOf(event, replaced, "RECURRENCE-ID"));
                }
            });
        }
        for (const ComponentPtr& root : roots) {
            ForEachEvent(root.get(), [this](icalcomponent* event) { ReadEvent(event); });
        }
    }

    CCalendarHolidays Result() {
        std::stable_sort(days.begin(), days.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        CCalendarHolidays result;
        result.holidays.reserve(days.size());
        for (const auto& [day, summary] : days) {
            CDateTime date;
            date += CDateTimeSpan(day - 1, 0, 0, 0);  // from day number 1
            result.holidays.push_back({date, "", "", *summary});
        }
        result.timedEvents = timedEvents;
        result.firstTimedLine = firstTimedLine;
        return result;
    }

private:
    template <class Action>
    static void ForEachEvent(icalcomponent* calendar, Action action) {
        for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             event != nullptr; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
            action(event);
        }
    }

    CCliError Fault(icalcomponent* component, std::string_view problem) const {
        const bool isEvent = icalcomponent_isa(component) == ICAL_VEVENT_COMPONENT;
        const char* kind = isEvent ? "event" : icalcomponent_kind_to_string(icalcomponent_isa(component));
        return CCliError(fmt::format("cannot load {}: the {} that begins on line {} {}", name,
                                     kind != nullptr ? kind : "component", LineOf(component), problem));
    }

    // What libical could not read in the component itself.
    void CheckErrors(icalcomponent* component) const {
        if (icalproperty* error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY)) {
            throw Fault(component, fmt::format("cannot be read: {}", icalproperty_get_xlicerror(error)));
        }
    }

    static std::string Uid(icalcomponent* event) {
        const char* uid = icalcomponent_get_uid(event);
        return uid != nullptr ? uid : "";
    }

    // The day number of a date (or the date of a date-time) of the event.
    int DayOf(icalcomponent* event, const icaltimetype& date, const char* what) const {
        const int day = CDateTime::GetDayNumber(date.year, date.month, date.day);
        if (day == 0 || date.year > 9999) {
            throw Fault(event, fmt::format("has {} {}, which is no date from year 1 to 9999", what, DateText(date)));
        }
        return day;
    }

    void ReadEvent(icalcomponent* event) {
        CheckErrors(event);
        if (icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY) == nullptr) {
            throw Fault(event, "has no DTSTART");
        }
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (start.is_date == 0) {
            firstTimedLine = timedEvents++ == 0 ? LineOf(event) : firstTimedLine;
            return;
        }
        const int startDay = DayOf(event, start, "DTSTART");
        int length = 1;
        if (icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) != nullptr ||
            icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY) != nullptr) {
            const icaltimetype end = icalcomponent_get_dtend(event);
            length = DayOf(event, end, "DTEND") - startDay;
            if (length < 1) {
                throw Fault(event, fmt::format("ends on {}, which is not after its DTSTART {}", DateText(end),
                                               DateText(start)));
            }
        }
        const char* summary = icalcomponent_get_summary(event);
        summaries.push_back(summary != nullptr ? summary : "");
        for (const int day : StartDays(event, start, startDay, length)) {
            for (int offset = 0; offset < length; ++offset) {
                if (day + offset >= firstDay && day + offset <= lastDay) {
                    days.emplace_back(day + offset, &summaries.back());
                }
            }
        }
    }

    // The days the event's instances start on, from the day before the
    // first year that its length reaches into the years up to the last
    // year: DTSTART, RRULE and RDATE, without EXDATE and without those that
    // another event replaces.
    std::set<int> StartDays(icalcomponent* event, const icaltimetype& start, int startDay, int length) {
        const int earliest = firstDay - (length - 1);
        std::set<int> starts;
        const auto add = [&](int day) {
            if (day >= earliest && day <= lastDay) {
                starts.insert(day);
            }
        };
        add(startDay);
        for (icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule != nullptr;
             rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
            ExpandRule(event, icalproperty_get_rrule(rule), start, add);
        }
        for (icalproperty* date = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); date != nullptr;
             date = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype value = icalproperty_get_rdate(date);
            add(DayOf(event, icaltime_is_null_time(value.time) ? value.period.start : value.time, "RDATE"));
        }
        for (icalproperty* date = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); date != nullptr;
             date = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            starts.erase(DayOf(event, icalproperty_get_exdate(date), "EXDATE"));
        }
        if (icaltime_is_null_time(icalcomponent_get_recurrenceid(event))) {
            if (const auto replaced = replacedDays.find(Uid(event)); replaced != replacedDays.end()) {
                for (const int day : replaced->second) {
                    starts.erase(day);
                }
            }
        }
        return starts;
    }

    template <class Add>
    void ExpandRule(icalcomponent* event, const icalrecurrencetype& rule, const icaltimetype& start, Add add) const {
        if (rule.freq == ICAL_NO_RECURRENCE) {
            throw Fault(event, "has an RRULE that libical cannot read");
        }
        const std::unique_ptr<icalrecur_iterator, decltype(&icalrecur_iterator_free)> iterator(
            icalrecur_iterator_new(rule, start), &icalrecur_iterator_free);
        if (!iterator) {
            throw Fault(event, "has an RRULE that libical cannot expand");
        }
        int previous = 0;
        for (int count = 0;; ++count) {
            const icaltimetype next = icalrecur_iterator_next(iterator.get());
            if (icaltime_is_null_time(next) || next.year > 9999) {
                return;
            }
            const int day = DayOf(event, next, "a recurrence on");
            if (day > lastDay) {
                return;
            }
            if (day <= previous || count == kMaxRecurrences) {
                throw Fault(event, day <= previous ? "has an RRULE that repeats a day; all-day events recur by days"
                                                   : fmt::format("recurs more than {} times", kMaxRecurrences));
            }
            previous = day;
            add(day);
        }
    }

    const std::string& name;
    int firstDay;
    int lastDay;
    std::map<std::string, std::set<int>> replacedDays;
    std::deque<std::string> summaries;                     // stable places for `days`
    std::vector<std::pair<int, const std::string*>> days;  // of holidays, with their summaries
    int timedEvents = 0;
    int firstTimedLine = 0;
};

}  // namespace

CCalendarHolidays ReadHolidayCalendar(std::string_view text, const std::string& name, int firstYear, int lastYear) {
    CCalendarReader reader(name, firstYear, lastYear);
    reader.Read(ParseMarkingLines(text, name));
    return reader.Result();
}
