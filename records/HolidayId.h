// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// A holiday ID is a text key, unique in a document and compared exactly
// (case-sensitive). References in rules and shift rules are plain ID texts.

// The reserved IDs of the three reference feasts, in the order the editor
// lists them.
inline constexpr std::string_view kEasterReferenceId = "EASTER_REF";
inline constexpr std::string_view kOrthodoxEasterReferenceId = "ORTHODOX_EASTER_REF";
inline constexpr std::string_view kAdventReferenceId = "ADVENT_REF";
inline constexpr std::array<std::string_view, 3> kReferenceIds = {kEasterReferenceId, kOrthodoxEasterReferenceId,
                                                                  kAdventReferenceId};

// True for one of the three reserved IDs (exact, case-sensitive).
bool IsReferenceId(std::string_view id);

// The longest ID the editor accepts, in bytes of the document's code page.
inline constexpr std::size_t kMaxIdLength = 64;

// What keeps a text from being an ID the editor gives a new holiday, besides
// an ID the document already has and the length.
enum class EIdProblem {
    Empty,
    Reserved,  // one of the reference feasts' IDs
    Comma,     // holds a comma
};

// The problems of the ID, in the order the editor checks them.
std::vector<EIdProblem> IdProblems(std::string_view id);
