// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileAccess.h"

#include "core/FileDescriptor.h"
#include "core/TemporaryFiles.h"

#include <fmt/format.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <exception>
#include <optional>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

// The most symbolic links followed from a path to the file, as the system's
// own limit (ELOOP).
constexpr int kMaxLinks = 40;

std::string SystemMessage(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// Why a file of this type is not read or replaced; nothing for a regular file.
std::optional<std::string> NotARegularFile(mode_t mode) {
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return "it is a folder, not a holiday file";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "it is a device, not a holiday file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a named pipe, not a holiday file";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket, not a holiday file";
    }
    return "it is not a regular file";
}

[[noreturn]] void Fail(CFileAccessError::Access access, const fs::path& path, std::string reason, int code) {
    throw CFileAccessError(access, path, std::move(reason), code);
}

[[noreturn]] void FailReading(const fs::path& path, int code) {
    Fail(CFileAccessError::Access::Read, path, SystemMessage(code), code);
}

[[noreturn]] void FailWriting(const fs::path& path, int code) {
    Fail(CFileAccessError::Access::Write, path, SystemMessage(code), code);
}

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = RetryingInterrupted([&] { return ::write(descriptor, bytes.data(), bytes.size()); });
        if (written < 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Copies everything from the current position of `from` to `to`.
bool CopyAll(int from, int to) {
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t count = RetryingInterrupted([&] { return ::read(from, buffer.data(), buffer.size()); });
        if (count <= 0) {
            return count == 0;
        }
        if (!WriteAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(count)))) {
            return false;
        }
    }
}

// Writes the content piece by piece; false when a write failed, with errno
// set, or when producing the content threw, which `thrown` then holds.
bool WriteContent(int descriptor, const ContentWriter& content, std::exception_ptr& thrown) {
    bool written = true;
    int code = 0;
    try {
        content([&](std::string_view piece) {
            if (written && !WriteAll(descriptor, piece)) {
                written = false;
                code = errno;
            }
        });
    } catch (...) {
        thrown = std::current_exception();
        return false;
    }
    errno = code;
    return written;
}

// Reads to the end, refusing more than `limit` bytes. The bytes go straight
// into the result, made kSpareBytes larger than the size the file had when
// it was opened, so that one read takes it all and the next one sees its
// end, and a parser that reads ahead in blocks finds the room it needs
// after the content without a copy; a file that has grown since, or tells
// no size (as those in /proc), makes the result grow as it is read.
std::vector<std::uint8_t> ReadAll(int descriptor, std::size_t openedSize, std::uintmax_t limit, const fs::path& path) {
    constexpr std::size_t kSpareBytes = 64;  // what the JSON form's parser needs
    std::vector<std::uint8_t> bytes(openedSize + kSpareBytes);
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            bytes.resize(size + std::max<std::size_t>(size, 64 * 1024));
        }
        const ssize_t count =
            RetryingInterrupted([&] { return ::read(descriptor, bytes.data() + size, bytes.size() - size); });
        if (count == 0) {
            bytes.resize(size);
            return bytes;
        }
        if (count < 0) {
            FailReading(path, errno);
        }
        size += static_cast<std::size_t>(count);
        if (size > limit) {
            Fail(CFileAccessError::Access::Read, path,
                 fmt::format("it has more than the {} bytes a holiday file may have", limit), 0);
        }
    }
}

