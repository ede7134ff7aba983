// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Clock.h"
#include "core/LocaleNames.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

// GUI tests run offscreen in US English on a fixed day, 15 May 2024, so that
// the window's lists and defaults do not depend on the machine.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    SetLocaleNames(MakeEnglishLocaleNames());
    const CScopedFixedClock clock(CLocalTime{2024, 5, 15, 12, 0, 0});
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
