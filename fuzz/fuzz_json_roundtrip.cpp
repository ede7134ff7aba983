// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loads arbitrary bytes as a holiday file and converts the document to its
// JSON text and back, as docs/json-format.md promises it: whatever the texts
// and the language hold, the result is the bytes the editor saves for the
// loaded document, and those bytes, loaded and converted again, come back
// unchanged. (The loaded bytes themselves may spell the document differently:
// the documented exceptions.)
#include "cli/JsonForm.h"
#include "model/HolidayFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CHolidays document;
    try {
        LoadHolidayBytes(document, std::vector<std::uint8_t>(data, data + size));
    } catch (const CHolidayFileError&) {
        return 0;
    }
    const std::vector<std::uint8_t> saved = SaveHolidayBytes(document);
    if (SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(document))) != saved) {
        std::fputs("the JSON round trip changed the document\n", stderr);
        std::abort();
    }
    CHolidays reloaded;
    LoadHolidayBytes(reloaded, saved);
    if (SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(reloaded))) != saved) {
        std::fputs("a file in the editor's form did not come back byte for byte\n", stderr);
        std::abort();
    }
    return 0;
}
