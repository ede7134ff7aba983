#pragma once

#include <unicode/uloc.h>

#include <string>

// Sets ICU's default locale (which the user's names and LCID follow) for one
// scope and restores the previous one afterwards.
class CScopedIcuDefaultLocale {
public:
    explicit CScopedIcuDefaultLocale(const char* locale) : saved(uloc_getDefault()) {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault(locale, &status);
    }
    ~CScopedIcuDefaultLocale() {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault(saved.c_str(), &status);
    }
    CScopedIcuDefaultLocale(const CScopedIcuDefaultLocale&) = delete;
    CScopedIcuDefaultLocale& operator=(const CScopedIcuDefaultLocale&) = delete;

private:
    std::string saved;
};
