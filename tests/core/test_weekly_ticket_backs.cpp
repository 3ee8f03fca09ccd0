#include "TestSeason.h"
#include "TestFiles.h"

#include "tickets/TicketBacks.h"

#include <gtest/gtest.h>

TEST(TicketBacks, RangeChecks)
{
    const Season s = weeklySeason(32, 17, 4);
    const Refusal outside{MessageId::TicketOutOfRange, {"496"}};
    EXPECT_EQ(ticketRangeRefusal(s, 0, 5), outside);
    EXPECT_EQ(ticketRangeRefusal(s, 1, 497), outside);
    EXPECT_EQ(ticketRangeRefusal(s, 10, 5), (Refusal{MessageId::LastTicketBeforeFirst, {}}));
    EXPECT_FALSE(ticketRangeRefusal(s, 7, 7));
    EXPECT_FALSE(ticketRangeRefusal(s, 1, 496));
    EXPECT_EQ(ticketRangeRefusal(weeklySeason(1, 17), 1, 1)->id, MessageId::TicketOutOfRange);
}

TEST(TicketBacks, BlankLinesAroundTheWeeks)
{
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 17, 4)), (TicketBackMargins{4, 2}));  // 22 lines
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 16, 0)), (TicketBackMargins{6, 6}));  // 6.5 -> 6
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 28, 0)), (TicketBackMargins{0, 1}));  // 0.5 -> 0
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 25, 2)), (TicketBackMargins{0, 1}));  // 28 lines
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 27, 1)), (TicketBackMargins{0, 0}));  // 29 lines
    EXPECT_EQ(ticketBackMargins(weeklySeason(32, 29, 0)), (TicketBackMargins{0, 0}));
}

TEST(TicketBacks, ListLinesOfATicket)
{
    Season s = weeklySeason(4, 2, 1);
    s.TeamName[4] = QStringLiteral("Thirteen Char");
    // Ticket 2: week 1 pair 2 (1,3); week 2 pair 6 (3,4); week 3 pair 10 - 6 = 4 (2,3).
    EXPECT_EQ(ticketBackLines(s, 2), dataLines("expected/ticket_back_2.txt"));
    // No playoffs: no "Playoffs" line; playoffs only: none before week 1 either.
    EXPECT_FALSE(ticketBackLines(weeklySeason(4, 3, 0), 1).contains(QStringLiteral("Playoffs")));
    EXPECT_FALSE(ticketBackLines(weeklySeason(4, 0, 3), 1).contains(QStringLiteral("Playoffs")));
}

TEST(TicketBacks, PrintedBackOfATicket)
{
    Season s = weeklySeason(4, 2, 1);  // 4 lines: 12 blank lines above, 12 below
    PrintJob expected(QStringLiteral("Ticket back 2"));
    expected.fontName(QStringLiteral("Courier New")).bold(true).fontSize(7.68);
    for (int n = 0; n < 12; ++n)
        expected.line();
    for (const QString& line : ticketBackWeekLines(s, 2))
        expected.line(QLatin1Char(' ') + line);
    for (int n = 0; n < 12; ++n)
        expected.line();
    expected.fontSize(14).line(QStringLiteral("        2")).line().line().line(QStringLiteral("        2")).endDoc();
    EXPECT_EQ(ticketBackJob(s, 2), expected);
}
