#pragma once

// The child process of the start-up benchmark: shows the window named by
// `kind` ("empty-dialog" or "editor-window") in the running application and
// prints the nanoseconds from the start of its construction to the end of
// its first painted frame. Returns the process's exit code.
int RunStartupChild(const char* kind);

// The option that makes the benchmark program run as that child.
inline constexpr char kStartupChildOption[] = "--startup-child";
