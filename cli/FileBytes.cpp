#include "cli/FileBytes.h"

#include "cli/CliError.h"

#include <fmt/format.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <unistd.h>

namespace {

std::string Quoted(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

std::string SystemMessage(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// A file descriptor closed when it goes out of scope.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int openDescriptor) : descriptor(openDescriptor) {}
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return descriptor; }
    // Closes now; false when closing reported an error (a write that failed late).
    bool Close() {
        const int open = descriptor;
        descriptor = -1;
        return open < 0 || ::close(open) == 0;
    }

private:
    int descriptor;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new temporary file next to the target, never opening an existing one.
CFileDescriptor CreateTemporaryFile(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += fmt::format(".tmp-{}-{:08x}", ::getpid(), random());
        const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return CFileDescriptor(descriptor);
        }
        if (errno != EEXIST) {
            throw CCliError(fmt::format("cannot write {}: {}", Quoted(target), SystemMessage(errno)));
        }
    }
    throw CCliError(fmt::format("cannot write {}: no unused temporary file name in its folder", Quoted(target)));
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw CCliError(fmt::format("cannot read {}: it is a folder", Quoted(path)));
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw CCliError(fmt::format("cannot read {}: {}", Quoted(path), SystemMessage(errno)));
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxInputFileBytes) {
        throw CCliError(fmt::format("cannot read {}: it has {} bytes, more than the {} bytes a holiday file may have",
                                    Quoted(path), size, kMaxInputFileBytes));
    }
    // Read in pieces rather than trusting the size, and stop at the limit in
    // case the file grows while it is read.
    std::vector<std::uint8_t> bytes;
    char buffer[64 * 1024];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + file.gcount());
        if (bytes.size() > kMaxInputFileBytes) {
            throw CCliError(fmt::format("cannot read {}: it has more than the {} bytes a holiday file may have",
                                        Quoted(path), kMaxInputFileBytes));
        }
    }
    if (file.bad()) {
        throw CCliError(fmt::format("cannot read {}: a read error occurred", Quoted(path)));
    }
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    CFileDescriptor file = CreateTemporaryFile(path, temporary);
    const auto fail = [&](int error) {
        file.Close();
        ::unlink(temporary.c_str());
        throw CCliError(fmt::format("cannot write {}: {}", Quoted(path), SystemMessage(error)));
    };
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) {
        fail(errno);
    }
    if (!file.Close()) {
        fail(errno);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        fail(errno);
    }
}
