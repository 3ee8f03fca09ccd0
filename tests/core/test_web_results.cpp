#include "TestSeason.h"

#include "season/SafeWrite.h"
#include "season/Session.h"
#include "web/PublishedResults.h"
#include "web/ResultsSite.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

Session sessionOf(const char* season)
{
    Session session;
    session.season = dataSeason(QLatin1String(season));
    session.TodayText = QStringLiteral("November 20, 2024");
    return session;
}

QByteArray fileOf(const QVector<SiteFile>& site, const char* name)
{
    for (const SiteFile& file : site) {
        if (file.name == QLatin1String(name))
            return file.content;
    }
    ADD_FAILURE() << "no " << name;
    return {};
}

QStringList linesOf(const QByteArray& bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    lines.removeLast();  // after the last line end
    return lines;
}

// The third file written fails half-way.
struct ThirdFileFails final : FileSteps {
    int files = 0;
    bool write(QFile& file, const QByteArray& bytes, QString& error) override
    {
        if (++files != 3)
            return FileSteps::write(file, bytes, error);
        FileSteps::write(file, bytes.left(bytes.size() / 2), error);
        error = QStringLiteral("No space left on device");
        return false;
    }
};

}  // namespace

// The last regular week: every winner with pair, total, prize and amount (ties split, random
// draws), then the grand prize; an unsold winner is listed as not paid. The pages say the same.
TEST(ResultsWebPage, WinnersOfTheWeekAndTheGrandPrizeAsMailAndPage)
{
    const PublishedSeason six = publishedSeason(sessionOf("six_teams.txt"), 3);
    EXPECT_EQ(mailTextLines(six), dataLines(QStringLiteral("expected/mailtext_six_teams_week3.txt")));
    EXPECT_EQ(mailTextLines(publishedSeason(sessionOf("week_ties_small.txt"))),
              dataLines(QStringLiteral("expected/mailtext_ties_unsold.txt")));

    const QVector<SiteFile> site = resultsSite(six);
    EXPECT_EQ(linesOf(fileOf(site, "index.html")), dataLines(QStringLiteral("expected/web_six_teams_index.html")));
    EXPECT_EQ(linesOf(fileOf(site, "tickets.html")), dataLines(QStringLiteral("expected/web_six_teams_tickets.html")));
    // Week 3 of 3 regular weeks closes with the grand prize; week 2 does not, and is not yet decided.
    EXPECT_TRUE(fileOf(site, "week-03.html").contains("Grand prize, highest value"));
    EXPECT_FALSE(fileOf(site, "week-02.html").contains("Grand prize"));
    const QVector<SiteFile> early = resultsSite(publishedSeason(sessionOf("six_teams.txt"), 2));
    EXPECT_FALSE(fileOf(early, "index.html").contains("Grand prize"));
    EXPECT_TRUE(fileOf(early, "standings.html").contains("<h2>Standings after week 2</h2>"));
    EXPECT_EQ(early.size(), 1 + 2 + 4);  // index, two weeks, standings, tickets, stylesheet, script
}

// No buyer's name by default; asked for, only winners show, by first name and initial.
TEST(ResultsWebPage, OnlyWinnersFirstNamesAndOnlyWhenAsked)
{
    EXPECT_EQ(winnerShortName(QStringLiteral("  maria   de la Cruz ")), QStringLiteral("maria C."));
    EXPECT_EQ(winnerShortName(QStringLiteral("Cher")), QStringLiteral("Cher"));
    EXPECT_EQ(winnerShortName(QString()), QString());

    const Session session = sessionOf("six_teams.txt");
    for (const SiteFile& file : resultsSite(publishedSeason(session)))
        EXPECT_FALSE(file.content.contains("Buyer")) << file.name.toStdString();

    const BuyerName buyers = [](int ticket) { return QStringLiteral("Buyer%1 Zimmer").arg(ticket); };
    const PublishedSeason named = publishedSeason(session, 0, buyers);
    QSet<int> winners;
    for (const PublishedWinner& w : named.weeks.last().winners + named.grandPrize)
        winners.insert(w.ticket);
    ASSERT_FALSE(winners.isEmpty());
    const QVector<SiteFile> site = resultsSite(named);
    const QByteArray index = fileOf(site, "index.html");
    for (int ticket = 1; ticket <= session.season.TicketCount; ++ticket) {
        const QByteArray name = QStringLiteral("<td data-label=\"Winner\">Buyer%1 Z.</td>").arg(ticket).toUtf8();
        EXPECT_EQ(index.contains(name), winners.contains(ticket)) << ticket;
    }
    for (const SiteFile& file : site) {
        EXPECT_FALSE(file.content.contains("Zimmer")) << file.name.toStdString();
        if (file.name == QLatin1String("tickets.html") || file.name == QLatin1String("standings.html"))
            EXPECT_FALSE(file.content.contains("Buyer")) << file.name.toStdString();
    }
}

// A page that cannot be written is named with the reason; it and every page after it stay as
// they were. A folder that cannot be made is named.
TEST(ResultsWebPage, AFailedWriteKeepsTheOldPages)
{
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Web/club"));
    const QVector<SiteFile> before = resultsSite(publishedSeason(sessionOf("six_teams.txt"), 2));
    ASSERT_TRUE(writeResultsSite(folder, before).written);

    const QVector<SiteFile> after = resultsSite(publishedSeason(sessionOf("six_teams.txt"), 3));
    ThirdFileFails steps;
    const SiteWriting writing = writeResultsSite(folder, after, &steps);
    EXPECT_FALSE(writing.written);
    EXPECT_TRUE(writing.failedFile.endsWith(QStringLiteral("week-02.html"))) << writing.failedFile.toStdString();
    EXPECT_EQ(writing.why, QStringLiteral("No space left on device"));
    EXPECT_TRUE(fileHolds(folder + QStringLiteral("/index.html"), fileOf(after, "index.html")));
    EXPECT_TRUE(fileHolds(folder + QStringLiteral("/week-02.html"), fileOf(before, "week-02.html")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/week-03.html")));

    ASSERT_TRUE(writeFile(home.filePath(QStringLiteral("plain")), "x"));
    const SiteWriting blocked = writeResultsSite(home.filePath(QStringLiteral("plain/Web")), after);
    EXPECT_FALSE(blocked.written);
    EXPECT_TRUE(blocked.failedFile.endsWith(QStringLiteral("Web")));
}
