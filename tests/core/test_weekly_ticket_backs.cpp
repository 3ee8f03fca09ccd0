#include "TestSeason.h"

#include "tickets/TicketBacks.h"

#include <gtest/gtest.h>

TEST(TicketBacks, HelpLinesAndRangeChecks)
{
    const Season s = weeklySeason(32, 17, 4);
    EXPECT_EQ(ticketBackHelpLines(s),
              (QStringList{
                  QStringLiteral("\"First Ticket #\" is first ticket number in sequence to be printed."),
                  QStringLiteral("Value is any number from 1 to 496 inclusive."),
                  QString(),
                  QStringLiteral("\"First Ticket #\" must be smaller than, or equal to, \"Last Ticket #.\""),
                  QString(),
                  QStringLiteral("\"Last Ticket #\" is last ticket number in sequence to be printed."),
                  QStringLiteral("Value is any number from \"First Ticket #\" to 496 inclusive."),
                  QString(),
                  QStringLiteral("\"# To Print Before Pause\" is number of tickets that will print "),
                  QStringLiteral("before printer output is paused."),
                  QString(),
                  QStringLiteral("After each data entry, press 'Enter'."),
              }));

    EXPECT_EQ(ticketRangeRefusal(s, 0, 5), 6);
    EXPECT_EQ(ticketRangeRefusal(s, 497, 497), 6);
    EXPECT_EQ(ticketRangeRefusal(s, 1, 497), 6);
    EXPECT_EQ(ticketRangeRefusal(s, 10, 5), 5);
    EXPECT_EQ(ticketRangeRefusal(s, 5, 0), 5);
    EXPECT_EQ(ticketRangeRefusal(s, 7, 7), 0);
    EXPECT_EQ(ticketRangeRefusal(s, 1, 496), 0);
    EXPECT_EQ(ticketRangeRefusal(weeklySeason(1, 17), 1, 1), 6);
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
    EXPECT_EQ(ticketBackLines(s, 2), (QStringList{
                                         QString(),
                                         QString(),
                                         QStringLiteral("# 2"),
                                         QStringLiteral("    WEEK"),
                                         QStringLiteral("   ENDING  TEAM 1        TEAM 2"),
                                         QStringLiteral("-- ------ -----------   ------------"),
                                         QStringLiteral(" 1 Sep 01 Team 01       Team 03      "),
                                         QStringLiteral(" 2 Sep 02 Team 03       Thirteen Char"),
                                         QStringLiteral("Playoffs"),
                                         QStringLiteral(" 3 Jan 01 Team 02       Team 03      "),
                                         QString(),
                                     }));
    EXPECT_EQ(ticketBackLines(s, 1, 6).size(), 6 * 11);
    EXPECT_EQ(ticketBackLines(s, 1, 6).mid(11, 11), ticketBackLines(s, 2));

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
    EXPECT_EQ(ticketBackJob(s, 2).lines()[12], QStringLiteral("     WEEK"));
    EXPECT_EQ(ticketBackJob(s, 2).lines()[17], QStringLiteral(" Playoffs"));

    const double weekSizes[] = {7.68, 8.4, 9.12, 9.6, 9.84};
    const double numberSizes[] = {14, 16, 18, 20, 20};
    for (int size = 0; size <= 4; ++size) {
        s.TicketSize = size;
        QVector<double> sizes;
        const PrintJob job = ticketBackJob(s, 1);
        for (const PrintOp& op : job.ops()) {
            if (op.kind == PrintOp::Kind::FontSize)
                sizes.append(op.value);
        }
        EXPECT_EQ(sizes, (QVector<double>{weekSizes[size], numberSizes[size]})) << "ticket size " << size;
    }
}
