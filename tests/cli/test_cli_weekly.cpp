#include "reports/Summary.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/TicketBacks.h"
#include "tickets/WeeklyReport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct WeeklyRun {
    int status = -1;
    QString out;
    QString err;
};

WeeklyRun runWeekly(const QString& home, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KICKPOOL_BIN "/kickpool-cli"),
                  QStringList{"--home", home, "--today", "2024-11-20"} + arguments);
    process.waitForFinished(60000);
    WeeklyRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A home folder holding a copy of the demo season.
struct DemoHome {
    QTemporaryDir dir;
    DemoHome()
    {
        QDir().mkpath(dir.filePath("Files"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(KICKPOOL_DIST "/Files/Kickpool.txt"), dir.filePath("Files/Kickpool.txt")));
    }
    QString path() const { return dir.path(); }
    QByteArray seasonBytes() const
    {
        QFile file(dir.filePath("Files/Kickpool.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The season as the program loads it, dated as the runs are.
    Session session() const
    {
        static FixedClock clock(QDate(2024, 11, 20));
        Session s(dir.path(), Services{nullptr, &clock, nullptr, nullptr});
        LoadSeason(s);
        return s;
    }
};

QString joined(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QString collapsed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

QString pdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {"-layout", file, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {file});
    process.waitForFinished(60000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace

TEST(CliWeekly, ReportsAStoredWeekOfTheDemoSeason)
{
    DemoHome home;
    const WeeklyRun run = runWeekly(home.path(), {"report", "9"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    const QStringList lines = run.out.split('\n');
    EXPECT_EQ(lines[0], "   Week #  9     Ending: Nov  8      Seed =  1931        November 20, 2024");
    EXPECT_EQ(lines[14], "   11 Fairview       17     22 Millbrook      21     ");
    EXPECT_EQ(lines[34], winnersHeading());
    // Exactly the list of the screen, trailing blanks and all.
    const Session session = home.session();
    EXPECT_EQ(run.out, joined(weeklyReportLines(session, 9)));

    // Without a week: the latest stored week, which is 9.
    EXPECT_EQ(runWeekly(home.path(), {"report"}).out, run.out);

    // The printout: every line of the report is in the PDF.
    const QString pdf = home.dir.filePath("week9.pdf");
    const WeeklyRun printed = runWeekly(home.path(), {"--pdf", pdf, "report", "9"});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, run.out);
    const QString text = collapsed(pdfText(pdf));
    ASSERT_FALSE(text.isEmpty());
    for (const QString& line : weeklyReportLines(session, 9)) {
        if (!line.trimmed().isEmpty())
            EXPECT_TRUE(text.contains(collapsed(line))) << line.toStdString();
    }
    EXPECT_TRUE(text.contains(collapsed(session.season.FrontText[1])));

    // Weeks that cannot be reported.
    WeeklyRun refused = runWeekly(home.path(), {"report", "10"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "PREVIOUS WEEK NOT FOUND\nPrevious weeks' Scores not found\nWeek # 10 MUST be entered first\n");
    refused = runWeekly(home.path(), {"report", "22"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "INPUT ERROR\nEnter Week # Again\n");
}

TEST(CliWeekly, EntersAWeekAndRefusesWhatTheScreenWouldRefuse)
{
    DemoHome home;
    const QByteArray before = home.seasonBytes();
    QStringList scores;
    for (int t = 1; t <= 32; ++t)
        scores << QString::number(t % 7 == 0 ? 0 : 10 + t);
    scores[4] = "";     // team 5 has a bye
    scores[6] = "abc";  // read as 0, shown as typed

    // Out of range, wrong count of scores, a week out of turn: nothing changes.
    QStringList bad = scores;
    bad[3] = "1000";
    WeeklyRun run = runWeekly(home.path(), {"enter", "10", bad.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nEnter Score Again\n");
    run = runWeekly(home.path(), {"enter", "10", scores.mid(1).join(',')});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("kickpool-cli: SCORES needs 32 scores")) << run.err.toStdString();
    run = runWeekly(home.path(), {"enter", "11", scores.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PREVIOUS WEEK NOT FOUND\nPrevious weeks' Scores not found\nWeek # 10 MUST be entered first\n");
    EXPECT_EQ(home.seasonBytes(), before);

    run = runWeekly(home.path(), {"enter", "10", scores.join(',')});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Session session = home.session();
    const Season& s = session.season;
    EXPECT_EQ(s.ScoredWeeks, 10);
    EXPECT_EQ(s.Score[10][0], 10);
    EXPECT_EQ(s.Score[10][1], 11);
    EXPECT_EQ(s.Score[10][5], Bye);
    EXPECT_EQ(s.Score[10][7], 0);
    const QStringList lines = run.out.split('\n');
    EXPECT_EQ(lines[4], "    1 Alder Creek    11     12 Fox Hollow     22     23 North Point    33");
    EXPECT_EQ(lines[8], "    5 Brookhaven            16 Highland       26     27 Redwood        37");
    EXPECT_EQ(lines[10], "    7 Clayton       abc     18 Juniper        28     29 Silver Lake    39");
    // Reported again from the stored scores, the typed texts become the stored numbers.
    EXPECT_EQ(runWeekly(home.path(), {"report", "10"}).out.split('\n')[10],
              "    7 Clayton         0     18 Juniper        28     29 Silver Lake    39");

    // The week is stored now: entering it again is refused with message 1.
    run = runWeekly(home.path(), {"enter", "10", scores.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PREVIOUS SCORES FOUND\nScores for week # 10 already exist!\nCorrection to existing scores?\n");
}

TEST(CliWeekly, LastWeekOfTheSeasonEndsWithTheSummary)
{
    Season s;
    s.FrontText[1] = "Boosters";
    s.FrontText[3] = "2024";
    s.TicketPrice = 5;
    s.Seed = 77;
    s.RegularWeeks = 1;
    s.RegularDate[1] = "Sep  7";
    s.PlayoffWeeks = 1;
    s.PlayoffDate[1] = "Sep 14";
    s.TeamCount = 4;
    s.TeamName = {QString(), "Bears", "Colts", "Eagles", "Lions"};
    s.PrizeOption[1] = s.PrizeOption[9] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[14] = -1;
    s.PrizeValue[1] = 40;
    s.PrizeValue[9] = 60;
    s.ScoreTeams = 4;
    s.ScoredWeeks = 1;
    s.Score[1] = {1, 21, 17, 3, 30};

    QTemporaryDir home;
    QDir().mkpath(home.filePath("Files"));
    QFile file(home.filePath("Files/Kickpool.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(seasonFileBytes(s));
    file.close();

    const QString pdf = home.filePath("last.pdf");
    const WeeklyRun run = runWeekly(home.path(), {"--pdf", pdf, "enter", "2", "7,,14,3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    FixedClock clock(QDate(2024, 11, 20));
    Session session(home.path(), Services{nullptr, &clock, nullptr, nullptr});
    LoadSeason(session);
    const ScoreTexts texts{QString(), "7", "  ", "14", "3"};  // as typed; the blank is a bye
    const QStringList report = weeklyReportLines(session, 2, texts);
    EXPECT_EQ(run.out, joined(report + summaryLines(session)));
    // The printout: the report, then the summary as its own document.
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_TRUE(collapsed(pdfText(pdf)).contains("ANNUAL SUMMARY"));
}

TEST(CliWeekly, TicketBacks)
{
    DemoHome home;
    const Session session = home.session();
    WeeklyRun run = runWeekly(home.path(), {"tickets", "17", "18"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, joined(ticketBackLines(session.season, 17, 18)));
    EXPECT_TRUE(run.out.startsWith("\n\n# 17\n    WEEK\n")) << run.out.toStdString();

    run = runWeekly(home.path(), {"tickets", "18", "17"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nLast Ticket # Smaller Than First Ticket #\nEnter Ticket Numbers Again\n");
    run = runWeekly(home.path(), {"tickets", "0", "17"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nFirst # <1 or First # >496 or Last # >496\nEnter Ticket Numbers Again\n");

    // One printed back per ticket, each with its weeks and its number.
    const QString pdf = home.dir.filePath("backs.pdf");
    run = runWeekly(home.path(), {"--pdf", pdf, "tickets", "1", "3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 3);
    const QString text = collapsed(pdfText(pdf));
    for (int t = 1; t <= 3; ++t)
        for (const QString& line : ticketBackWeekLines(session.season, t))
            EXPECT_TRUE(text.contains(collapsed(line))) << line.toStdString();
}
