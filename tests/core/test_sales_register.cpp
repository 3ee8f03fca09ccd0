#include "SeasonHome.h"
#include "TestSeason.h"

#include "annual/UnsoldSequences.h"
#include "files/BackupRestore.h"
#include "files/FileOperations.h"
#include "sales/Payouts.h"
#include "sales/SalesRegister.h"
#include "season/Backups.h"
#include "season/SeasonFile.h"
#include "tickets/Winnings.h"
#include "tickets/WeeklyReport.h"

#include <QFileInfo>

#include <filesystem>

namespace {

SalesRegister awkwardRegister()
{
    SalesRegister reg;
    reg.set(1, {"O'Brien, \"Red\" Pat", "12 Rue de l'Été\nMontréal, QC", "555-0101", "pat@example.org", "Zoë", 1250,
                QDate(2024, 9, 3), "paid, \"cash\""});
    reg.set(7, {" Lead and trail ", "", "", "", "", 0, {}, "line1\r\nline2"});
    reg.set(496, {"Ann", "", "", "", "Bob", 500, {}, ""});
    return reg;
}

Sale buyer(const QString& name)
{
    Sale sale;
    sale.name = name;
    return sale;
}

}  // namespace

TEST(SalesRegister, RoundTripsAwkwardTextsAndAnEmptyRegister)
{
    for (const SalesRegister& reg : {awkwardRegister(), SalesRegister()}) {
        const QByteArray bytes = registerFileBytes(reg);
        EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFTicket,Name,Address,Phone,E-mail,Sold by,Paid,Paid on,Note\r\n"));
        SalesRegister read;
        EXPECT_EQ(readRegister(bytes, read), std::nullopt);
        EXPECT_EQ(read, reg);
    }
    EXPECT_TRUE(registerFileBytes(awkwardRegister()).contains("1,\"O'Brien, \"\"Red\"\" Pat\",\"12 Rue de l'Été\nMontréal, QC\""));

    SeasonHome home;
    QDir().mkpath(home.filesFolder());
    ASSERT_TRUE(SaveRegister(home.session, awkwardRegister()));
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::status(home.file("Kickpool.sales.csv").toStdString()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    SalesRegister loaded;
    EXPECT_EQ(LoadRegister(home.session, loaded), RegisterLoad::Loaded);
    EXPECT_EQ(loaded, awkwardRegister());
}

TEST(SalesRegister, DamagedFileIsNamedWithItsLineCopiedAndLeftAlone)
{
    SeasonHome home;
    const QByteArray damaged = "\xEF\xBB\xBFTicket,Name,Address,Phone,E-mail,Sold by,Paid,Paid on,Note\r\n"
                               "1,Ann,\"two\nlines\",,,,5,,\r\n"
                               "2,Bob,,,,,five,,\r\n";
    home.put("Kickpool.sales.csv", damaged);
    SalesRegister reg = awkwardRegister();
    EXPECT_EQ(LoadRegister(home.session, reg), RegisterLoad::Damaged);
    EXPECT_TRUE(reg.sales().empty());
    EXPECT_EQ(home.dialogs.messages, QVector<MessageId>{MessageId::DamagedRegister});
    const QStringList copies = QDir(home.filesFolder()).entryList({"Kickpool.sales.damaged-*.csv"});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(home.lastMessageWas(MessageId::DamagedRegister,
                                    {QDir::toNativeSeparators(home.file("Kickpool.sales.csv")), "4",
                                     "an amount paid expected, \"five\" found", copies[0]}));
    EXPECT_EQ(readFile(home.file("Kickpool.sales.csv")), damaged);
    EXPECT_EQ(readFile(home.file(copies[0])), damaged);
    // An unclosed quote is not CSV at all.
    EXPECT_NE(readRegister("Ticket\r\n\"1,Ann\r\n", reg), std::nullopt);
}

TEST(SalesRegister, FollowsItsSeasonThroughEveryFileOperation)
{
    SeasonHome home;
    home.writeSeasonFile(fourTeamFile());
    home.put("Kickpool.sales.csv", "current register");
    home.put("Kickpool.payouts.csv", "current payouts");
    for (int n = 0; n < 8; ++n)
        home.dialogs.answerMessage(Answer::Yes);

    ASSERT_EQ(saveFile(home.session, "Spring").result, FileResult::Done);
    EXPECT_EQ(readFile(home.file("Spring.sales.csv")), "current register");
    EXPECT_EQ(readFile(home.file("Spring.payouts.csv")), "current payouts");

    ASSERT_EQ(renameFile(home.session, "Spring.txt", "Autumn").result, FileResult::Done);
    EXPECT_FALSE(QFileInfo::exists(home.file("Spring.sales.csv")));
    EXPECT_EQ(readFile(home.file("Autumn.sales.csv")), "current register");

    home.put("Kickpool.sales.csv", "changed register");
    ASSERT_EQ(restoreFile(home.session, "Autumn.txt").result, FileResult::Done);
    EXPECT_EQ(readFile(home.file("Kickpool.sales.csv")), "current register");
    // The register replaced by the restore went into the backup with its season.
    const QVector<BackupEntry> backups = listBackups(home.filesFolder());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(backups[0].withRegister);
    const QString backupRegister = backupsFolder(home.filesFolder()) + "/" + registerFileName(backups[0].name);
    EXPECT_EQ(readFile(backupRegister), "changed register");

    ASSERT_EQ(restoreBackup(home.session, backups[0].name).result, FileResult::Done) << home.dialogs.messageTexts.last().join("\n").toStdString();
    EXPECT_EQ(readFile(home.file("Kickpool.sales.csv")), "changed register");
    EXPECT_EQ(listBackups(home.filesFolder()).size(), 2);

    ASSERT_EQ(deleteFile(home.session, "Autumn.txt").result, FileResult::Done);
    EXPECT_FALSE(QFileInfo::exists(home.file("Autumn.sales.csv")));
    EXPECT_FALSE(QFileInfo::exists(home.file("Autumn.payouts.csv")));
}

TEST(SalesRegister, TicketsWithoutABuyerBecomeTheUnsoldSequencesByTheAnnualRules)
{
    Season season = testSeason(32, 17);
    season.computeDerived();
    SalesRegister reg;
    for (int t = 1; t <= 496; ++t) {
        if (t < 401 || t > 460)
            reg.set(t, buyer("B"));
    }
    reg.set(430, buyer("Kept"));
    const QStringList sequences = unsoldFromRegister(season, reg);
    EXPECT_EQ(sequences, (QStringList{"401,429", "431,460"}));
    Season marked = season;
    EXPECT_EQ(setUnsoldSequences(marked, sequences), std::nullopt);
    // The annual data screen's count of the same sequences typed in.
    Season typed = season;
    setUnsold(typed, sequences);
    EXPECT_EQ(marked.SoldCount, countSold(typed));
    EXPECT_EQ(marked.SoldCount, 437);
    EXPECT_EQ(marked.UnsoldSeq[2], "431,460");

    // 49 runs cannot be kept; the season stays as it was.
    SalesRegister gaps;
    for (int t = 2; t <= 96; t += 2)
        gaps.set(t, buyer("B"));
    Season before = season;
    EXPECT_EQ(setUnsoldSequences(before, unsoldFromRegister(season, gaps)),
              (Refusal{MessageId::TooManyUnsoldRuns, {"49"}}));
    EXPECT_EQ(before, season);
    // A buyer for a ticket not for sale is refused.
    EXPECT_EQ(fieldRefusal(marked, 405, SaleField::Name, "Zed"), (Refusal{MessageId::TicketNotForSale, {"405"}}));
    EXPECT_EQ(fieldRefusal(marked, 430, SaleField::Name, "Zed"), std::nullopt);
}

TEST(SalesRegister, WinnersToPayAreTheWeeklyReportsWinners)
{
    qsizetype compared = 0;
    for (const char* name : {"riverside.txt", "week_ties_small.txt", "grand_prize_ties.txt"}) {
        const Season season = dataSeason(name);
        Session session;
        session.season = season;
        for (int week = 1; week <= season.ScoredWeeks; ++week) {
            QStringList paid;
            for (const WinnerToPay& w : winnersToPay(season, week))
                paid << (w.unsold ? Winnings(w.ticket, w.cents, true).first() : paymentLine(w.ticket, w.cents));
            QStringList reported;
            for (const QString& line : weeklyReportLines(session, week))
                if (line.startsWith("    ") && line.contains("$") && !line.contains("Next"))
                    reported << line;
            if (week == season.RegularWeeks)
                for (const WinnerToPay& w : winnersToPay(season, GrandPrizeWeek))
                    paid << (w.unsold ? Winnings(w.ticket, w.cents, true).first() : paymentLine(w.ticket, w.cents));
            EXPECT_EQ(paid, reported) << name << " week " << week;
            compared += paid.size();
        }
    }
    EXPECT_GT(compared, 40);
}

TEST(SalesRegister, ImportListsTheRowsItCannotTake)
{
    Season season = testSeason(32, 17);
    setUnsold(season, {"401,450"});
    QVector<QStringList> rows;
    ASSERT_EQ(readCsvRows("No,Buyer,Tel,Amount\n3,Ann,555,5\nx,Bob,,\n405,Cy,,\n3,Dup,,\n9,Di,,lots\n10,Ed,,1.234\n11,Flo,,\"$1,000.5\"\n",
                          rows),
              std::nullopt);
    const ImportResult result = importRows(
        season, rows, mapColumns(rows[0], {{SaleField::Ticket, "No"}, {SaleField::Name, "Buyer"},
                                            {SaleField::Phone, "Tel"}, {SaleField::Paid, "Amount"}}));
    EXPECT_EQ(result.refused, (QVector<ImportRefusal>{{3, "no ticket number (\"x\")"},
                                                      {4, "ticket 405 is not for sale (an unsold sequence)"},
                                                      {5, "ticket 3 was given on an earlier row"},
                                                      {6, "Paid \"lots\" cannot be read"},
                                                      {7, "Paid \"1.234\" cannot be read"}}));
    ASSERT_EQ(result.taken.size(), 2u);
    EXPECT_EQ(result.taken.at(11).paidCents, 100050);
    EXPECT_EQ(result.taken.at(3).phone, "555");
    EXPECT_EQ(result.taken.at(3).paidCents, 500);
}
