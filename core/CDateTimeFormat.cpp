// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/CDateTime.h"

#include "core/LocaleNames.h"

#include <fmt/format.h>

namespace {

// The number widths of one directive: zero-padded to 2, 3 and 4 digits, or
// all unpadded after the '#' flag.
struct NumberWidths {
    int two = 2;
    int three = 3;
    int four = 4;

    void DropPadding() { two = three = four = 0; }
};

void AppendNumber(std::string& text, int value, int width) {
    if (width == 0) {
        fmt::format_to(std::back_inserter(text), "{}", value);
    } else {
        fmt::format_to(std::back_inserter(text), "{:0{}}", value, width);
    }
}

// Hour on a 12-hour clock: 12, 1, ..., 11, 12, 1, ..., 11.
int TwelveHour(int hour) {
    if (hour >= 12) {
        hour -= 12;
    }
    return hour == 0 ? 12 : hour;
}

}  // namespace

std::string CDateTime::Format(std::string_view format) const {
    const ILocaleNames& names = CurrentLocaleNames();
    std::string text;
    NumberWidths widths;
    bool pending = false;
    for (const char c : format) {
        if (!pending) {
            // The '#' flag lasts until the next character outside a directive.
            widths = NumberWidths{};
            if (c == '%') {
                pending = true;
            } else {
                text += c;
            }
            continue;
        }
        if (c == '#') {
            widths.DropPadding();
            continue;  // still inside the directive
        }
        pending = false;
        switch (c) {
        case 'a': text += names.AbbreviatedDayName(GetDayOfWeek()); break;
        case 'A': text += names.DayName(GetDayOfWeek()); break;
        case 'b': text += names.AbbreviatedMonthName(month); break;
        case 'B': text += names.MonthName(month); break;
        case 'd': AppendNumber(text, day, widths.two); break;
        case 'H': AppendNumber(text, hour, widths.two); break;
        case 'I': AppendNumber(text, TwelveHour(hour), widths.two); break;
        case 'j': AppendNumber(text, GetDayOfYear(), widths.three); break;
        case 'm': AppendNumber(text, month, widths.two); break;
        case 'M': AppendNumber(text, minute, widths.two); break;
        case 'p': text += hour < 12 ? names.MorningDesignator() : names.AfternoonDesignator(); break;
        case 'S': AppendNumber(text, second, widths.two); break;
        case 'w': AppendNumber(text, GetDayOfWeek(), 0); break;
        case 'W': AppendNumber(text, GetWeekOfYear(), widths.two); break;
        case 'y': AppendNumber(text, year % 100, widths.two); break;
        case 'Y': AppendNumber(text, year, widths.four); break;
        default: text += c; break;  // "%%" gives '%', "%Q" gives 'Q'
        }
    }
    // A '%' at the very end adds nothing.
    return text;
}
