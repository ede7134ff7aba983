// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as a holiday file: a damaged file must end in
// CHolidayFileError, never in a crash, a leak or unbounded memory.
#include "model/CHolidays.h"
#include "model/HolidayFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CHolidays document;
    try {
        LoadHolidayBytes(document, std::vector<std::uint8_t>(data, data + size));
    } catch (const CHolidayFileError&) {
        // The document keeps what was read; it must still be usable.
    }
    (void)SaveHolidayBytes(document);
    return 0;
}
