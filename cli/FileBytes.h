#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// Larger input files are refused before they are read: no holiday document
// comes near this size, and reading one whole must not exhaust the memory.
constexpr std::uintmax_t kMaxInputFileBytes = 256u * 1024u * 1024u;

// The whole content of a file. Throws CCliError naming the file when it cannot
// be read or is larger than kMaxInputFileBytes.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Replaces the file's content with the bytes, or leaves the file as it was:
// the bytes go into a new temporary file in the same folder, which is renamed
// over the target only once it is completely written; on any failure the
// temporary file is removed. Throws CCliError naming the file.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);
