// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary text as the JSON form of a document: anything that is not a
// valid document must end in CCliError with a message, and a valid one must
// convert back to JSON and read again to the same document.
#include "cli/CliError.h"
#include "cli/JsonForm.h"
#include "model/HolidayFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* message) {
    std::fputs(message, stderr);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const CHolidays document = DocumentFromJsonText(text);
        const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
        if (SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(document))) != bytes) {
            Fail("the JSON round trip changed the document\n");
        }
    } catch (const CCliError&) {
        // A message for the user: the expected end for most inputs.
    }
    return 0;
}
