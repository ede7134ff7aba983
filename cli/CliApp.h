// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

// Runs tavrin-cli with the arguments after the program name and `in` as
// standard input; returns the exit code (0 success, 1 check found something,
// 2 error or wrong usage).
int RunTavrinCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& errors);
