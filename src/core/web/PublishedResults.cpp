#include "web/PublishedResults.h"

#include "front/FrontLines.h"
#include "sales/SalesRegister.h"
#include "season/Numbers.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"
#include "tickets/ScoreEntry.h"
#include "tickets/TicketPairs.h"
#include "tickets/WeeklyWinners.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <memory>

namespace {

QString prizeName(Prize prize)
{
    switch (prize) {
    case Prize::RegularHigh:
    case Prize::PlayoffHigh:
        return QStringLiteral("Highest total");
    case Prize::RegularSecondHigh:
        return QStringLiteral("2nd highest total");
    case Prize::RegularCombined:
        return QStringLiteral("Highest and 2nd highest total");
    case Prize::RegularLow:
    case Prize::PlayoffLow:
        return QStringLiteral("Lowest total");
    case Prize::RegularRandom:
        return QStringLiteral("Random draw");
    case Prize::GrandHigh:
        return QStringLiteral("Grand prize, highest value");
    case Prize::GrandLow:
        return QStringLiteral("Grand prize, lowest value");
    }
    return {};
}

// "Highest total", "Lowest total, 2 tied, split", "Highest total, 3 tied".
QString groupPrizeName(Prize prize, int size, bool split)
{
    QString name = prizeName(prize);
    if (size > 1)
        name += QStringLiteral(", %1 tied").arg(size) + (split ? QStringLiteral(", split") : QString());
    return name;
}

QString teamPairText(const Season& season, const TeamPair& pair)
{
    return season.TeamName[pair.first].trimmed() + QStringLiteral(" & ") + season.TeamName[pair.second].trimmed();
}

QString weekTotalText(const Season& season, const TeamPair& pair, int week)
{
    return isPlayingPair(season, pair, week) ? QString::number(pairTotal(season, pair, week)) : QStringLiteral("bye");
}

QString wonText(const PublishedWinner& winner)
{
    return winner.unsold ? QStringLiteral("not paid") : currency(winner.cents);
}

class Publisher {
public:
    Publisher(const Session& session, int week, const BuyerName& names)
        : session_(session), season_(session.season), names_(names), unsold_(season_)
    {
        result_.latestWeek = week;
        result_.regularWeeks = season_.RegularWeeks;
    }

    PublishedSeason take()
    {
        titles();
        const QVector<int> draws = drawList(season_);
        for (int week = 1; week <= result_.latestWeek; ++week)
            result_.weeks.append(publishedWeek(calculateWeek(season_, week, draws)));
        grandPrize();
        standings();
        tickets();
        prizeStructure();
        return std::move(result_);
    }

private:
    void titles()
    {
        const Season& s = season_;
        result_.title = s.FrontText[1].trimmed().isEmpty() ? QStringLiteral("Results") : s.FrontText[1].trimmed();
        QStringList sub;
        if (!s.FrontText[2].trimmed().isEmpty())
            sub << s.FrontText[2].trimmed();
        if (!s.FrontText[3].trimmed().isEmpty())
            sub << s.FrontText[3].trimmed() + QStringLiteral(" season");
        result_.subtitle = sub.join(QStringLiteral(" \u00b7 "));
        result_.made = session_.TodayText.isEmpty() ? todayText(session_.today()) : session_.TodayText;
        for (int t = 1; t <= s.TeamCount; ++t)
            result_.teams << s.TeamName[t].trimmed();
    }

    PublishedWinner winner(const QString& prize, int ticket, qint64 cents, bool unsold, int week)
    {
        PublishedWinner w{prize, ticket, {}, {}, cents, unsold, {}};
        if (week > 0) {
            const TeamPair pair = pairOfTicket(season_.TeamCount, ticket, week);
            w.pair = teamPairText(season_, pair);
            w.total = weekTotalText(season_, pair, week);
            weekWins_[week][ticket] << wonText(w);
        }
        if (names_ && !unsold)
            w.name = winnerShortName(names_(ticket));
        return w;
    }

    PublishedWeek publishedWeek(const WeekWinners& winners)
    {
        const int week = winners.week;
        PublishedWeek published{week, season_.weekDate(week).trimmed(), winners.regular, {}, winners.noWinners(), {}};
        const qint64 randomCents = qint64(season_.prizeAmount(Prize::RegularRandom)) * 100;
        for (int ticket : winners.randomTickets)
            published.winners << winner(prizeName(Prize::RegularRandom), ticket, randomCents, false, week);
        for (const AwardGroup& group : winners.groups) {
            const QString name = groupPrizeName(group.prize, group.awards.size(), group.split);
            for (const Award& award : group.awards)
                published.winners << winner(name, award.ticket, award.cents, award.unsold, week);
        }
        for (int t = 1; t <= season_.TeamCount; ++t) {
            const int score = season_.Score[week][t];
            published.scores << TeamScore{season_.TeamName[t].trimmed(),
                                          score == Bye ? QStringLiteral("bye") : QString::number(score)};
        }
        return published;
    }

    void grandPrize()
    {
        result_.grandPrizeDecided = season_.RegularWeeks > 0 && result_.latestWeek >= season_.RegularWeeks;
        if (!result_.grandPrizeDecided)
            return;
        const QVector<int> values = ticketValues(season_, season_.RegularWeeks);
        for (const GrandPrizeGroup& group : grandPrizeGroups(season_)) {
            const QString name = groupPrizeName(group.prize, group.tickets.size(), group.split);
            for (int ticket : group.tickets) {
                PublishedWinner w = winner(name, ticket, group.cents, unsold_.isUnsold(ticket), 0);
                w.total = QString::number(values.value(ticket));
                grandWins_[ticket] << wonText(w);
                result_.grandPrize << w;
            }
        }
    }

