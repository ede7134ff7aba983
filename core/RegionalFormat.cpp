// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/RegionalFormat.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>

#include <cstdlib>
#include <memory>
#include <string_view>

namespace {

constexpr const char* kPosixLocale = "en_US_POSIX";

// The value of an environment variable that is set and not empty, or nullptr.
const char* SetVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}

// The ISO 15924 script a glibc locale modifier names, or "".
std::string_view ScriptOfModifier(std::string_view modifier) {
    if (modifier == "latin") {
        return "Latn";
    }
    if (modifier == "cyrillic") {
        return "Cyrl";
    }
    return {};
}

// "language_COUNTRY.codeset@modifier" as an ICU locale ID.
std::string IcuLocaleOfPosixName(std::string_view posixName) {
    const std::size_t at = posixName.find('@');
    const std::string_view modifier = at == std::string_view::npos ? std::string_view() : posixName.substr(at + 1);
    std::string_view name = posixName.substr(0, at);
    name = name.substr(0, name.find('.'));  // the code set
    if (name.empty() || name == "C" || name == "POSIX") {
        return kPosixLocale;
    }
    const std::string_view script = ScriptOfModifier(modifier);
    if (script.empty()) {
        return std::string(name);
    }
    // language_Script_COUNTRY
    const std::size_t underscore = name.find('_');
    std::string locale(name.substr(0, underscore));
    locale += '_';
    locale += script;
    if (underscore != std::string_view::npos) {
        locale += name.substr(underscore);
    }
    return locale;
}

}  // namespace

std::string UserRegionalFormatLocale() {
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        if (const char* value = SetVariable(variable)) {
            return IcuLocaleOfPosixName(value);
        }
    }
    return kPosixLocale;
}

int UserFirstDayOfWeek() {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::Locale(UserRegionalFormatLocale().c_str()), status));
    if (U_FAILURE(status) || calendar == nullptr) {
        return 0;
    }
    const UCalendarDaysOfWeek first = calendar->getFirstDayOfWeek(status);
    // ICU counts from UCAL_SUNDAY (1) to UCAL_SATURDAY (7).
    return U_FAILURE(status) ? 0 : (static_cast<int>(first) + 5) % 7;
}
