#pragma once

// What the results web page and the e-mail text publish: the winners of each scored week, the
// scores, the grand prize, the standings and every ticket's pairs, taken from the same
// calculations as the weekly report and the "Grand Prize" selection. Buyers' names stay out
// unless the treasurer asks for the winners' first names.

#include "reports/GrandPrize.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <functional>

class Session;

// The full name of the buyer of a ticket, as the sales register holds it; empty when unknown.
using BuyerName = std::function<QString(int ticket)>;

// How a winner is named on a public page: the first name and the initial of the family name
// ("Maria Lopez" -> "Maria L.", "Cher" -> "Cher"); empty for an empty name.
QString winnerShortName(const QString& fullName);

// One winning ticket as the pages list it.
struct PublishedWinner {
    QString prize;        // "Highest total", "Random draw", "Grand prize, highest value", ...
    int ticket = 0;
    QString pair;         // "Bears & Lions"; empty for a grand prize
    QString total;        // the pair's total that week, or the ticket's season value
    qint64 cents = 0;
    bool unsold = false;  // an unsold ticket's award is listed but not paid
    QString name;         // "Maria L." when winners' names are shown, otherwise empty
};

struct TeamScore {
    QString team;
    QString score;  // "21", or "bye"
};

struct PublishedWeek {
    int week = 0;
    QString date;
    bool regular = true;
    QVector<PublishedWinner> winners;  // random winners, then the prize groups in report order
    bool noWinners = false;            // no pair played: no pair prize this week
    QVector<TeamScore> scores;
};

// One ticket in one week: its two team numbers and the pair's total, "bye" when one of them did
// not play; what it won that week ("$100.00", "not paid"), empty when nothing.
struct TicketWeek {
    int first = 0;
    int second = 0;
    QString total;
    QString won;
};

struct PublishedTicket {
    int ticket = 0;
    int value = 0;     // season value so far
    int position = 0;  // in the standings; 0 when it is not ranked (unsold, passed on)
    QVector<TicketWeek> weeks;  // weeks 1..published week
    QString grandPrize;         // what it won of the grand prize, empty when nothing
};

struct PublishedSeason {
    QString title;     // the club, as the ticket front names it
    QString subtitle;  // the sport and the season, as the ticket front names them
    QString made;      // the date the pages were made
    int latestWeek = 0;
    int regularWeeks = 0;  // the grand prize is decided in the last of them
    QVector<PublishedWeek> weeks;  // weeks 1..latestWeek
    bool grandPrizeDecided = false;
    QVector<PublishedWinner> grandPrize;
    int standingsWeeks = 0;  // regular weeks counted in the standings
    QVector<TicketStanding> standings;
    QStringList teams;  // team 1..TeamCount (element 0 is team 1)
    QVector<PublishedTicket> tickets;
    // The prize structure as the ticket front states it: headings start with "#".
    QStringList prizeLines;
};

// The season as published up to `week` (the latest scored week when 0). With `names`, winners
// carry their short names.
PublishedSeason publishedSeason(const Session& session, int week = 0, const BuyerName& names = {});

// The week's winners as an e-mail text: the club, the week, each winner with its ticket, pair,
// total, prize and amount, and the grand prize once it is decided.
QStringList mailTextLines(const PublishedSeason& season, int week = 0);

// The winners' names from the ticket sales register: their buyers' full names (empty for a ticket
// without a buyer, and for every ticket when the season has no register yet). Null when the
// register cannot be read; the option to show names is then not offered.
BuyerName buyerNamesOf(const Session& session);

// The published week: the latest scored one when `typed` is empty, otherwise the number typed.
// 0 when the number is not a scored week.
int publishedWeekNumber(const Session& session, const QString& typed);
