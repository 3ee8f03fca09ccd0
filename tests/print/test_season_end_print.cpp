#include "JobRenderer.h"
#include "reports/GrandPrize.h"
#include "reports/Summary.h"
#include "season/Season.h"
#include "season/Session.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A 32-team season: 17 regular and 4 playoff weeks, 3 weeks scored, both grand prizes on.
Session thirtyTwoTeams()
{
    Session session;
    session.TodayText = QStringLiteral("October 4, 2024");
    Season& s = session.season;
    s.FrontText[1] = QStringLiteral("Lions Club");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.TicketPrice = 5;
    s.TeamCount = 32;
    for (int t = 1; t <= 32; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t);
    s.RegularWeeks = 17;
    for (int w = 1; w <= 17; ++w)
        s.RegularDate[w] = QStringLiteral("Sep%1").arg(w, 3);
    s.PlayoffWeeks = 4;
    for (int w = 1; w <= 4; ++w)
        s.PlayoffDate[w] = QStringLiteral("Jan%1").arg(w, 3);
    for (int p : {1, 2, 4, 7, 8, 9, 11})
        s.PrizeOption[p] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[14] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 50;
    s.PrizeValue[4] = 25;
    s.PrizeValue[7] = 500;
    s.PrizeValue[8] = 250;
    s.PrizeValue[9] = 150;
    s.PrizeValue[11] = 75;
    s.ScoreTeams = 32;
    s.ScoredWeeks = 3;
    for (int w = 1; w <= 3; ++w) {
        s.Score[w][0] = w;
        for (int t = 1; t <= 32; ++t)
            s.Score[w][t] = (t * 7 + w * 13) % 41;
    }
    s.computeDerived();
    return session;
}

QStringList pdfText(const QString& file, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                   QString::number(page), file, QStringLiteral("-")});
    process.waitForFinished(30000);
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).remove(QLatin1Char('\f')).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines;
}

int pdfPages(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(30000);
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    return pages.match(QString::fromUtf8(process.readAllStandardOutput())).captured(1).toInt();
}

QStringList simplified(QStringList lines)
{
    for (QString& line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    return lines;
}

}  // namespace

TEST(SeasonEndPrint, StandingsPagesBreakEveryFiftySevenRows)
{
    const Session session = thirtyTwoTeams();
    const QStringList lines = grandPrizePreviewLines(session);
    ASSERT_EQ(lines.size(), 214);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("standings.pdf"));
    QString error;
    ASSERT_TRUE(writePdf({grandPrizePreviewJob(session)}, file, &error)) << error.toStdString();

    // Four pages: rows 1..57 and 58..100 of each listing, each page under its heading. A page
    // must hold the 64 lines of 10-point text (7 heading lines and 57 rows) that it is given.
    ASSERT_EQ(pdfPages(file), 4) << "a page of the standings ran over onto a page of its own";
    const QStringList positionHeading = simplified(lines.mid(0, 7));
    const QStringList ticketHeading = simplified(lines.mid(107, 7));
    const QStringList expectedPages[] = {
        positionHeading + simplified(lines.mid(7, 57)),
        positionHeading + simplified(lines.mid(64, 43)),
        ticketHeading + simplified(lines.mid(114, 57)),
        ticketHeading + simplified(lines.mid(171, 43)),
    };
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(pdfText(file, page), expectedPages[page - 1]) << "page " << page;
}

TEST(SeasonEndPrint, SummaryReadsBackUnderTheSeasonTitle)
{
    const Session session = thirtyTwoTeams();
    const QStringList lines = summaryLines(session);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("summary.pdf"));
    QString error;
    ASSERT_TRUE(writePdf(summaryJobs(session, lines), file, &error)) << error.toStdString();

    ASSERT_EQ(pdfPages(file), 1);
    const QStringList expected = QStringList{QStringLiteral("Lions Club 2024 NFL SEASON")} + simplified(lines);
    EXPECT_EQ(pdfText(file, 1), expected);
}
