#pragma once

#include "tickets/ScoreEntry.h"

struct CliContext;

// Writes a week's report (and, after the last week of the season, the annual summary) to stdout,
// and its printout to the session's printer when there is one.
void writeWeeklyOutput(CliContext& context, int week, const ScoreTexts& texts);
