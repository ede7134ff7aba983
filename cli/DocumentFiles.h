// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FileAccess.h"
#include "model/CHolidays.h"

#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The two stored forms of a document, told apart by the file ending, and an
// iCalendar file, which diff compares with them but which holds no document.
enum class EDocumentForm { Hol, Json, Ics };

// The name that stands for standard input where a file is read, and for
// standard output where one is written.
inline const std::filesystem::path kStandardStream = "-";

// ".hol" or ".json" (in any letter case); throws CCliError for another ending.
EDocumentForm DocumentFormOf(const std::filesystem::path& path);
// The same for a file to read, which may also end in ".ics".
EDocumentForm InputFormOf(const std::filesystem::path& path);

// The form of a document that comes without a name (standard input), told
// from its bytes: iCalendar when they start with "BEGIN:VCALENDAR" (in any
// letter case, after a UTF-8 byte order mark if there is one); JSON when the
// first byte that is no JSON blank is "{" and the next one is '"' or "}";
// otherwise .hol, which has no mark of its own (a US English file starts with
// a tab byte, 0x09).
EDocumentForm DocumentFormOfBytes(std::string_view bytes);

// The document of a .hol file's bytes. Throws CCliError naming `name` (as
// messages show it, CInput::name) when the bytes are not a complete document. Bytes after the last holiday are not part
// of the document; their number goes to `ignoredBytes`.
CHolidays DocumentFromHolBytes(std::vector<std::uint8_t> bytes, const std::string& name, std::size_t& ignoredBytes);
// The .hol bytes of the document.
std::string DocumentToHolBytes(const CHolidays& document);

// The content of one input of a command, as read.
struct CInput {
    std::vector<std::uint8_t> bytes;
    EDocumentForm form = EDocumentForm::Hol;
    std::string name;  // for messages: "\"<path>\"" or "standard input"
    // The copy of the file's old content that a save that did not finish
    // left beside it (FileAccess.h), if there is one.
    std::optional<std::filesystem::path> leftBackup = std::nullopt;
};

// A file as an input: its bytes, the form its ending names (InputFormOf), and the copy a
// save that did not finish left beside it. Throws CFileAccessError when the
// file cannot be read.
CInput InputOfFile(const std::filesystem::path& path);

// Reads the inputs of a command: a file in the form its ending names, and
// kStandardStream from `standardInput`, in `standardInputForm` when it is
// given (--format) and otherwise in the form DocumentFormOfBytes tells.
// Standard input holds at most kMaxFileBytes, as a file does.
class CInputReader {
public:
    CInputReader(std::istream& standardInput, std::optional<EDocumentForm> standardInputForm);

    // Throws CFileAccessError when a file cannot be read, CCliError when
    // standard input cannot.
    CInput Read(const std::filesystem::path& path);

private:
    std::istream& standardInput;
    std::optional<EDocumentForm> standardInputForm;
};

// The document an input holds. Notes about ignored bytes and a left copy go
// to `warnings`. Throws CCliError naming the input when its content is not a
// document, an iCalendar input included.
CHolidays DocumentOf(CInput input, std::ostream& warnings);

// Reads a .hol or .json file (DocumentOf). Throws CFileAccessError when the
// file cannot be read, CCliError when its content is not a document.
CHolidays LoadDocument(const std::filesystem::path& path, std::ostream& warnings);
// Refuses (CCliError) a document whose JSON text would be larger than a
// holiday file may be (kMaxFileBytes): no reading could load it again.
void RefuseJsonBeyondReadLimit(const CHolidays& document, std::string_view name, std::uintmax_t limit = kMaxFileBytes);
// Writes the document in the form its ending names, never leaving the file
// half written (CFileAccessError). A JSON text beyond the limit above is
// refused before the file is touched; it is written in pieces, never whole
// in memory.
void SaveDocument(const CHolidays& document, const std::filesystem::path& path);
