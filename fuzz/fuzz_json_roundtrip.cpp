// Loads arbitrary bytes as a holiday file and converts the document to its
// JSON text and back: the bytes must come out identical, whatever the texts
// and the language hold.
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
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    if (SaveHolidayBytes(DocumentFromJsonText(DocumentToJsonText(document))) != bytes) {
        std::fputs("the JSON round trip changed the document\n", stderr);
        std::abort();
    }
    return 0;
}
