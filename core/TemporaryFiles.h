// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

// Names of the temporary files a save writes before it renames them over the
// file, and the removal of those that a process left behind when it died.
//
// A name is ".tavrin-HOST-PID-RANDOM": HOST is this machine's name (letters,
// digits, '.', '_' and '-'; anything else as '_'), PID the saving process and
// RANDOM 8 lower-case hex digits.

// A new name for a temporary file of this process.
std::string NewTemporaryFileName();

// Removes the regular files of `folder` named as above whose HOST is this
// machine and whose process no longer runs, and no other file. A folder
// that cannot be read, or a file that cannot be removed, is left as it is.
void RemoveStaleTemporaryFiles(const std::filesystem::path& folder);