    void standings()
    {
        result_.standingsWeeks = std::min(result_.latestWeek, season_.RegularWeeks);
        result_.standings = seasonRanking(season_, result_.standingsWeeks);
    }

    void tickets()
    {
        QVector<int> position(season_.TicketCount + 1, 0);
        for (int n = 0; n < result_.standings.size(); ++n) {
            const int ticket = result_.standings[n].ticket;
            if (ticket >= 1 && ticket <= season_.TicketCount)
                position[ticket] = n + 1;
        }
        // A ticket left out of the ranking (unsold, passed on) still has its value.
        const QVector<int> values = ticketValues(season_, result_.standingsWeeks);
        result_.tickets.reserve(season_.TicketCount);
        for (int ticket = 1; ticket <= season_.TicketCount; ++ticket) {
            PublishedTicket published{ticket, values[ticket], position[ticket], {}, {}};
            published.weeks.reserve(result_.latestWeek);
            for (int week = 1; week <= result_.latestWeek; ++week) {
                const TeamPair pair = pairOfTicket(season_.TeamCount, ticket, week);
                published.weeks.append({pair.first, pair.second, weekTotalText(season_, pair, week),
                                        weekWins_[week].value(ticket).join(QStringLiteral(" + "))});
            }
            published.grandPrize = grandWins_.value(ticket).join(QStringLiteral(" + "));
            result_.tickets.append(std::move(published));
        }
    }

    void prizeStructure()
    {
        const QVector<FrontLine> front = frontLines(season_);
        bool inPrizes = false;
        for (const FrontLine& line : front) {
            const QString text = line.text.trimmed();
            if (text == QStringLiteral("RULES"))
                inPrizes = true;
            if (text.startsWith(QStringLiteral("WIN UP TO")))
                break;
            // The front's pointer to these very pages is left out.
            if (!inPrizes || text.isEmpty() || text.startsWith(QStringLiteral("Full rules and results")))
                continue;
            const bool heading = line.format.startsWith(QLatin1Char('B'));
            result_.prizeLines << (heading ? QStringLiteral("#") : QString())
                + text.simplified().replace(QStringLiteral("( "), QStringLiteral("("));
        }
    }

    const Session& session_;
    const Season& season_;
    const BuyerName& names_;
    UnsoldTickets unsold_;
    PublishedSeason result_;
    QHash<int, QHash<int, QStringList>> weekWins_;  // week -> ticket -> amounts won
    QHash<int, QStringList> grandWins_;
};

}  // namespace

QString winnerShortName(const QString& fullName)
{
    const QStringList words = fullName.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    if (words.size() == 1)
        return words.first();
    return words.first() + QLatin1Char(' ') + words.last().left(1).toUpper() + QLatin1Char('.');
}

BuyerName buyerNamesOf(const Session& session)
{
    auto reg = std::make_shared<SalesRegister>();
    QFile file(registerPath(session));
    if (file.exists() && (!file.open(QIODevice::ReadOnly) || readRegister(file.readAll(), *reg)))
        return {};
    return [reg](int ticket) { return buyerName(*reg, ticket); };
}

int publishedWeekNumber(const Session& session, const QString& typed)
{
    const Season& season = session.season;
    if (typed.trimmed().isEmpty())
        return season.ScoredWeeks > 0 && weekIsStored(season, season.ScoredWeeks) ? season.ScoredWeeks : 0;
    const int week = typedWeekNumber(typed);
    return week >= 1 && week <= season.ScoredWeeks && weekIsStored(season, week) ? week : 0;
}

PublishedSeason publishedSeason(const Session& session, int week, const BuyerName& names)
{
    const int published = week > 0 ? week : publishedWeekNumber(session, {});
    return Publisher(session, published, names).take();
}

QStringList mailTextLines(const PublishedSeason& season, int week)
{
    if (week <= 0)
        week = season.latestWeek;
    QStringList lines{season.title};
    if (!season.subtitle.isEmpty())
        lines << season.subtitle;
    if (week < 1 || week > season.weeks.size())
        return lines << QString() << QStringLiteral("No week has been scored yet.");
    const PublishedWeek& published = season.weeks[week - 1];
    const auto winnerLine = [](const PublishedWinner& w, const QString& what) {
        QString line = QStringLiteral("  Ticket ") + QString::number(w.ticket) + QStringLiteral(" (") + what
            + QStringLiteral("): ") + w.prize + QStringLiteral(", ") + currency(w.cents);
        if (w.unsold)
            line += QStringLiteral(" - not paid, the ticket was not sold");
        if (!w.name.isEmpty())
            line += QStringLiteral(" - ") + w.name;
        return line;
    };

    lines << QString() << QStringLiteral("Winners of week %1, ending %2:").arg(week).arg(published.date);
    if (published.noWinners)
        lines << QStringLiteral("  No pair played this week: there are no weekly winners.");
    for (const PublishedWinner& w : published.winners)
        lines << winnerLine(w, w.pair + QStringLiteral(", total ") + w.total);
    if (season.grandPrizeDecided && !season.grandPrize.isEmpty()) {
        lines << QString() << QStringLiteral("Grand prize:");
        for (const PublishedWinner& w : season.grandPrize)
            lines << winnerLine(w, QStringLiteral("season value ") + w.total);
    }
    lines << QString() << QStringLiteral("Made ") + season.made + QLatin1Char('.');
    return lines;
}
