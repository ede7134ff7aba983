// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the environment names a display for the editor's window: DISPLAY
// (X11) or WAYLAND_DISPLAY, or QT_QPA_PLATFORM choosing a platform of Qt's
// (offscreen, for example). Without one, building the application object
// would end the program with Qt's abort; the program says so instead.
bool HasDisplay();

// What the program prints without a display: one line, newline included.
inline constexpr char kNoDisplayMessage[] =
    "tavrin: there is no display to open the editor window on (DISPLAY and WAYLAND_DISPLAY are not set)\n";
inline constexpr int kNoDisplayExitCode = 2;
