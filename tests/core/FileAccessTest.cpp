// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileAccess.h"
#include "tests/support/FileFaults.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class FileAccess : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("tavrin-core-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }

    fs::path Write(const std::string& name, const std::string& content) const {
        std::ofstream(folder / name, std::ios::binary) << content;
        return folder / name;
    }

    static std::string Content(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    static std::vector<std::string> Entries(const fs::path& place) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(place)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    template <class Action>
    static std::string ErrorOf(Action action) {
        try {
            action();
        } catch (const CFileAccessError& error) {
            return error.what();
        }
        return "(no error)";
    }

    fs::path folder;
};

std::string Quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

TEST_F(FileAccess, ReadRefusesWhatIsNotARegularFileBeforeReadingAByte) {
    const CHangGuard guard(10);  // a named pipe must not wait for a writer
    MakeFifo(folder / "fifo");
    MakeSocket(folder / "socket");
    const struct {
        fs::path path;
        const char* reason;
    } cases[] = {
        {folder / "missing", "the file does not exist"},
        {folder, "it is a folder, not a holiday file"},
        {"/dev/zero", "it is a device, not a holiday file"},
        {folder / "fifo", "it is a named pipe, not a holiday file"},
        {folder / "socket", "it is a socket, not a holiday file"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorOf([&] { ReadFileBytes(c.path); }), "cannot read " + Quoted(c.path) + ": " + c.reason);
    }
}

TEST_F(FileAccess, ReadHoldsTheSizeLimitWhateverTheFileClaims) {
    const fs::path big = Write("big", "");
    fs::resize_file(big, kMaxFileBytes + 1);  // sparse: nothing is written
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(big); }),
              "cannot read " + Quoted(big) +
                  ": it has 268435457 bytes, more than the 268435456 bytes a holiday "
                  "file may have");
    // A regular file that claims 0 bytes but holds more.
    ASSERT_EQ(fs::file_size("/proc/self/status"), 0u);
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes("/proc/self/status", 64); }),
              "cannot read \"/proc/self/status\": it has more than the 64 bytes a holiday file may have");
    EXPECT_EQ(ReadFileBytes(Write("small", "abc")), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
}

TEST_F(FileAccess, WriteReplacesTheFileThroughLinksAndKeepsItsPermissions) {
    const fs::path file = Write("file.hol", "old content");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("file.hol", folder / "link.hol");
    WriteFileAtomically(folder / "link.hol", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.hol"));
    EXPECT_EQ(Content(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(folder / "new.hol", "created");
    EXPECT_EQ(Content(folder / "new.hol"), "created");
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"file.hol", "link.hol", "new.hol"}));
}

// The temporary file's name does not grow with the target's: a name of the
// longest lengths a folder holds can be saved.
TEST_F(FileAccess, WriteReplacesAFileWithALongName) {
    const std::string name = std::string(246, 'n') + ".hol";  // 250 bytes; 255 is the usual limit
    const fs::path file = Write(name, "old content");
    WriteFileAtomically(file, "new");
    EXPECT_EQ(Content(file), "new");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{name});
}

TEST_F(FileAccess, WriteKeepsTheOwnerOfTheFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "only root can create a file for another user";
    }
    const fs::path file = Write("nobody.hol", "old content");
    ASSERT_EQ(chown(file.c_str(), CWithoutRootRights::kNobody, CWithoutRootRights::kNobody), 0);
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    WriteFileAtomically(file, "new");
    struct stat status {};
    ASSERT_EQ(stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, CWithoutRootRights::kNobody);
    EXPECT_EQ(status.st_gid, CWithoutRootRights::kNobody);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(Content(file), "new");
}

