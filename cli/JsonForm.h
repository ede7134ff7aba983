// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// The JSON form of a holiday document (described in docs/json-format.md). It
// mirrors the model field by field under the model's names; every integer is a
// JSON number and every text is written as TextForm.h describes, in the code
// page of the document's language.

nlohmann::ordered_json DocumentToJson(const CHolidays& document);
// The JSON text, indented by two blanks, ending with a line end.
std::string DocumentToJsonText(const CHolidays& document);

// The document a JSON value describes. A field left out keeps the default of
// its record (a new ruleset takes today's date, as NewRulesetOn gives it).
// Throws CCliError naming the place of an unknown field, a value of the wrong
// type or an integer outside its range.
CHolidays DocumentFromJson(const nlohmann::ordered_json& json);
// The same for a JSON text. A text in the form DocumentToJsonText writes is
// read in one pass (JsonInFieldOrder.h); any other goes through the JSON tree.
CHolidays DocumentFromJsonText(std::string_view text);
