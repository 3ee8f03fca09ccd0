#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "season/Session.h"

namespace {

QStringList sectionOf(const Season& season)
{
    Session session;
    session.season = season;
    return GrandPrizeLines(session);
}

QStringList expectedSection(const char* name)
{
    return dataLines(QStringLiteral("expected/grand_prize_%1.txt").arg(QLatin1String(name)));
}

}  // namespace

TEST(GrandPrizeSection, TiesUnsoldTicketsAndSwitchedOffPrizes)
{
    // Four teams, two regular weeks with byes and a playoff week that must not count; grand
    // prizes 500 and 250, ties paid in full, unsold winners not paid. Week 1 tickets hold pairs
    // 1..6 = (1,2) (1,3) (1,4) (2,3) (2,4) (3,4); week 2 shifts by four. Scores: week 1 10 20
    // (bye) 5, week 2 (bye) (bye) 7 3, playoff week 100 each. Ticket values, week 1:
    // 30 10 15 20 25 5 (team 3's bye leaves its partner's score); week 2: 3 10 0 7 3 7 (pair (1,2)
    // had two byes).
    Season s = dataSeason("grand_prize_byes.txt");
    EXPECT_EQ(seasonRanking(s, 2), (QVector<TicketStanding>{{1, 33}, {5, 28}, {4, 27}, {2, 20}, {3, 15}, {6, 12}}));
    EXPECT_EQ(sectionOf(s), expectedSection("one_each"));
    // Tickets 6 and 1 unsold. Not paid: they stay the winners and are reported as not paid.
    // Passed on: the lowest and highest sold tickets win instead.
    setUnsold(s, {"6,6", "1,1"});
    EXPECT_EQ(sectionOf(s), expectedSection("unsold_not_paid"));
    s.setUnsoldRule(UnsoldRule::NextSold);
    EXPECT_EQ(sectionOf(s), expectedSection("unsold_next_sold"));
    // With every ticket unsold nobody is left to win.
    setUnsold(s, {"1,6"});
    EXPECT_TRUE(sectionOf(s).isEmpty());

    // One regular week: tickets 1, 2 and 4 tie at 20 on top, tickets 3, 5 and 6 at 10 below.
    s = dataSeason("grand_prize_ties.txt");
    setRules(s, true, false);
    EXPECT_EQ(sectionOf(s), expectedSection("ties_split"));
    setRules(s, false, false);
    EXPECT_EQ(sectionOf(s), expectedSection("ties_full"));
    // A prize switched off gives no lines for it.
    s.setPrizeOn(Prize::GrandHigh, false);
    EXPECT_EQ(sectionOf(s), expectedSection("ties_full").mid(0, 8));
}

TEST(GrandPrizeStandings, ByPositionAndByTicket)
{
    // Six teams scoring 10, 20, .. 60 in the regular week and 900 each in the playoff week, which
    // does not count; tickets 13 and 14 unsold and passed on.
    Session session;
    session.TodayText = QStringLiteral("November 20, 2024");
    session.season = dataSeason("standings_six_teams.txt");
    const QStringList expected = dataLines("expected/standings_six_teams.txt");
    EXPECT_EQ(grandPrizePreviewLines(session), expected);
    EXPECT_EQ(grandPrizePreviewJob(session).lines(), expected);

    // 496 tickets before any scores, all values 0: both listings in ascending ticket order,
    // running down the columns; rows 97 to 100 end beyond the last ticket. (How the listings
    // break into pages is checked on kickpool-cli's printout of the Riverside standings.)
    session.TodayText = QStringLiteral("September 1, 2024");
    session.season = testSeason(32, 17, 4);
    EXPECT_EQ(grandPrizePreviewLines(session), dataLines("expected/standings_496_no_scores.txt"));
}