// Each way a write can fail leaves the target byte for byte as it was and no
// temporary file, and names the target and the reason.
TEST_F(FileAccess, FailedWriteKeepsTheFileAndLeavesNothingBehind) {
    const auto expectFailure = [](const fs::path& target, const std::string& reason, auto write) {
        const std::string before = fs::is_regular_file(target) ? Content(target) : "";
        const std::vector<std::string> entries = Entries(target.parent_path());
        EXPECT_EQ(ErrorOf(write), "cannot write " + Quoted(target) + ": " + reason);
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(Content(target), before) << target;
        }
        EXPECT_EQ(Entries(target.parent_path()), entries) << reason;
    };
    const std::string content(5000, 'n');

    const fs::path file = Write("file.hol", "old content");
    expectFailure(file, "File too large", [&] {
        const CFileSizeLimit limit(100);
        WriteFileAtomically(file, content);
    });

    MakeFifo(folder / "fifo.hol");
    MakeSocket(folder / "socket.hol");
    fs::create_directory(folder / "folder.hol");
    fs::create_symlink("/dev/null", folder / "null.hol");
    const std::pair<const char*, const char*> notFiles[] = {
        {"fifo.hol", "it is a named pipe, not a holiday file"},
        {"socket.hol", "it is a socket, not a holiday file"},
        {"folder.hol", "it is a folder, not a holiday file"},
        {"null.hol", "it is a device, not a holiday file"},
    };
    for (const auto& [name, reason] : notFiles) {
        expectFailure(folder / name, reason, [&] { WriteFileAtomically(folder / name, content); });
    }
    EXPECT_TRUE(fs::is_empty(folder / "folder.hol"));

    // Without write rights: a read-only file, and a writable file in a folder
    // where nothing can be created.
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    const fs::path readOnly = Write("locked/read-only.hol", "old content");
    const fs::path writable = Write("locked/writable.hol", "old content");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    CWithoutRootRights::Own(writable);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_exec);
    fs::permissions(locked,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    {
        const CWithoutRootRights nobody;
        expectFailure(readOnly, "Permission denied", [&] { WriteFileAtomically(readOnly, content); });
        expectFailure(writable, "no file can be created in its folder (Permission denied)",
                      [&] { WriteFileAtomically(writable, content); });
    }
    fs::permissions(locked, fs::perms::owner_all);

    const CSmallFileSystem disk(folder / "disk");
    if (!disk.Problem().empty()) {
        GTEST_SKIP() << disk.Problem();
    }
    const fs::path full = disk / "full.hol";
    std::ofstream(full) << "old content";
    disk.Fill();
    expectFailure(full, "No space left on device", [&] { WriteFileAtomically(full, content); });
}

// The folder cannot be opened to make the rename durable: the file is
// replaced, and the caller hears that the sync did not happen.
TEST_F(FileAccess, FolderThatCannotBeSyncedIsReported) {
    const fs::path locked = folder / "write-only";
    fs::create_directory(locked);
    const fs::path file = Write("write-only/file.hol", "old content");
    CWithoutRootRights::Own(locked);
    CWithoutRootRights::Own(file);
    fs::permissions(locked, fs::perms::owner_write | fs::perms::owner_exec);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_exec);
    bool replaced = false;
    {
        const CWithoutRootRights nobody;
        try {
            WriteFileAtomically(file, "new");
        } catch (const CFileAccessError& error) {
            replaced = error.Replaced();
            EXPECT_EQ(error.Reason(),
                      "it was replaced, but its folder could not be synced to disk (Permission denied)");
        }
    }
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(Content(file), "new");
}

