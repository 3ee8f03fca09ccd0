#pragma once

#include "tickets/ScoreEntry.h"

class SelectionHost;

// A week's report on the main screen once its scores are known, the same whichever way they were
// entered: the report (and after the last week of the season the annual summary) in the list
// and, with the printer box ticked, on paper; a printed summary is then listed alone.
void showWeek(SelectionHost& host, int week, const ScoreTexts& texts);
