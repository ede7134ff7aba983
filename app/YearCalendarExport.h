// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <filesystem>

// `tavrin --export-year-calendar FILE YEAR OUT.pdf`: the year calendar of
// the holiday file as File > Export Year Calendar writes it, without a
// window. Needs an application object (fonts), on any platform. Returns
// the exit code: 0, or 2 after a message on `errors`.
int ExportYearCalendar(const std::filesystem::path& file, int year, const std::filesystem::path& output,
                       std::FILE* errors);
