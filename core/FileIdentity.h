// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

// Which file a path led to and the state of its content at one moment: its
// device and inode, size and time of last change. A file another program
// replaced (a new inode) or wrote to (size or time) has another identity.
struct CFileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;  // [0, 999999999]

    bool operator==(const CFileIdentity&) const = default;
};

// The identity of the open file.
CFileIdentity FileIdentityOfDescriptor(int descriptor);

// The identity of the file the path leads to now (through symbolic links),
// or nothing when there is no file there. Throws CFileAccessError (reading)
// when it cannot be looked at for another reason.
std::optional<CFileIdentity> FileIdentityOf(const std::filesystem::path& path);
