#include "tickets/TicketBacks.h"

#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "tickets/TicketPairs.h"

namespace {

constexpr int LinesOnABack = 29;

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

double weekFontSize(int ticketSize)
{
    switch (ticketSize) {
    case 0:
        return 7.68;
    case 1:
        return 8.4;
    case 2:
        return 9.12;
    case 3:
        return 9.6;
    default:
        return 9.84;
    }
}

double numberFontSize(int ticketSize)
{
    switch (ticketSize) {
    case 0:
        return 14;
    case 1:
        return 16;
    case 2:
        return 18;
    default:
        return 20;
    }
}

}  // namespace

QString ticketBackFailureText(int number, const QString& description)
{
    return QLatin1Char('#') + QString::number(number) + QLatin1Char(' ') + description;
}

QStringList ticketBackHelpLines(const Season& season)
{
    const QString first = QStringLiteral("First Ticket #");
    const QString tickets = QString::number(ticketCountFor(season.TeamCount));
    return {
        quoted(first) + QStringLiteral(" is first ticket number in sequence to be printed."),
        QStringLiteral("Value is any number from 1 to ") + tickets + QStringLiteral(" inclusive."),
        QString(),
        quoted(first) + QStringLiteral(" must be smaller than, or equal to, ") + quoted(QStringLiteral("Last Ticket #.")),
        QString(),
        quoted(QStringLiteral("Last Ticket #")) + QStringLiteral(" is last ticket number in sequence to be printed."),
        QStringLiteral("Value is any number from ") + quoted(first) + QStringLiteral(" to ") + tickets
            + QStringLiteral(" inclusive."),
        QString(),
        quoted(QStringLiteral("# To Print Before Pause")) + QStringLiteral(" is number of tickets that will print "),
        QStringLiteral("before printer output is paused."),
        QString(),
        QStringLiteral("After each data entry, press 'Enter'."),
    };
}

std::optional<Refusal> ticketRangeRefusal(const Season& season, int first, int last)
{
    const int tickets = ticketCountFor(season.TeamCount);
    if (first < 1 || first > tickets || last > tickets)
        return Refusal{MessageId::TicketOutOfRange, {QString::number(season.TicketCount)}};
    if (last < first)
        return Refusal{MessageId::LastTicketBeforeFirst, {}};
    return std::nullopt;
}

TicketBackMargins ticketBackMargins(const Season& season)
{
    // One more line for the "Playoffs" heading when there are playoff weeks.
    const int lines = season.PlayoffWeeks == 0 ? season.RegularWeeks : season.RegularWeeks + season.PlayoffWeeks + 1;
    if (lines >= LinesOnABack)
        return {};
    TicketBackMargins margins;
    margins.top = toInteger((LinesOnABack - lines) / 2.0);
    margins.bottom = LinesOnABack - lines - margins.top;
    if (margins.bottom > 1)
        margins.bottom -= 1;
    return margins;
}

namespace {

// The pieces every ticket back of a season repeats: the heading, each week's number and date,
// each team's name in its column, and the pair of every pair number.
class TicketBackWriter {
public:
    explicit TicketBackWriter(const Season& season) : season_(season)
    {
        const int weeks = season.RegularWeeks + season.PlayoffWeeks;
        for (int week = 1; week <= weeks; ++week)
            weekStart_.append(alignRight(week, 2) + QLatin1Char(' ') + season.weekDate(week) + QLatin1Char(' '));
        for (int team = 0; team <= season.TeamCount; ++team) {
            const QString name = alignLeft(season.TeamName[team], 13);
            firstTeam_.append(name + QLatin1Char(' '));
            secondTeam_.append(name);
        }
        const int tickets = ticketCountFor(season.TeamCount);
        pairs_.append(TeamPair{});
        for (int a = 1; a < season.TeamCount; ++a)
            for (int b = a + 1; b <= season.TeamCount; ++b)
                pairs_.append(TeamPair{a, b});
        pairs_.resize(tickets + 1);
    }

    QStringList weekLines(int ticket) const
    {
        QStringList lines{QStringLiteral("    WEEK"), QStringLiteral("   ENDING  TEAM 1        TEAM 2"),
                          QStringLiteral("-- ------ -----------   ------------")};
        if (pairs_.size() <= 1)
            return lines;  // no tickets without two teams
        for (int week = 1; week <= weekStart_.size(); ++week) {
            if (week == season_.RegularWeeks + 1 && week != 1)
                lines.append(QStringLiteral("Playoffs"));
            const TeamPair& pair = pairs_[pairNumberOfTicket(season_.TeamCount, ticket, week)];
            lines.append(weekStart_[week - 1] + firstTeam_[pair.first] + secondTeam_[pair.second]);
        }
        return lines;
    }

    QStringList listLines(int ticket) const
    {
        QStringList lines{QString(), QString(), QStringLiteral("# ") + QString::number(ticket)};
        lines << weekLines(ticket) << QString();
        return lines;
    }

private:
    const Season& season_;
    QStringList weekStart_;
    QStringList firstTeam_;
    QStringList secondTeam_;
    QVector<TeamPair> pairs_;
};

}  // namespace

QStringList ticketBackWeekLines(const Season& season, int ticket)
{
    return TicketBackWriter(season).weekLines(ticket);
}

QStringList ticketBackLines(const Season& season, int ticket)
{
    return TicketBackWriter(season).listLines(ticket);
}

QStringList ticketBackLines(const Season& season, int first, int last)
{
    const TicketBackWriter writer(season);
    QStringList lines;
    for (int ticket = first; ticket <= last; ++ticket)
        lines << writer.listLines(ticket);
    return lines;
}

PrintJob ticketBackJob(const Season& season, int ticket)
{
    return ticketBackJob(season, ticket, ticketBackMargins(season));
}

PrintJob ticketBackJob(const Season& season, int ticket, const TicketBackMargins& margins)
{
    PrintJob job(QStringLiteral("Ticket back %1").arg(ticket));
    job.fontName(ReportFontName).bold(true).fontSize(weekFontSize(season.TicketSize));
    for (int n = 0; n < margins.top; ++n)
        job.line();
    for (const QString& line : ticketBackWeekLines(season, ticket))
        job.line(QLatin1Char(' ') + line);
    for (int n = 0; n < margins.bottom; ++n)
        job.line();
    const QString number = blanks(1) + blanks(7) + QString::number(ticket);
    job.fontSize(numberFontSize(season.TicketSize)).line(number).line().line().line(number).endDoc();
    return job;
}