// The file a path leads to through any symbolic links; the path itself when
// it is no link or leads nowhere yet (a new file is created there).
fs::path FollowLinks(const fs::path& path) {
    fs::path current = path;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (links == kMaxLinks || error) {
            FailWriting(path, error ? error.value() : ELOOP);
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Creates a new temporary file in the target's folder, never opening an
// existing one, after removing those that dead processes of this machine
// left there. Its name is short whatever the target's is, so that a target
// whose name has the longest length the folder allows can be replaced too.
CFileDescriptor CreateTemporaryFile(const fs::path& target, const fs::path& path, fs::path& temporary) {
    RemoveStaleTemporaryFiles(FolderOf(target));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = FolderOf(target) / NewTemporaryFileName();
        CFileDescriptor file(RetryingInterrupted(
            [&] { return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }));
        if (file.IsOpen()) {
            return file;
        }
        const int code = errno;
        if (code == ENOENT) {
            Fail(CFileAccessError::Access::Write, path, "its folder does not exist", code);
        }
        if (code != EEXIST) {
            Fail(CFileAccessError::Access::Write, path,
                 fmt::format("no file can be created in its folder ({})", SystemMessage(code)), code);
        }
    }
    Fail(CFileAccessError::Access::Write, path, "no unused temporary file name in its folder", EEXIST);
}

// Gives the new file the owner and group of the one it replaces, as far as
// the process may: root can give it any owner; another user can give it a
// group of their own (EPERM otherwise), and it then keeps the user's own.
void KeepOwner(int descriptor, const struct stat& existing) {
    if (RetryingInterrupted([&] { return ::fchown(descriptor, existing.st_uid, existing.st_gid); }) != 0 &&
        RetryingInterrupted([&] { return ::fchown(descriptor, static_cast<uid_t>(-1), existing.st_gid); }) != 0) {
        // Neither: the new file keeps the user's own owner and group.
    }
}

// Makes a rename in the folder durable; the error number when it could not.
// Some file systems cannot sync a folder (EINVAL), which is accepted.
int SyncFolder(const fs::path& folder) {
    const CFileDescriptor descriptor(
        RetryingInterrupted([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (!descriptor.IsOpen()) {
        return errno;
    }
    if (RetryingInterrupted([&] { return ::fsync(descriptor.Get()); }) == 0 || errno == EINVAL) {
        return 0;
    }
    return errno;
}

[[noreturn]] void FailFolderSync(const fs::path& path, int code) {
    throw CFileAccessError(
        CFileAccessError::Access::Write, path,
        fmt::format("it was replaced, but its folder could not be synced to disk ({})", SystemMessage(code)), code,
        true);
}

// Writes `bytes` into the file itself, so that every other name of it (hard
// links) sees them. A complete, synced copy of the old content goes beside
// it first (BackupPathOf); if the write fails, the old content is put back
// from it; if the program dies in between, the copy stays for the user.
CFileIdentity WriteInPlace(const fs::path& target, const fs::path& path, const ContentWriter& content) {
    const fs::path backupPath = BackupPathOf(target);
    const CFileDescriptor file(RetryingInterrupted([&] { return ::open(target.c_str(), O_RDWR | O_CLOEXEC); }));
    if (!file.IsOpen()) {
        FailWriting(path, errno);
    }
    CFileDescriptor backup(
        RetryingInterrupted([&] { return ::open(backupPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600); }));
    if (!backup.IsOpen()) {
        const int code = errno;
        if (code == EEXIST) {
            Fail(CFileAccessError::Access::Write, path,
                 fmt::format("an earlier save that did not finish left a copy of its old content in \"{}\"; "
                             "keep or remove that copy first",
                             backupPath.string()),
                 code);
        }
        Fail(CFileAccessError::Access::Write, path,
             fmt::format("no copy of its content can be made beside it ({})", SystemMessage(code)), code);
    }
    const auto removeBackupAndFail = [&](int code, std::string reason) {
        backup.Close();
        ::unlink(backupPath.c_str());
        Fail(CFileAccessError::Access::Write, path, std::move(reason), code);
    };
    if (!CopyAll(file.Get(), backup.Get()) || RetryingInterrupted([&] { return ::fsync(backup.Get()); }) != 0) {
        const int code = errno;
        removeBackupAndFail(code,
                            fmt::format("no copy of its content can be made beside it ({})", SystemMessage(code)));
    }
    if (const int code = SyncFolder(FolderOf(target))) {
        removeBackupAndFail(
            code, fmt::format("the copy of its content beside it cannot be synced to disk ({})", SystemMessage(code)));
    }

    // Writes the file from its start, cuts it where the writing ended and syncs it.
    const auto overwrite = [&file](auto writeContent) {
        if (::lseek(file.Get(), 0, SEEK_SET) != 0 || !writeContent()) {
            return false;
        }
        const off_t end = ::lseek(file.Get(), 0, SEEK_CUR);
        return end >= 0 && RetryingInterrupted([&] { return ::ftruncate(file.Get(), end); }) == 0 &&
               RetryingInterrupted([&] { return ::fsync(file.Get()); }) == 0;
    };
    std::exception_ptr thrown;
    if (!overwrite([&] { return WriteContent(file.Get(), content, thrown); })) {
        int code = errno;
        const bool restored =
            overwrite([&] { return ::lseek(backup.Get(), 0, SEEK_SET) == 0 && CopyAll(backup.Get(), file.Get()); });
        if (!restored) {
            code = thrown ? errno : code;
            Fail(CFileAccessError::Access::Write, path,
                 fmt::format("{}; its old content could not be put back and is kept in \"{}\"", SystemMessage(code),
                             backupPath.string()),
                 code);
        }
        if (thrown) {
            backup.Close();
            ::unlink(backupPath.c_str());
            std::rethrow_exception(thrown);
        }
        removeBackupAndFail(code, SystemMessage(code));
    }
    const CFileIdentity identity = FileIdentityOfDescriptor(file.Get());
    backup.Close();
    ::unlink(backupPath.c_str());
    return identity;
}

}  // namespace

CFileAccessError::CFileAccessError(Access access, const fs::path& file, std::string why, int error, bool isReplaced)
    : std::runtime_error(
          fmt::format("cannot {} \"{}\": {}", access == Access::Read ? "read" : "write", file.string(), why)),
      path(file.string()),
      reason(std::move(why)),
      code(error),
      replaced(isReplaced) {}

std::vector<std::uint8_t> ReadFileBytes(const fs::path& path, std::uintmax_t limit, CFileIdentity* identity) {
    const auto refuseUnlessRegular = [&](const struct stat& status) {
        if (const std::optional<std::string> reason = NotARegularFile(status.st_mode)) {
            Fail(CFileAccessError::Access::Read, path, *reason, 0);
        }
        if (static_cast<std::uintmax_t>(status.st_size) > limit) {
            Fail(CFileAccessError::Access::Read, path,
                 fmt::format("it has {} bytes, more than the {} bytes a holiday file may have", status.st_size, limit),
                 0);
        }
    };
    // Looked at before opening, since opening a device can already act on
    // it, and again once open, in case the path changed in between.
    struct stat status {};
    if (RetryingInterrupted([&] { return ::stat(path.c_str(), &status); }) != 0) {
        const int code = errno;
        if (code == ENOENT) {
            Fail(CFileAccessError::Access::Read, path, "the file does not exist", code);
        }
        FailReading(path, code);
    }
    refuseUnlessRegular(status);
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    const CFileDescriptor file(
        RetryingInterrupted([&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC); }));
    if (!file.IsOpen() || RetryingInterrupted([&] { return ::fstat(file.Get(), &status); }) != 0) {
        FailReading(path, errno);
    }
    refuseUnlessRegular(status);
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        FailReading(path, errno);
    }
    std::vector<std::uint8_t> bytes = ReadAll(file.Get(), static_cast<std::size_t>(status.st_size), limit, path);
    if (identity != nullptr) {
        *identity = FileIdentityOfDescriptor(file.Get());
    }
    return bytes;
}

CFileIdentity WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    return WriteFileAtomically(path, [bytes](const ContentPieceWriter& piece) { piece(bytes); });
}

