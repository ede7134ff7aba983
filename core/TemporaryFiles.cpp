// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/TemporaryFiles.h"

#include <fmt/format.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <memory>
#include <random>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = ".tavrin-";
constexpr std::size_t kRandomDigits = 8;

// The machine's name as it appears in temporary file names.
const std::string& HostPart() {
    static const std::string host = [] {
        char name[HOST_NAME_MAX + 1] = {};
        if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') {
            return std::string("localhost");
        }
        std::string part(name);
        std::replace_if(
            part.begin(), part.end(),
            [](char c) {
                const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
                return !plain && c != '.' && c != '_' && c != '-';
            },
            '_');
        return part;
    }();
    return host;
}

bool IsLowerHex(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// The process that wrote a temporary file of this machine named `name`, or
// 0 when the name is not one of them. Read from the right: HOST may hold '-'.
pid_t WriterOfTemporaryFile(std::string_view name) {
    if (!name.starts_with(kPrefix)) {
        return 0;
    }
    name.remove_prefix(kPrefix.size());
    const std::size_t randomDash = name.rfind('-');
    if (randomDash == std::string_view::npos || name.size() - randomDash - 1 != kRandomDigits ||
        !IsLowerHex(name.substr(randomDash + 1))) {
        return 0;
    }
    name = name.substr(0, randomDash);
    const std::size_t pidDash = name.rfind('-');
    if (pidDash == std::string_view::npos || name.substr(0, pidDash) != HostPart()) {
        return 0;
    }
    const std::string_view digits = name.substr(pidDash + 1);
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    if (error != std::errc() || end != digits.data() + digits.size() || pid <= 0 || digits[0] == '0') {
        return 0;
    }
    return pid;
}

}  // namespace

std::string NewTemporaryFileName() {
    thread_local std::mt19937 random{std::random_device{}()};
    return fmt::format("{}{}-{}-{:08x}", kPrefix, HostPart(), ::getpid(), random());
}

void RemoveStaleTemporaryFiles(const std::filesystem::path& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.c_str()), ::closedir);
    if (!entries) {
        return;
    }
    while (const dirent* entry = ::readdir(entries.get())) {
        const pid_t writer = WriterOfTemporaryFile(entry->d_name);
        // kill with signal 0 only asks whether the process exists.
        if (writer == 0 || ::kill(writer, 0) == 0 || errno != ESRCH) {
            continue;
        }
        struct stat status {};
        if (::fstatat(::dirfd(entries.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode)) {
            ::unlinkat(::dirfd(entries.get()), entry->d_name, 0);
        }
    }
}
