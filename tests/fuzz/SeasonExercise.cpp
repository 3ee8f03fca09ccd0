#include "SeasonExercise.h"

#include "reports/GrandPrize.h"
#include "reports/Letter.h"
#include "reports/Summary.h"
#include "season/Bounds.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/TicketBacks.h"
#include "tickets/WeeklyReport.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "season file exercise: %s\n", what);
        std::abort();
    }
}

// The round trip of a season that loaded: saving accepts it, and it reads back as itself.
void roundTrip(const Season& loaded)
{
    require(boundProblems(loaded).isEmpty(), "a season that loads is refused by saving");
    const QByteArray written = seasonFileBytes(loaded);
    Season again;
    SeasonFileProblem problem;
    require(readSeasonFile(written, again, problem), "a saved season does not read back");
    again.computeDerived();
    require(again == loaded, "a saved season reads back as another season");
    require(seasonFileBytes(again) == written, "a season saved twice gives other bytes");
}

// What the commands of the program compute from a loaded season (and what they would print).
void runCommands(Session& session)
{
    const Season& season = session.season;
    // The latest stored week, as `report` without a week shows it (each command reports one week).
    const int week = season.ScoredWeeks;
    if (!weekRefusal(season, week) && weekIsStored(season, week))
        weeklyReportJobs(session, weeklyReportLines(session, week, storedScoreTexts(season, week)));
    summaryJobs(session, summaryLines(session));
    grandPrizePreviewJob(session);
    GrandPrizeLines(session);
    letterJob(session);
    if (season.TicketCount > 0) {
        ticketBackLines(season, 1, 1);
        ticketBackJob(season, season.TicketCount);
    }
}

}  // namespace

void exerciseSeasonFile(const uint8_t* data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    Session session;
    session.TodayText = todayText(QDate(2024, 11, 20));
    Season read;
    SeasonFileProblem problem;
    if (!readSeasonFile(content, read, problem)) {
        require(problem.line >= 1, "a problem without its line");
        return;
    }
    read.computeDerived();
    roundTrip(read);
    session.season = read;
    runCommands(session);
}
