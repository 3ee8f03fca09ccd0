#include "prizes/PrizeCategories.h"

#include "season/Bounds.h"

namespace {

QStringList saveAllLines()
{
    return {QStringLiteral("At any time, to save all selection changes, "),
            QStringLiteral("   click  'SAVE ALL CHANGES' from Update Annual Data screen.")};
}

QStringList entryLines(const QString& what, const QStringList& rules)
{
    return QStringList{QStringLiteral("To save %1, press 'ENTER'.").arg(what), QString()} + rules
        + QStringList{QString()} + saveAllLines();
}

const QString highest = QStringLiteral("For 'Two Teams With Highest Total Points Scored',");
const QString regularWeeks = QStringLiteral("each week during Regular season,");
const QString playoffWeeks = QStringLiteral("each week during Playoff season,");

}  // namespace

int PrizeCategory::maxAmount() const
{
    return allowedRange(prizeValueBound(position())).max;
}

QString PrizeCategory::amountLabel() const
{
    return frame == PrizeFrame::GrandPrize ? QStringLiteral("Amount - End Season")
                                           : QStringLiteral("Amount Per Week");
}

const QVector<PrizeCategory>& prizeCategories()
{
    static const QVector<PrizeCategory> categories = {
        {Prize::RegularHigh, PrizeFrame::Regular,
         QStringLiteral("Two Teams With\nHighest  Total\nPoints Scored"), {highest, regularWeeks}},
        {Prize::RegularSecondHigh, PrizeFrame::Regular,
         QStringLiteral("Two Teams With\n2nd  Highest Total\nPoints Scored"),
         {QStringLiteral("For 'Two Teams With Second Highest Total Points Scored',"), regularWeeks}},
        {Prize::RegularLow, PrizeFrame::Regular, QStringLiteral("Two Teams With\nLowest  Total\nPoints Scored"),
         {QStringLiteral("For 'Two Teams With Lowest Total Points Scored',"), regularWeeks}},
        {Prize::RegularRandom, PrizeFrame::Regular, QStringLiteral("Random\nWinners"), {}},
        {Prize::GrandHigh, PrizeFrame::GrandPrize,
         QStringLiteral("Highest Valued\nTicket At End Of\nReg. Season"),
         {QStringLiteral("For 'Highest Valued Ticket At End Of Regular Season',")}},
        {Prize::GrandLow, PrizeFrame::GrandPrize, QStringLiteral("Lowest Valued\nTicket At End Of\nReg. Season"),
         {QStringLiteral("For 'Lowest Valued Ticket At End Of Regular Season',")}},
        {Prize::PlayoffHigh, PrizeFrame::Playoff,
         QStringLiteral("Two Teams With\nHighest  Total\nPoints Scored"), {highest, playoffWeeks}},
        {Prize::PlayoffLow, PrizeFrame::Playoff, QStringLiteral("Two Teams With\nLowest  Total\nPoints Scored"),
         {QStringLiteral("For 'Two Teams With Lowest Total Points Scored',"), playoffWeeks}},
    };
    return categories;
}

const PrizeCategory& prizeCategory(Prize prize)
{
    for (const PrizeCategory& category : prizeCategories()) {
        if (category.prize == prize)
            return category;
    }
    return prizeCategories().front();
}

QStringList amountEntryLines(const PrizeCategory& category)
{
    return entryLines(QStringLiteral("Prize Amount"),
                      category.helpLines
                          + QStringList{QStringLiteral("Prize Amount can be any value between 0 and %1.")
                                            .arg(category.maxAmount())});
}

QStringList winnersEntryLines()
{
    return entryLines(QStringLiteral("Number of Prizes Per Week"),
                      {QStringLiteral("Number of Prizes can be any value between 0 and %1.").arg(allowedRange(Bound::RandomWinners).max)});
}

QStringList priceEntryLines()
{
    return entryLines(QStringLiteral("Price Per Ticket"),
                      {QStringLiteral("Price Per Ticket can be any value between %1 and %2")
                           .arg(allowedRange(Bound::TicketPrice).min)
                           .arg(allowedRange(Bound::TicketPrice).max)});
}

QStringList soldEntryLines(int ticketCount)
{
    return entryLines(QStringLiteral("Estimated Number of Tickets Sold"),
                      {QStringLiteral("Number of Tickets can be any value between 1 and%1 (all tickets sold).")
                           .arg(ticketCount, 5)});
}

QStringList tiesUnsoldLines()
{
    return {QStringLiteral("Select a 'Method For Ties'"), QString(),
            QStringLiteral("Select a 'Payment For Unsold Tickets'")};
}

QString amountBoxText(int amount)
{
    return amount == 0 ? QString() : QStringLiteral("$%1").arg(amount);
}

QString randomWinnersBoxText(int winners, int amount)
{
    return QStringLiteral("%1@$%2").arg(winners).arg(amount);
}
