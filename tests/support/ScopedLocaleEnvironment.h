// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/support/ScopedEnvironmentVariable.h"

// Sets the locale variables LC_ALL, LC_TIME and LANG of the process for one
// scope (nullptr leaves a variable unset) and puts the previous values back
// afterwards. The user's regional format, its names and its LCID follow them.
class CScopedLocaleEnvironment {
public:
    explicit CScopedLocaleEnvironment(const char* lcAll, const char* lcTime = nullptr, const char* lang = nullptr)
        : lcAllVariable("LC_ALL", lcAll), lcTimeVariable("LC_TIME", lcTime), langVariable("LANG", lang) {}

private:
    CScopedEnvironmentVariable lcAllVariable;
    CScopedEnvironmentVariable lcTimeVariable;
    CScopedEnvironmentVariable langVariable;
};
