#pragma once

#include "model/CHolidays.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

// The two stored forms of a document, told apart by the file ending.
enum class EDocumentForm { Hol, Json };

// ".hol" or ".json" (in any letter case); throws CCliError for another ending.
EDocumentForm DocumentFormOf(const std::filesystem::path& path);

// The document of a .hol file's bytes. Throws CCliError naming `name` when the
// bytes are not a complete document. Bytes after the last holiday are not part
// of the document; their number goes to `ignoredBytes`.
CHolidays DocumentFromHolBytes(std::vector<std::uint8_t> bytes, const std::string& name, std::size_t& ignoredBytes);
// The .hol bytes of the document.
std::string DocumentToHolBytes(const CHolidays& document);

// Reads a .hol or .json file. A note about ignored bytes goes to `warnings`.
// Throws CFileAccessError when the file cannot be read, CCliError when its
// content is not a document.
CHolidays LoadDocument(const std::filesystem::path& path, std::ostream& warnings);
// Writes the document in the form its ending names, never leaving the file
// half written (CFileAccessError).
void SaveDocument(const CHolidays& document, const std::filesystem::path& path);
