#pragma once

#include <QString>

#include <array>

#include "season/Season.h"

// Sorts TeamName(1..count) ascending by character codes (capitals before small letters), the
// empty names last. A name beginning "NY" sorts as if it began "Ny", among the names beginning
// with "N" and a small letter; every name beginning "NY", "Ny" or "ny" ends up beginning "NY".
void sortTeamNames(std::array<QString, MaxTeams + 1>& names, int count);
