// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// Sets an environment variable of the process for one scope (nullptr leaves
// it unset) and puts the previous value back afterwards.
class CScopedEnvironmentVariable {
public:
    CScopedEnvironmentVariable(const char* variable, const char* value) : name(variable), saved(Get(variable)) {
        Set(variable, value);
    }
    ~CScopedEnvironmentVariable() { Set(name.c_str(), saved ? saved->c_str() : nullptr); }
    CScopedEnvironmentVariable(const CScopedEnvironmentVariable&) = delete;
    CScopedEnvironmentVariable& operator=(const CScopedEnvironmentVariable&) = delete;

private:
    static std::optional<std::string> Get(const char* variable) {
        const char* value = std::getenv(variable);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Set(const char* variable, const char* value) {
        if (value != nullptr) {
            setenv(variable, value, 1);
        } else {
            unsetenv(variable);
        }
    }

    std::string name;
    std::optional<std::string> saved;
};
