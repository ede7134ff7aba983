// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// A holiday file that cannot be loaded: it ends early, claims more than it
// holds, or uses a text encoding this reader does not support. The message
// says what was being read and at which byte, in words a user understands,
// for example "the file ends inside holiday 3 of 5, at byte 1234".
class CHolidayFileError : public std::runtime_error {
public:
    CHolidayFileError(const std::string& message, std::size_t byteOffset)
        : std::runtime_error(message), offset(byteOffset) {}
    std::size_t Offset() const { return offset; }

private:
    std::size_t offset;
};