CFileIdentity WriteFileAtomically(const fs::path& path, const ContentWriter& content) {
    const fs::path target = FollowLinks(path);
    struct stat existing {};
    const bool exists = RetryingInterrupted([&] { return ::lstat(target.c_str(), &existing); }) == 0;
    if (!exists && errno != ENOENT) {
        FailWriting(path, errno);
    }
    if (exists) {
        if (const std::optional<std::string> reason = NotARegularFile(existing.st_mode)) {
            Fail(CFileAccessError::Access::Write, path, *reason, 0);
        }
        // Replacing the file through its folder would bypass its own
        // read-only state.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            FailWriting(path, errno);
        }
        // A new file would leave the old content to the file's other names.
        if (existing.st_nlink > 1) {
            return WriteInPlace(target, path, content);
        }
    }

    fs::path temporary;
    CFileDescriptor file = CreateTemporaryFile(target, path, temporary);
    const auto removeAndFail = [&](int code) {
        file.Close();
        ::unlink(temporary.c_str());
        FailWriting(path, code);
    };
    if (exists) {
        KeepOwner(file.Get(), existing);
        // After the owner: a change of owner may clear the set-user-ID bit.
        if (RetryingInterrupted([&] { return ::fchmod(file.Get(), existing.st_mode & 07777); }) != 0) {
            removeAndFail(errno);
        }
    }
    std::exception_ptr thrown;
    if (!WriteContent(file.Get(), content, thrown) || RetryingInterrupted([&] { return ::fsync(file.Get()); }) != 0) {
        if (thrown) {
            file.Close();
            ::unlink(temporary.c_str());
            std::rethrow_exception(thrown);
        }
        removeAndFail(errno);
    }
    const CFileIdentity identity = FileIdentityOfDescriptor(file.Get());
    if (!file.Close()) {
        removeAndFail(errno);
    }
    if (RetryingInterrupted([&] { return ::rename(temporary.c_str(), target.c_str()); }) != 0) {
        removeAndFail(errno);
    }
    if (const int code = SyncFolder(FolderOf(target))) {
        FailFolderSync(path, code);
    }
    return identity;
}

fs::path BackupPathOf(const fs::path& file) {
    fs::path backup = file;
    backup += ".tavrin-backup";
    return backup;
}

std::optional<fs::path> LeftBackupOf(const fs::path& path) {
    std::error_code error;
    const fs::path file = fs::weakly_canonical(path, error);
    const fs::path backup = BackupPathOf(error ? path : file);
    struct stat status {};
    if (::lstat(backup.c_str(), &status) == 0) {
        return backup;
    }
    return std::nullopt;
}
