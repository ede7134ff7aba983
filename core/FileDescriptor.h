// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <unistd.h>
#include <cerrno>

// Runs a system call again when a signal interrupted it before it did
// anything (-1 with EINTR), as a program with signal handlers must; any
// other result is returned as it is.
template <class Call>
auto RetryingInterrupted(Call call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) {
            return result;
        }
    }
}

// A file descriptor closed when it goes out of scope.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int openDescriptor) : descriptor(openDescriptor) {}
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(CFileDescriptor&& other) noexcept : descriptor(other.descriptor) { other.descriptor = -1; }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(CFileDescriptor&&) = delete;

    int Get() const { return descriptor; }
    bool IsOpen() const { return descriptor >= 0; }
    // Closes now; false when closing reported an error (a write that failed
    // late). Not retried on EINTR: Linux has closed the descriptor anyway.
    bool Close() {
        const int open = descriptor;
        descriptor = -1;
        return open < 0 || ::close(open) == 0;
    }

private:
    int descriptor;
};
