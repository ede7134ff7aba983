// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/FileIdentity.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading and replacing whole files. Only regular files are read or
// replaced; a failure leaves the file as it was and names the file and the
// reason.

// Holiday files are small: larger files are refused, also while they are
// read, so that a file that claims less than it holds cannot exhaust the
// memory.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{256} << 20;  // 256 MiB

// A file that cannot be read or written. what() is
// "cannot read \"<path>\": <reason>" (or "cannot write").
class CFileAccessError : public std::runtime_error {
public:
    enum class Access { Read, Write };

    CFileAccessError(Access access, const std::filesystem::path& path, std::string reason, int code,
                     bool replaced = false);

    const std::string& Path() const { return path; }
    // Why, as a phrase to follow the path: "it is a folder, not a holiday file".
    const std::string& Reason() const { return reason; }
    // The system's error number; 0 when the file was refused for what it is.
    int Code() const { return code; }
    // True only when the new content is in place and only making the change
    // durable failed; otherwise the file on disk is unchanged.
    bool Replaced() const { return replaced; }

private:
    std::string path;
    std::string reason;
    int code;
    bool replaced;
};

// The whole content of a regular file of at most `limit` bytes, and, when
// asked, the file's identity once read. Anything else (a folder, a device, a
// named pipe, a socket) is refused before a byte is read, and without
// waiting for a writer. The result's capacity normally leaves room for 64
// bytes after the content, which a parser that reads ahead (the JSON form's)
// can use without copying the content. Throws CFileAccessError.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path, std::uintmax_t limit = kMaxFileBytes,
                                        CFileIdentity* identity = nullptr);

// Replaces the file's content with `bytes`, or leaves the file byte for byte
// as it was, and gives the identity of the file written. The bytes go into a
// new temporary file in its folder (TemporaryFiles.h), which is synced and
// renamed over the file only once complete; on any failure it is removed.
// A symbolic link is followed: the file it leads to is replaced and the link
// kept. An existing file keeps its permission bits, and its owner and group
// as far as the process may set them: a user other than root gets the file's
// group only when a member of it, and becomes the owner of the new file.
//
// A file with more than one name (hard links) is written in place instead,
// so that every name sees the new content: a synced copy of the old content
// goes beside it first (BackupPathOf), the new bytes into the file, and the
// copy is removed once they are synced. When writing fails, the old content
// is put back from the copy; a copy that an earlier save left behind is
// never overwritten (the save is refused).
//
// A file that cannot be written, or that is not a regular file, is refused.
// Without write rights in the folder the file is refused rather than
// overwritten without a copy, which could not keep the old content if the
// write failed half way. Throws CFileAccessError. Calls interrupted by a
// signal are repeated.
CFileIdentity WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Takes one piece of a file's content.
using ContentPieceWriter = std::function<void(std::string_view piece)>;
// Produces a file's content, handing it piece by piece, in order, to the
// function it is given.
using ContentWriter = std::function<void(const ContentPieceWriter& piece)>;

// The same for content produced piece by piece, which is never whole in
// memory. When producing it throws, the file stays as it was (put back from
// its copy when written in place) and the exception goes on.
CFileIdentity WriteFileAtomically(const std::filesystem::path& path, const ContentWriter& content);

// Where an in-place write keeps the old content of `file` while it writes:
// "NAME.tavrin-backup" beside it.
std::filesystem::path BackupPathOf(const std::filesystem::path& file);

// The copy of the old content that a write in place of the file the path
// leads to left behind when it did not finish, if there is one.
std::optional<std::filesystem::path> LeftBackupOf(const std::filesystem::path& path);
