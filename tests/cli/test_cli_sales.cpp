#include "CliRunner.h"
#include "PdfReadBack.h"

#include <gtest/gtest.h>

// A buyer typed in, refused input leaving it alone, the winner shown with the buyer, a payout
// marked, and the addressed letter printed and read back from its PDF.
TEST(CliSales, BuyerWinnerPayoutAndAddressedLetter)
{
    const CliHome home;
    EXPECT_EQ(home.run({"sales", "set", "43", "--name", "Ann Lee", "--address", "1 Elm St\nSpringfield", "--phone",
                        "555-0101", "--seller", "Bob", "--paid", "10"})
                  .status,
              0);
    const CliRun refused = home.run({"sales", "set", "43", "--paid", "ten", "--name", "Other"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.startsWith("INPUT ERROR\n")) << refused.err.toStdString();
    const CliRun shown = home.run({"sales", "show", "43"});
    EXPECT_EQ(shown.out, "Ticket: 43\nName: Ann Lee\nAddress: 1 Elm St / Springfield\nPhone: 555-0101\nE-mail: \n"
                         "Sold by: Bob\nPaid: 10.00\nPaid on: \nNote: \n");

    const QString annLine = "    43  Low                  $50.00  Ann Lee                555-0101";
    CliRun winners = home.run({"winners", "3"});
    EXPECT_TRUE(winners.out.contains(annLine + "\n")) << winners.out.toStdString();
    EXPECT_EQ(home.run({"payout", "3", "43", "--ref", "Cheque 1001"}).status, 0);
    winners = home.run({"winners", "3"});
    EXPECT_TRUE(winners.out.contains(annLine + "       2024-11-20 Cheque 1001\n")) << winners.out.toStdString();
    EXPECT_TRUE(winners.out.contains("Season: paid out so far $50.00   still to pay ")) << winners.out.toStdString();
    EXPECT_EQ(home.run({"payout", "3", "44", "--ref", "x"}).status, 1);
    EXPECT_EQ(home.run({"winners", "grand"}).err,
              "GRAND PRIZE NOT DECIDED\nThe grand prize is decided in week # 17\nWeek # 17 MUST be entered first\n");

    const CliRun letters = home.run({"letters", "--pdf", home.filePath("letters.pdf")});
    EXPECT_EQ(letters.out, "Letter to ticket 43\n");
    const QStringList page = simplifiedLines(pdfLines(home.filePath("letters.pdf")));
    for (const QString& expected : {"Ann Lee", "1 Elm St", "Springfield", "Dear Ann Lee,",
                                    "Congratulations! Your ticket # 43 has won:", "Week 3, Sep 27 Low $50.00"})
        EXPECT_TRUE(page.contains(expected)) << expected.toStdString() << "\n" << page.join("\n").toStdString();
}

// A spreadsheet's CSV with its own headings and a bad row; nothing written without --yes; then
// the tickets without a buyer become the unsold sequences.
TEST(CliSales, ImportThenTicketsWithoutABuyerBecomeUnsold)
{
    const CliHome home;
    ASSERT_TRUE(writeFile(home.filePath("club.csv"), "No,Buyer,Tel\n2,\"Smith, Jo\",555\nabc,Bad,\n1,Kim,\n"));
    const QStringList import{"sales", "import", home.filePath("club.csv"), "--map", "ticket=No,name=Buyer,phone=Tel"};
    const QString preview = "Column \"No\": Ticket\nColumn \"Buyer\": Name\nColumn \"Tel\": Phone\n"
                            "Row 3 not taken: no ticket number (\"abc\")\n2 rows taken, 1 not taken\n";
    const CliRun dry = home.run(import);
    EXPECT_TRUE(dry.status == 2 && dry.out == preview) << dry.out.toStdString();
    EXPECT_FALSE(QFile::exists(home.filePath("Files/Kickpool.sales.csv")));
    EXPECT_EQ(home.run(import + QStringList{"--yes"}).out, preview);
    EXPECT_EQ(home.run({"sales", "list", "--csv"}).out,
              "Ticket,Name,Address,Phone,E-mail,Sold by,Paid,Paid on,Note\n1,Kim,,,,,,,\n2,\"Smith, Jo\",,555,,,,,\n");

    const QByteArray season = home.seasonBytes();
    EXPECT_EQ(home.run({"sales", "unsold"}).status, 2);
    EXPECT_EQ(home.seasonBytes(), season);
    const CliRun unsold = home.run({"sales", "unsold", "--yes"});
    EXPECT_EQ(unsold.out, "3,496\nTickets sold: 2\n");
    EXPECT_EQ(home.session().season.SoldCount, 2);
    EXPECT_EQ(home.run({"sales", "set", "9", "--name", "Late"}).err,
              "NOT FOR SALE\nTicket # 9 is in an unsold sequence\nand cannot have a buyer.\nChange the unsold sequences first\n");
}
