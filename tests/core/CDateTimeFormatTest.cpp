// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"
#include "core/LocaleNames.h"

#include <gtest/gtest.h>

#include <vector>

// The test main installs the fixed US English names.

namespace {

CDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    CDateTime value;
    value.SetDateTime(year, month, day, hour, minute, second);
    return value;
}

struct Case {
    CDateTime value;
    const char* format;
    const char* expected;
};

}  // namespace

TEST(DateFormat, DirectivesFlagsAndLiterals) {
    const CDateTime april5 = At(2007, 4, 5);
    const std::vector<Case> cases = {
        {april5, "%d.%m.%Y", "05.04.2007"},
        {april5, "%#d.%#m.%#Y", "5.4.2007"},
        {april5, "%j", "095"},
        {april5, "%#j", "95"},
        {april5, "%#d.%m", "5.04"},  // the flag belongs to its directive only
        {april5, "%##d", "5"},       // repeated flags stay inside the directive
        {april5, "%a %A %b %B", "Thu Thursday Apr April"},
        {april5, "%d %b\t", "05 Apr\t"},
        {april5, "%W %#W", "14 14"},
        {At(2007, 1, 1), "%W %#W", "01 1"},
        {At(7, 1, 1), "%Y %y", "0007 07"},
        {At(2007, 4, 8), "%w", "6"},  // Sunday
        {At(2007, 4, 2), "%w %#w", "0 0"},
        {At(2007, 4, 5, 0, 5, 9), "%H:%M:%S %I %p", "00:05:09 12 AM"},
        {At(2007, 4, 5, 12, 0, 0), "%I %p", "12 PM"},
        {At(2007, 4, 5, 13, 0, 0), "%I %#I %H", "01 1 13"},
        {At(2007, 4, 5, 23, 59, 59), "%I:%M:%S %p", "11:59:59 PM"},
        {At(2007, 12, 31), "%j", "365"},
        {At(2008, 12, 31), "%j", "366"},
        {april5, "100%%", "100%"},
        {april5, "%%d", "%d"},
        {april5, "%Q %c %x %U %Z", "Q c x U Z"},
        {april5, "%#Q%d", "Q05"},
        {april5, "50%", "50"},  // a trailing '%' adds nothing
        {april5, "%#", ""},
        {april5, "", ""},
        {april5, "plain text", "plain text"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value.Format(c.format), c.expected) << "format \"" << c.format << "\"";
    }
}

TEST(DateFormat, DumpUsesDayMonthYearAndTime) {
    EXPECT_EQ(At(2007, 4, 5).Dump(), "05.04.2007, 00:00:00");
    EXPECT_EQ(At(9999, 12, 31, 23, 59, 59).Dump(), "31.12.9999, 23:59:59");
}
