#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets the locale variables LC_ALL, LC_TIME and LANG of the process for one
// scope (nullptr leaves a variable unset) and puts the previous values back
// afterwards. The user's regional format, its names and its LCID follow them.
class CScopedLocaleEnvironment {
public:
    explicit CScopedLocaleEnvironment(const char* lcAll, const char* lcTime = nullptr, const char* lang = nullptr)
        : savedLcAll(Get("LC_ALL")), savedLcTime(Get("LC_TIME")), savedLang(Get("LANG")) {
        Set("LC_ALL", lcAll);
        Set("LC_TIME", lcTime);
        Set("LANG", lang);
    }
    ~CScopedLocaleEnvironment() {
        Set("LC_ALL", savedLcAll ? savedLcAll->c_str() : nullptr);
        Set("LC_TIME", savedLcTime ? savedLcTime->c_str() : nullptr);
        Set("LANG", savedLang ? savedLang->c_str() : nullptr);
    }
    CScopedLocaleEnvironment(const CScopedLocaleEnvironment&) = delete;
    CScopedLocaleEnvironment& operator=(const CScopedLocaleEnvironment&) = delete;

private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Set(const char* name, const char* value) {
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }

    std::optional<std::string> savedLcAll;
    std::optional<std::string> savedLcTime;
    std::optional<std::string> savedLang;
};
