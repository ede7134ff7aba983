// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileIdentity.h"

#include "core/FileAccess.h"
#include "core/FileDescriptor.h"

#include <sys/stat.h>
#include <cerrno>
#include <system_error>

namespace {

CFileIdentity IdentityOfStatus(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino), status.st_size,
            status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}

}  // namespace

CFileIdentity FileIdentityOfDescriptor(int descriptor) {
    struct stat status {};
    // fstat of an open descriptor fails only for a bad descriptor.
    static_cast<void>(RetryingInterrupted([&] { return ::fstat(descriptor, &status); }));
    return IdentityOfStatus(status);
}

std::optional<CFileIdentity> FileIdentityOf(const std::filesystem::path& path) {
    struct stat status {};
    if (RetryingInterrupted([&] { return ::stat(path.c_str(), &status); }) == 0) {
        return IdentityOfStatus(status);
    }
    const int code = errno;
    if (code == ENOENT || code == ENOTDIR) {
        return std::nullopt;
    }
    throw CFileAccessError(CFileAccessError::Access::Read, path,
                           std::error_code(code, std::generic_category()).message(), code);
}
