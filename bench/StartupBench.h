// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QSize;

// The child process of the start-up benchmark: shows the window named by
// `kind` ("empty-dialog" or "editor-window") in the running application, an
// empty dialog at `size` when one is given, and prints "shown" once its first
// frame is painted. Returns the process's exit code.
int RunStartupChild(const char* kind, const QSize& size);

// The option that makes the benchmark program run as that child.
inline constexpr char kStartupChildOption[] = "--startup-child";
