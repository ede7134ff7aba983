#include "cli/DocumentFiles.h"

#include "cli/CliError.h"
#include "cli/JsonForm.h"
#include "core/FileAccess.h"
#include "model/HolidayFile.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace {

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

EDocumentForm DocumentFormOf(const std::filesystem::path& path) {
    const std::string ending = LowerCase(path.extension().string());
    if (ending == ".hol") {
        return EDocumentForm::Hol;
    }
    if (ending == ".json") {
        return EDocumentForm::Json;
    }
    throw CCliError(fmt::format("\"{}\": the file name must end in .hol or .json", path.string()));
}

CHolidays DocumentFromHolBytes(std::vector<std::uint8_t> bytes, const std::string& name, std::size_t& ignoredBytes) {
    CHolidays document;
    try {
        ignoredBytes = LoadHolidayBytes(document, std::move(bytes));
    } catch (const std::runtime_error& error) {  // CHolidayFileError, CArchiveEndOfData
        throw CCliError(fmt::format("cannot load \"{}\": {}", name, error.what()));
    }
    return document;
}

std::string DocumentToHolBytes(const CHolidays& document) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    return std::string(bytes.begin(), bytes.end());
}

CHolidays LoadDocument(const std::filesystem::path& path, std::ostream& warnings) {
    const EDocumentForm form = DocumentFormOf(path);
    if (const std::optional<std::filesystem::path> backup = LeftBackupOf(path)) {
        warnings << fmt::format(
            "tavrin-cli: note: \"{}\": a save did not finish; the file's earlier content is kept in \"{}\"\n",
            path.string(), backup->string());
    }
    std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    if (form == EDocumentForm::Json) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        try {
            return DocumentFromJsonText(text);
        } catch (const CCliError& error) {
            throw CCliError(fmt::format("cannot load \"{}\": {}", path.string(), error.what()));
        }
    }
    std::size_t ignoredBytes = 0;
    CHolidays document = DocumentFromHolBytes(std::move(bytes), path.string(), ignoredBytes);
    if (ignoredBytes > 0) {
        const std::string what = ignoredBytes == 1
                                     ? "the byte after the last holiday is"
                                     : fmt::format("the {} bytes after the last holiday are", ignoredBytes);
        warnings << fmt::format("tavrin-cli: note: \"{}\": {} not part of the document and ignored\n", path.string(),
                                what);
    }
    return document;
}

void SaveDocument(const CHolidays& document, const std::filesystem::path& path) {
    const std::string bytes =
        DocumentFormOf(path) == EDocumentForm::Json ? DocumentToJsonText(document) : DocumentToHolBytes(document);
    WriteFileAtomically(path, bytes);
}
