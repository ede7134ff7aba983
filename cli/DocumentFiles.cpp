// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/DocumentFiles.h"

#include "cli/CliError.h"
#include "cli/JsonForm.h"
#include "core/FileAccess.h"
#include "model/HolidayFile.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

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

EDocumentForm InputFormOf(const std::filesystem::path& path) {
    if (LowerCase(path.extension().string()) == ".ics") {
        return EDocumentForm::Ics;
    }
    return DocumentFormOf(path);
}

CHolidays DocumentFromHolBytes(std::vector<std::uint8_t> bytes, const std::string& name, std::size_t& ignoredBytes) {
    CHolidays document;
    try {
        ignoredBytes = LoadHolidayBytes(document, std::move(bytes));
    } catch (const std::runtime_error& error) {  // CHolidayFileError, CArchiveEndOfData
        throw CCliError(fmt::format("cannot load {}: {}", name, error.what()));
    }
    return document;
}

std::string DocumentToHolBytes(const CHolidays& document) {
    const std::vector<std::uint8_t> bytes = SaveHolidayBytes(document);
    return std::string(bytes.begin(), bytes.end());
}

EDocumentForm DocumentFormOfBytes(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    constexpr std::string_view kCalendarStart = "begin:vcalendar";
    const std::string_view afterMark = bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
    if (LowerCase(std::string(afterMark.substr(0, kCalendarStart.size()))) == kCalendarStart) {
        return EDocumentForm::Ics;
    }
    constexpr std::string_view kBlanks = " \t\r\n";  // JSON's whitespace
    const std::size_t brace = bytes.find_first_not_of(kBlanks);
    if (brace == std::string_view::npos || bytes[brace] != '{') {
        return EDocumentForm::Hol;
    }
    const std::size_t next = bytes.find_first_not_of(kBlanks, brace + 1);
    return next != std::string_view::npos && (bytes[next] == '"' || bytes[next] == '}') ? EDocumentForm::Json
                                                                                        : EDocumentForm::Hol;
}

CInput InputOfFile(const std::filesystem::path& path) {
    const EDocumentForm form = InputFormOf(path);
    std::optional<std::filesystem::path> leftBackup = LeftBackupOf(path);
    return {ReadFileBytes(path), form, fmt::format("\"{}\"", path.string()), std::move(leftBackup)};
}

CInputReader::CInputReader(std::istream& input, std::optional<EDocumentForm> inputForm)
    : standardInput(input), standardInputForm(inputForm) {}

CInput CInputReader::Read(const std::filesystem::path& path) {
    if (path != kStandardStream) {
        return InputOfFile(path);
    }
    std::vector<std::uint8_t> bytes;
    std::array<char, 1 << 16> buffer{};
    while (standardInput.read(buffer.data(), buffer.size()) || standardInput.gcount() > 0) {
        const auto count = static_cast<std::size_t>(standardInput.gcount());
        if (bytes.size() + count > kMaxFileBytes) {
            throw CCliError(
                fmt::format("standard input holds more than the {} MiB a holiday file may have", kMaxFileBytes >> 20));
        }
        bytes.insert(bytes.end(), buffer.data(), buffer.data() + count);
    }
    if (standardInput.bad()) {
        throw CCliError("cannot read standard input");
    }
    const EDocumentForm form = standardInputForm.value_or(
        DocumentFormOfBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
    return {std::move(bytes), form, "standard input"};
}

CHolidays DocumentOf(CInput input, std::ostream& warnings) {
    if (input.leftBackup) {
        warnings << fmt::format(
            "tavrin-cli: note: {}: a save did not finish; the file's earlier content is kept in \"{}\"\n", input.name,
            input.leftBackup->string());
    }
    if (input.form == EDocumentForm::Ics) {
        throw CCliError(
            fmt::format("cannot load {}: it is an iCalendar file, which only diff reads (as OLD or NEW)", input.name));
    }
    if (input.form == EDocumentForm::Json) {
        try {
            return DocumentFromJsonBytes(std::move(input.bytes));
        } catch (const CCliError& error) {
            throw CCliError(fmt::format("cannot load {}: {}", input.name, error.what()));
        }
    }
    std::size_t ignoredBytes = 0;
    CHolidays document = DocumentFromHolBytes(std::move(input.bytes), input.name, ignoredBytes);
    if (ignoredBytes > 0) {
        const std::string what = ignoredBytes == 1
                                     ? "the byte after the last holiday is"
                                     : fmt::format("the {} bytes after the last holiday are", ignoredBytes);
        warnings << fmt::format("tavrin-cli: note: {}: {} not part of the document and ignored\n", input.name, what);
    }
    return document;
}

CHolidays LoadDocument(const std::filesystem::path& path, std::ostream& warnings) {
    return DocumentOf(InputOfFile(path), warnings);
}

void RefuseJsonBeyondReadLimit(const CHolidays& document, std::string_view name, std::uintmax_t limit) {
    if (const std::uint64_t size = DocumentJsonSize(document); size > limit) {
        throw CCliError(
            fmt::format("cannot write {}: its JSON text would have {} bytes, more than the {} bytes ({} MiB) a "
                        "holiday file may have (write it as .hol)",
                        name, size, limit, limit >> 20));
    }
}

void SaveDocument(const CHolidays& document, const std::filesystem::path& path) {
    if (DocumentFormOf(path) == EDocumentForm::Json) {
        RefuseJsonBeyondReadLimit(document, path.string());
        WriteFileAtomically(path, [&document](const ContentPieceWriter& piece) { WriteDocumentJson(document, piece); });
        return;
    }
    WriteFileAtomically(path, DocumentToHolBytes(document));
}
