// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/CHolidays.h"

#include <optional>
#include <string_view>

// Reads the JSON form in one pass over the text, without building a JSON
// tree, when it is written as DocumentToJsonText writes it: every object's
// fields in the order of the records' fields (any of them may be left out),
// every value of the type and range its field takes, and the texts in the
// document's code page or as {"bytes": "<hex>"}. Gives nothing for any
// other text, which DocumentFromJson then reads and, where it is faulty,
// refuses with its place. A document it gives is the one DocumentFromJson
// gives for the same text.
std::optional<CHolidays> ReadJsonInFieldOrder(std::string_view text);
