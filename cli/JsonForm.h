// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The JSON form of a holiday document (described in docs/json-format.md). It
// mirrors the model field by field under the model's names; every integer is a
// JSON number and every text is written as TextForm.h describes, in the code
// page of the document's language.

// Takes the JSON text piece by piece, in order.
using JsonPieceWriter = std::function<void(std::string_view piece)>;

// The JSON text, indented by two blanks, ending with a line end, handed to
// `piece` in pieces of about a mebibyte: a large document's text is never
// whole in memory.
void WriteDocumentJson(const CHolidays& document, const JsonPieceWriter& piece);
// The number of bytes of that text.
std::uint64_t DocumentJsonSize(const CHolidays& document);
// The whole text at once.
std::string DocumentToJsonText(const CHolidays& document);

// The document a JSON text describes, its fields in any order. A field left
// out keeps the default of its record; a new ruleset takes today's date
// (NewRulesetOn), the same for every ruleset of the text. Every value is
// read, unknown fields' values too, so that every byte of the text is
// checked. Throws CCliError for a text that is not valid JSON, that nests
// arrays and objects more than kMaxJsonDepth deep, or that holds an unknown
// field, a field given twice in one object, a value of the wrong type or an
// integer outside its range, naming the place (for example
// "holidays[2].rulesets[0].fixedMonth") and its line and column.
CHolidays DocumentFromJsonText(std::string_view text);
// The same for a text read into memory, which the parser reads in place
// (after padding it at the end) instead of copying it.
CHolidays DocumentFromJsonBytes(std::vector<std::uint8_t> bytes);
