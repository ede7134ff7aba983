// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads arbitrary text as the JSON form of a document: anything that is not a
// valid document must end in CCliError with a message, and a valid one must
// convert back to JSON and read again to the same document. The one-pass
// reading must give the document the JSON tree gives, or leave the text to it.
#include "cli/CliError.h"
#include "cli/JsonForm.h"
#include "cli/JsonInFieldOrder.h"
#include "cli/JsonText.h"
#include "model/HolidayFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
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
    const std::optional<CHolidays> onePass = ReadJsonInFieldOrder(text);
    try {
        const CHolidays document = DocumentFromJson(ParseJsonText(text));
        const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
        if (onePass && SaveHolidayBytes(*onePass) != bytes) {
            Fail("the one-pass reading gave another document than the JSON tree\n");
        }
        if (SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(document))) != bytes) {
            Fail("the JSON round trip changed the document\n");
        }
    } catch (const CCliError&) {
        // A message for the user: the expected end for most inputs.
        if (onePass) {
            Fail("the one-pass reading accepted a text the JSON tree refuses\n");
        }
    }
    return 0;
}
