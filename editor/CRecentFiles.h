// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <vector>

// The files last opened or saved, newest first, at most kMaxFiles, kept in
// the user's settings (QSettings) from one run to the next. Paths are kept
// as the system's bytes, so that any file name comes back as it was.
class CRecentFiles {
public:
    static constexpr std::size_t kMaxFiles = 8;

    std::vector<std::filesystem::path> Files() const;
    // Puts the file first (once).
    void Add(const std::filesystem::path& path);
    void Remove(const std::filesystem::path& path);

private:
    void Store(const std::vector<std::filesystem::path>& files);
};
