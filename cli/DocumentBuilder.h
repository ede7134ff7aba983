#pragma once

#include "model/CHolidays.h"

#include <cstdint>
#include <vector>

// A document holding exactly these holidays in this order, repeated IDs and
// all, as a loaded file may hold them (SetHoliday would merge repeated IDs).
CHolidays BuildDocument(LCID language, std::int32_t version, const std::vector<CHoliday>& holidays);
