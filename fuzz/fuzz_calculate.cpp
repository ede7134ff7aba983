// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as a holiday file and walks the preview of a few
// years: 1900, 2024, 2100 and the year chosen by the input (its first four
// bytes, the language, modulo 10000). Any document must complete in bounded
// time and memory.
#include "model/CHolidays.h"
#include "model/HolidayFile.h"
#include "model/PreviewReport.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CHolidays document;
    try {
        LoadHolidayBytes(document, std::vector<std::uint8_t>(data, data + size));
    } catch (const CHolidayFileError&) {
        // Calculate what was read before the damage.
    }
    const int chosenYear = static_cast<int>(document.GetLanguage() % 10000u);
    for (const int year : {1900, 2024, 2100, chosenYear}) {
        (void)CollectPreviewEntries(document, year);
    }
    return 0;
}
