#include "tickets/Winnings.h"

#include "season/Format.h"
#include "season/Numbers.h"
#include "season/UnsoldTickets.h"
#include "tickets/WeeklyWinners.h"

QString fillInLine()
{
    return QStringLiteral("   ") + QStringLiteral("........  ") + QStringLiteral("......  ")
        + QStringLiteral("...............................   ") + QStringLiteral(".........   .......");
}

QString markedHeading(const QString& text, int blankCount)
{
    return text + blanks(blankCount) + QStringLiteral("xxxxx") + blanks(6) + QStringLiteral("xxxxx");
}

QString paymentLine(int ticket, qint64 cents)
{
    return blanks(4) + alignRight(ticket, 4) + blanks(5) + currency(cents);
}

QStringList Winnings(int ticket, qint64 cents, bool unsold)
{
    QString line;
    if (unsold) {
        line = blanks(5) + QStringLiteral("Unsold Ticket # ") + QString::number(ticket)
            + QStringLiteral(" not paid ") + QStringLiteral("$") + alignRight(Convert(cents), 7)
            + blanks(15) + QStringLiteral("xxxxx") + blanks(6) + QStringLiteral("xxxxx");
    } else {
        line = paymentLine(ticket, cents);
    }
    return {line, fillInLine()};
}

QStringList Winnings(const UnsoldTickets& unsold, int ticket, qint64 cents)
{
    return Winnings(ticket, cents, unsold.isUnsold(ticket));
}

QStringList Winnings(const Award& award)
{
    return Winnings(award.ticket, award.cents, award.unsold);
}
