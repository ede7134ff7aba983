// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LocaleNames.h"

#include <gtest/gtest.h>

// Unit tests see fixed US English names, whatever the machine's locale.
int main(int argc, char** argv) {
    SetLocaleNames(MakeEnglishLocaleNames());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
