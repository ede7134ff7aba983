// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Ways to make file access fail without a person and without a broken disk:
// a file size limit, a full file system, a user without rights, and files
// that are not regular files.

// Writes beyond `bytes` fail with EFBIG (SIGXFSZ ignored) while this lives.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    }
    ~CFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, savedHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    rlimit saved{};
    void (*savedHandler)(int) = SIG_DFL;
};

// Runs `write` in a child process that dies, as at a kill -9 or a power cut
// during a save, when it writes beyond `bytes` (SIGXFSZ, without a core file).
inline void DieWhenWritingBeyond(rlim_t bytes, const std::function<void()>& write) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit noCore{0, 0};
        const rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_DFL);
        try {
            write();
        } catch (...) {
        }
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the child ended with status " << status;
}

// A 64 KiB file system mounted at `folder` (created), unmounted when this
// ends. Mounting needs root and the right to mount; Problem() says why not.
class CSmallFileSystem {
public:
    explicit CSmallFileSystem(const std::filesystem::path& mountPoint) : folder(mountPoint) {
        std::filesystem::create_directories(folder);
        if (geteuid() != 0) {
            problem = "mounting a small file system needs root";
        } else if (mount("tavrin-test", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
            problem = std::string("mounting a small file system is not allowed here: ") + std::strerror(errno);
        }
    }
    ~CSmallFileSystem() {
        if (problem.empty()) {
            umount2(folder.c_str(), MNT_DETACH);
        }
    }
    CSmallFileSystem(const CSmallFileSystem&) = delete;
    CSmallFileSystem& operator=(const CSmallFileSystem&) = delete;

    const std::string& Problem() const { return problem; }
    std::filesystem::path operator/(const std::string& name) const { return folder / name; }

    // Takes the remaining space with a file "filler".
    void Fill() const {
        const int descriptor = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(descriptor, 0);
        const std::vector<char> block(4096, 'f');
        for (std::size_t size = block.size(); size > 0; size /= 2) {
            while (::write(descriptor, block.data(), size) == static_cast<ssize_t>(size)) {
            }
        }
        ::close(descriptor);
    }

private:
    std::filesystem::path folder;
    std::string problem;
};

// Makes the effective user "nobody" (65534) while this lives when running as
// root, for whom permissions do not apply; changes nothing for other users.
class CWithoutRootRights {
public:
    static constexpr uid_t kNobody = 65534;

    CWithoutRootRights() : dropped(geteuid() == 0) {
        if (dropped) {
            EXPECT_EQ(setegid(kNobody), 0);
            EXPECT_EQ(seteuid(kNobody), 0);
        }
    }
    ~CWithoutRootRights() {
        if (dropped) {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
    }
    CWithoutRootRights(const CWithoutRootRights&) = delete;
    CWithoutRootRights& operator=(const CWithoutRootRights&) = delete;

    // Hands a file or folder to the user this object becomes.
    static void Own(const std::filesystem::path& path) {
        if (geteuid() == 0) {
            EXPECT_EQ(chown(path.c_str(), kNobody, kNobody), 0) << path;
        }
    }

private:
    bool dropped;
};

// Ends the test program with SIGALRM when the scope takes longer than
// `seconds`: a test that would hang fails instead.
class CHangGuard {
public:
    explicit CHangGuard(unsigned seconds) { alarm(seconds); }
    ~CHangGuard() { alarm(0); }
    CHangGuard(const CHangGuard&) = delete;
    CHangGuard& operator=(const CHangGuard&) = delete;
};

inline void MakeFifo(const std::filesystem::path& path) {
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0) << path;
}

// A socket file that nobody listens on.
inline void MakeSocket(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.native().size(), sizeof address.sun_path) << path;
    path.native().copy(address.sun_path, path.native().size());
    const int descriptor = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(descriptor, 0);
    EXPECT_EQ(bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    close(descriptor);
}
