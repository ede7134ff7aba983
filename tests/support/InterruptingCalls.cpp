// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded with LD_PRELOAD into a program under test: every other call of
// open, fchmod, fsync and rename fails with EINTR before it does anything,
// as when a signal arrives, starting with the first. A program that repeats
// interrupted calls works as usual. At exit, the names of the calls that
// were interrupted are written to the file TAVRIN_INTERRUPTED_LOG names.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

enum ECall { kOpen, kFchmod, kFsync, kRename, kCallCount };
const char* const kCallNames[kCallCount] = {"open", "fchmod", "fsync", "rename"};
int callCounts[kCallCount];

// True on every other call of `call`, the first included.
bool Interrupt(ECall call) {
    if (callCounts[call]++ % 2 == 0) {
        errno = EINTR;
        return true;
    }
    return false;
}

template <class Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

mode_t ModeArgument(int flags, va_list arguments) {
    return (flags & (O_CREAT | O_TMPFILE)) != 0 ? static_cast<mode_t>(va_arg(arguments, int)) : 0;
}

int OpenNext(const char* name, const char* path, int flags, mode_t mode) {
    if (Interrupt(kOpen)) {
        return -1;
    }
    return Next<int (*)(const char*, int, ...)>(name)(path, flags, mode);
}

struct CLogAtExit {
    ~CLogAtExit() {
        const char* log = std::getenv("TAVRIN_INTERRUPTED_LOG");
        if (log == nullptr) {
            return;
        }
        if (std::FILE* file = std::fopen(log, "w")) {
            for (int call = 0; call < kCallCount; ++call) {
                if (callCounts[call] > 0) {
                    std::fprintf(file, "%s\n", kCallNames[call]);
                }
            }
            std::fclose(file);
        }
    }
} logAtExit;

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    return OpenNext("open", path, flags, mode);
}

int open64(const char* path, int flags, ...) {
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = ModeArgument(flags, arguments);
    va_end(arguments);
    return OpenNext("open64", path, flags, mode);
}

int fchmod(int descriptor, mode_t mode) {
    return Interrupt(kFchmod) ? -1 : Next<int (*)(int, mode_t)>("fchmod")(descriptor, mode);
}

int fsync(int descriptor) {
    return Interrupt(kFsync) ? -1 : Next<int (*)(int)>("fsync")(descriptor);
}

int rename(const char* from, const char* to) {
    return Interrupt(kRename) ? -1 : Next<int (*)(const char*, const char*)>("rename")(from, to);
}

}  // extern "C"
