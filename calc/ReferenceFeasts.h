#pragma once

#include "core/CDateTime.h"

// The three movable feasts that rules refer to by reserved IDs. Year >= 0.
CDateTime GetEasterDate(int year);          // Gregorian Easter Sunday (Gauss)
CDateTime GetOrthodoxEasterDate(int year);  // Julian Easter + 13 days
CDateTime GetAdventDate(int year);          // first Sunday of Advent
