#include "CliRunner.h"

#include <QDir>
#include <QtEndian>
#include <QRegularExpression>

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool ended = process.waitForFinished(60000);
    return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// Headless chromium on a page of the folder, with a profile of its own.
ToolRun browser(const QString& page, const QStringList& what)
{
    QTemporaryDir profile;
    return runTool(QStringLiteral("chromium"),
                   QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                               "--disable-background-networking", "--disable-component-update", "--disable-sync",
                               "--user-data-dir=" + profile.path()}
                       + what + QStringList{QStringLiteral("file://") + page});
}

// Every match of the pattern, its captured texts joined by "|".
QStringList matches(const QString& text, const QString& pattern)
{
    QStringList found;
    auto it = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        found << m.capturedTexts().mid(1).join(QLatin1Char('|'));
    }
    return found;
}

class WebSite : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CliRun web = home.run({"web", folder});
        ASSERT_EQ(web.status, 0) << web.err.toStdString();
    }
    QString page(const char* name) const { return QString::fromUtf8(readFile(folder + QLatin1Char('/') + name)); }

    CliHome home;
    QString folder = home.filePath(QStringLiteral("Web"));
};

}  // namespace

// The winners and amounts on the page are the weekly report's, in its order; the standings are
// the "Grand Prize" selection's, position by position.
TEST_F(WebSite, NumbersAreThoseOfTheReports)
{
    const CliRun report = home.run({"report"});
    const QStringList paid = matches(report.out, QStringLiteral("^    +(\\d+)     (\\$[0-9,.]+)$"));
    ASSERT_GE(paid.size(), 4);
    EXPECT_EQ(matches(page("index.html"), QStringLiteral("#(\\d+)\">\\d+</a></td><td.*?\"Amount\" class=\"num\">"
                                                         "(\\$[0-9,.]+)</td>")),
              paid);

    const QString standings = home.run({"standings"}).out;
    const QString byPosition = standings.section(QStringLiteral("By Ticket #"), 0, 0);
    QStringList ranked = matches(byPosition, QStringLiteral(" +(\\d+) +(\\d+) +([1-9]\\d*)(?= |$)"));
    std::sort(ranked.begin(), ranked.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('|'), 0, 0).toInt() < b.section(QLatin1Char('|'), 0, 0).toInt();
    });
    ASSERT_EQ(ranked.size(), 496 - 51);  // tickets not sold make way for the next sold ones
    EXPECT_EQ(matches(page("standings.html"), QStringLiteral("<tr><td>(\\d+)</td><td><a [^>]+>(\\d+)</a></td>"
                                                             "<td>(\\d+)</td></tr>")),
              ranked.replaceInStrings(QRegularExpression(QStringLiteral("^(\\d+)\\|(\\d+)\\|(\\d+)$")),
                                      QStringLiteral("\\1|\\3|\\2")));  // position, ticket, value
    // A week asked for that is not scored is refused with its message; nothing is written.
    const CliRun late = home.run({"web", home.filePath(QStringLiteral("Late")), "--week", "10"});
    EXPECT_EQ(late.status, 2);
    EXPECT_TRUE(late.err.startsWith(QStringLiteral("INPUT ERROR\nPublish a scored week: 1 to 9\n")));
    EXPECT_FALSE(QDir(home.filePath(QStringLiteral("Late"))).exists());

    // A winner's buyer: shown as first name and initial only when names are asked for.
    const QString winner = paid.first().section(QLatin1Char('|'), 0, 0);
    ASSERT_EQ(home.run({"sales", "set", winner, "--name", "Mary Ann Smith", "--phone", "555-0100"}).status, 0);
    ASSERT_EQ(home.run({"web", home.filePath(QStringLiteral("Named")), "--names"}).status, 0);
    const QString named = QString::fromUtf8(readFile(home.filePath(QStringLiteral("Named/index.html"))));
    EXPECT_TRUE(named.contains(QStringLiteral("Mary S.")));
    EXPECT_FALSE(named.contains(QStringLiteral("Smith")) || named.contains(QStringLiteral("555-0100")));
    ASSERT_EQ(home.run({"web", folder}).status, 0);
    EXPECT_FALSE(page("index.html").contains(QStringLiteral("Mary")));
}

TEST_F(WebSite, EveryPagePassesTidy)
{
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")});
    EXPECT_EQ(pages.size(), 1 + 9 + 2);
    for (const QString& name : pages) {
        const ToolRun tidy = runTool(QStringLiteral("tidy"), {"-errors", "-q", folder + QLatin1Char('/') + name});
        EXPECT_EQ(tidy.status, 0) << name.toStdString() << '\n' << tidy.err.toStdString();
        EXPECT_EQ(tidy.err, QString()) << name.toStdString();
    }
}

// tickets.html#17 runs the lookup: ticket 17's pair every week, as its ticket back lists them.
TEST_F(WebSite, BrowserLooksUpTicket17)
{
    QStringList back = matches(home.run({"tickets", "17", "17"}).out, QStringLiteral("^ ?(\\d+) .{6} (.{13}) (.+?) *$"));
    ASSERT_GE(back.size(), 9);
    const ToolRun dom = browser(folder + QStringLiteral("/tickets.html#17"), {"--dump-dom"});
    ASSERT_EQ(dom.status, 0) << dom.err.toStdString();
    const QString result = dom.out.section(QStringLiteral("<div id=\"result\""), 1).section(QStringLiteral("</div>"), 0, 0);
    EXPECT_TRUE(result.contains(QStringLiteral("<h2>Ticket 17</h2>"))) << result.toStdString();
    for (int week = 1; week <= 9; ++week) {
        const QStringList cells = back[week - 1].split(QLatin1Char('|'));  // week, first team, second team
        ASSERT_EQ(cells.size(), 3);
        EXPECT_TRUE(result.contains(QStringLiteral("<tr><td>%1 <span class=\"date\">").arg(week))) << week;
        EXPECT_TRUE(result.contains(QStringLiteral("<td>%1 &amp; %2</td>").arg(cells[1].trimmed(), cells[2])))
            << back[week - 1].toStdString();
    }
}

// index.html in the browser: the winners table; and how it looks on a phone and on a desktop.
TEST_F(WebSite, BrowserShowsTheWinnersAtPhoneAndDesktopSizes)
{
    const ToolRun dom = browser(folder + QStringLiteral("/index.html"), {"--dump-dom"});
    ASSERT_EQ(dom.status, 0) << dom.err.toStdString();
    EXPECT_TRUE(dom.out.contains(QStringLiteral("<caption>Winners of week 9</caption>")));
    EXPECT_EQ(matches(dom.out, QStringLiteral("(#\\d+)\"")), matches(page("index.html"), QStringLiteral("(#\\d+)\"")));

    for (const auto& [width, height] : {std::pair{390, 844}, std::pair{1280, 900}}) {
        const QString png = folder + QStringLiteral("/shot-%1.png").arg(width);
        const ToolRun shot = browser(folder + QStringLiteral("/index.html"),
                                     {QStringLiteral("--screenshot=") + png,
                                      QStringLiteral("--window-size=%1,%2").arg(width).arg(height)});
        ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
        const QByteArray bytes = readFile(png);
        ASSERT_GT(bytes.size(), 24);
        EXPECT_EQ(qFromBigEndian<quint32>(bytes.constData() + 16), quint32(width));
        EXPECT_EQ(qFromBigEndian<quint32>(bytes.constData() + 20), quint32(height));
    }
}
