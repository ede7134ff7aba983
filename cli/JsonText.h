// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <string_view>

// The most arrays and objects open at once in a JSON text; a document needs 8.
constexpr std::size_t kMaxJsonDepth = 100;

// Parses a JSON text, refusing what nlohmann's parser would otherwise accept
// silently: a field given twice in one object (the parser keeps the last),
// and arrays and objects nested more than kMaxJsonDepth deep. Throws
// CCliError with the line and column, or with the duplicate's place (for
// example "holidays[2].rulesets[0].fixedMonth").
nlohmann::ordered_json ParseJsonText(std::string_view text);

// The kind of a JSON value for messages: "a string", "an array", "a number with
// a fraction or an exponent", ...
std::string DescribeJsonValue(const nlohmann::ordered_json& value);
