// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

// A failure of a tavrin-cli command, with a message for the user. The command
// runner prints it to standard error and ends with exit code 2.
class CCliError : public std::runtime_error {
public:
    explicit CCliError(const std::string& message) : std::runtime_error(message) {}
};