// A file with several names (hard links) is written in place, so every name
// sees the new content; a failed write puts the old content back, and a save
// that dies half way leaves a copy of the old content that is reported and
// never overwritten.
TEST_F(FileAccess, HardLinkedFileIsWrittenInPlaceWithACopyOfItsOldContent) {
    const fs::path file = Write("file.hol", "old content");
    fs::create_hard_link(file, folder / "other-name.hol");
    const auto inode = FileIdentityOf(file)->inode;
    const std::vector<std::string> names = {"file.hol", "other-name.hol"};

    WriteFileAtomically(file, "new");
    EXPECT_EQ(Content(folder / "other-name.hol"), "new");
    EXPECT_EQ(FileIdentityOf(file)->inode, inode);
    EXPECT_EQ(Entries(folder), names);

    const std::string large(5000, 'n');
    EXPECT_EQ(ErrorOf([&] {
                  const CFileSizeLimit limit(100);
                  WriteFileAtomically(file, large);
              }),
              "cannot write " + Quoted(file) + ": File too large");
    EXPECT_EQ(Content(folder / "other-name.hol"), "new");
    EXPECT_EQ(Entries(folder), names);
    EXPECT_EQ(LeftBackupOf(file), std::nullopt);

    DieWhenWritingBeyond(100, [&] { WriteFileAtomically(file, large); });
    EXPECT_EQ(LeftBackupOf(folder / "other-name.hol"), std::nullopt);
    ASSERT_EQ(LeftBackupOf(file), BackupPathOf(file));
    EXPECT_EQ(Content(BackupPathOf(file)), "new");
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(file, "newer"); }),
              "cannot write " + Quoted(file) +
                  ": an earlier save that did not finish left a copy of its old content in " +
                  Quoted(BackupPathOf(file)) + "; keep or remove that copy first");
    EXPECT_EQ(Content(BackupPathOf(file)), "new");
}

// Content produced piece by piece whose producing fails after a piece was
// written: the file keeps its old content, and nothing is left behind.
TEST_F(FileAccess, ContentThatFailsHalfWayLeavesTheFileAsItWas) {
    const fs::path plain = Write("plain.hol", "old content");
    const fs::path linked = Write("linked.hol", "old content");
    fs::create_hard_link(linked, folder / "other-name.hol");
    const std::vector<std::string> entries = Entries(folder);
    for (const fs::path& file : {plain, linked}) {
        EXPECT_THROW(WriteFileAtomically(file,
                                         [](const ContentPieceWriter& piece) {
                                             piece(std::string(100'000, 'n'));
                                             throw std::runtime_error("no more content");
                                         }),
                     std::runtime_error);
        EXPECT_EQ(Content(file), "old content") << file;
        EXPECT_EQ(Entries(folder), entries) << file;
    }
}

// A save that dies leaves its temporary file; the next save in the folder
// removes it, and only temporary files of this machine's dead processes.
TEST_F(FileAccess, StaleTemporaryFilesOfDeadProcessesAreRemoved) {
    const fs::path file = Write("file.hol", "old content");
    DieWhenWritingBeyond(100, [&] { WriteFileAtomically(file, std::string(5000, 'n')); });
    std::vector<std::string> left = Entries(folder);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].rfind(".tavrin-", 0), 0u) << left[0];

    // Names that look alike but belong to a live process, another machine,
    // or another naming.
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    const std::vector<std::string> kept = {
        fmt::format(".tavrin-{}-{}-0123abcd", host, getpid()),
        fmt::format(".tavrin-other{}-999999999-0123abcd", host),
        ".tavrin-0123abcd",
        fmt::format(".tavrin-{}-{}-0123ABCD", host, 999999999),
        fmt::format(".tavrin-{}-{}-0123abcd.hol", host, 999999999),
        "file.hol",
    };
    for (const std::string& name : kept) {
        Write(name, "keep");
    }
    WriteFileAtomically(file, "new");
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(folder), expected);
}

// What the editor compares before it saves: the identity of the file as it
// was read and written, and as it is now.
TEST_F(FileAccess, IdentityChangesWithEveryWrite) {
    const fs::path file = Write("file.hol", "old content");
    CFileIdentity read;
    ReadFileBytes(file, kMaxFileBytes, &read);
    EXPECT_EQ(FileIdentityOf(file), read);
    const CFileIdentity written = WriteFileAtomically(file, "new content");
    EXPECT_EQ(FileIdentityOf(file), written);
    EXPECT_NE(written, read);
    Write("file.hol", "changed by another program");
    EXPECT_NE(FileIdentityOf(file), written);
    fs::remove(file);
    EXPECT_EQ(FileIdentityOf(file), std::nullopt);
}

}  // namespace
