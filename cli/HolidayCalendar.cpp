// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/HolidayCalendar.h"

#include "cli/CliError.h"
#include "core/CodePage.h"
#include "core/ProgramInfo.h"

#include <fmt/format.h>
#include <libical/ical.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <string_view>

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

// The text as the format can hold it: CR LF, CR and LF become one line break,
// which libical writes as \n; every other control character but the tab
// becomes U+FFFD. Control bytes never occur inside a UTF-8 sequence, so the
// text is walked byte by byte.
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
    // A UID names one event: a holiday listed twice on a day (two of its
    // rulesets give the day) is one event.
    std::set<std::string> written;
    for (const CListedHoliday& holiday : holidays) {
        std::string uid = HolidayUid(holiday, identity);
        if (written.insert(uid).second) {
            icalcomponent_add_component(calendar.get(), MakeEvent(holiday, uid, stamp).release());
        }
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
