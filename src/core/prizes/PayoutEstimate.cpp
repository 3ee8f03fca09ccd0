#include "prizes/PayoutEstimate.h"

#include "prizes/PrizeCategories.h"
#include "season/Format.h"
#include "season/Numbers.h"

namespace {

constexpr int LineWidth = 74;

// The tie factor of a weekly category: how much more a week pays on average when every tied
// ticket is paid in full. They are the season's long-standing rules of thumb, not computed
// here: a quarter more for the two highest scores, half more for the lowest (low scores tie more
// often), a third more in the playoffs, where fewer teams play.
float tieFactor(Prize prize)
{
    switch (prize) {
    case Prize::RegularHigh:
    case Prize::RegularSecondHigh:
        return 1.25f;
    case Prize::RegularLow:
        return 1.5f;
    case Prize::PlayoffHigh:
    case Prize::PlayoffLow:
        return 1.33333f;
    default:
        return 1.0f;
    }
}

qint64 rounded(double value)
{
    return toInteger(value);
}

// The label of a weekly category's line, up to its opening bracket.
QString weeklyLabel(Prize prize)
{
    switch (prize) {
    case Prize::RegularHigh:
        return QStringLiteral("Regular - Two Teams w Highest Total Points     (");
    case Prize::RegularSecondHigh:
        return QStringLiteral("Regular - Two Teams w 2nd Highest Total Points (");
    case Prize::RegularLow:
        return QStringLiteral("Regular - Two Teams w Lowest Total Points      (");
    case Prize::PlayoffHigh:
        return QStringLiteral("Playoffs - Two Teams w Highest Total Points    (");
    default:
        return QStringLiteral("Playoffs - Two Teams w Lowest Total Points     (");
    }
}

class EstimateBuilder {
public:
    EstimateBuilder(const Season& season, const PrizeSwitches& switches)
        : s_(season), sw_(switches)
    {
    }

    PayoutEstimate build()
    {
        decideEstimate();
        header();
        for (const PrizeCategory& category : prizeCategories()) {
            if (sw_.isChecked(category.prize))
                categoryLine(category.prize);
        }
        totals();
        odds();
        return {lines_, odds_, warnings_};
    }

private:
    bool tiesPayFull() const { return sw_.tieMethod == TieMethod::PayFull; }
    bool unsoldNotPaid() const { return sw_.unsoldRule == UnsoldRule::NotPaid; }
    float soldRatio() const { return float(double(s_.SoldCount) / double(s_.TicketCount)); }

    void decideEstimate()
    {
        if (tiesPayFull())
            estimated_ = true;
        if (unsoldNotPaid() && s_.SoldCount != s_.TicketCount) {
            if (s_.TicketCount != 0)
                ratio_ = soldRatio();
            estimated_ = true;
        }
        // Nearly every ticket sold: the estimate would differ from the plain amounts by less
        // than it can be trusted.
        if (ratio_ > 0.998f && ratio_ < 1.0f)
            estimated_ = false;
        if (s_.TicketCount != 0)
            ratio_ = soldRatio();
    }

    void header()
    {
        lines_ << QStringLiteral("Ticket Price ") + Format(s_.TicketPrice, QStringLiteral("$@@@@")) + blanks(18)
                + QStringLiteral("Estimated Number of Tickets Sold") + Format(s_.SoldCount, QStringLiteral("@@@@@@"));
        lines_ << QString();
        if (tiesPayFull())
            lines_ << QStringLiteral("Ties pay full amount (Estimate used for increased payout)");
        if (unsoldNotPaid() && s_.SoldCount < s_.TicketCount)
            lines_ << QStringLiteral("Unsold tickets not paid (Estimate used for lower payout)");
        lines_ << QString() << QString();
        lines_ << QStringLiteral("PAYOUTS") + blanks(51) + QStringLiteral("Estm = Estimated");
        lines_ << QString(LineWidth, QLatin1Char('-'));
    }

    // The season total and the line of one checked category; the total is added to the payout.
    void categoryLine(Prize prize)
    {
        const int amount = s_.prizeAmount(prize);
        qint64 total = 0;
        QString line;
        switch (prize) {
        case Prize::RegularRandom: {
            const int winners = s_.randomWinnersPerWeek();
            const qint64 perWeek = qint64(amount) * winners;
            total = perWeek * s_.RegularWeeks;
            line = QStringLiteral("Regular - Random Weekly Winners - (") + Format(winners, QStringLiteral("@@"))
                + QStringLiteral("/wk @$") + Format(amount, QStringLiteral("@@@")) + QStringLiteral(")(")
                + Format(s_.RegularWeeks, QStringLiteral("@@")) + QStringLiteral(" wks @ ")
                + Format(perWeek, QStringLiteral("@@@@")) + QStringLiteral(" /wk) =")
                + Format(total, QStringLiteral("@@@@@@"));
            payout_ += total;
            lines_ << line;
            return;
        }
        case Prize::GrandHigh:
        case Prize::GrandLow: {
            const QString label = prize == Prize::GrandHigh
                ? QStringLiteral("Grand Prize - End Reg Season - Highest Valued Ticket")
                : QStringLiteral("Grand Prize - End Reg Season - Lowest Valued Ticket");
            total = amount;
            if (estimated_) {
                total = rounded(double(total) * double(ratio_));
                line = label + blanks(68 - label.size()) + Format(total, QStringLiteral("@@@@@@ Estm"));
            } else {
                line = label + blanks(68 - label.size()) + Format(total, QStringLiteral("@@@@@@"));
            }
            break;
        }
        default: {
            const bool playoff = prize == Prize::PlayoffHigh || prize == Prize::PlayoffLow;
            const int weeks = playoff ? s_.PlayoffWeeks : s_.RegularWeeks;
            total = qint64(amount) * weeks;
            line = weeklyLabel(prize) + Format(weeks, QStringLiteral("@@")) + QStringLiteral(" wks @ ")
                + Format(amount, QStringLiteral("@@@@")) + QStringLiteral(" /wk) =");
            if (estimated_) {
                if (tiesPayFull())
                    total = rounded(double(total) * double(tieFactor(prize)));
                if (unsoldNotPaid())
                    total = rounded(double(total) * double(ratio_));
                line += Format(total, QStringLiteral("@@@@@@ Estm"));
            } else {
                line += Format(total, QStringLiteral("@@@@@@"));
            }
            break;
        }
        }
        payout_ += total;
        lines_ << line;
    }

    void totals()
    {
        const QString indent = blanks(10);
        lines_ << QString(LineWidth, QLatin1Char('-'));
        lines_ << blanks(54) + QStringLiteral("Total Payout =") + Format(payout_, QStringLiteral("@@@@@@"));
        lines_ << QString();
        const qint64 sales = qint64(s_.TicketPrice) * s_.SoldCount;
        lines_ << indent + QStringLiteral("Total Sales  = $") + Format(sales, QStringLiteral("@@@@@@"))
                + QStringLiteral("  (") + Format(s_.SoldCount, QStringLiteral("@@@@"))
                + QStringLiteral(" tickets @ ") + currency(qint64(s_.TicketPrice) * 100, false)
                + QStringLiteral(" per ticket)");
        lines_ << indent + QStringLiteral("Total Payout = $") + Format(payout_, QStringLiteral("@@@@@@"));
        lines_ << indent + QString(22, QLatin1Char('-'));
        const qint64 profit = sales - payout_;
        if (profit < 0)
            warnings_ << QStringLiteral("These prizes pay out more than the tickets bring in: %1 short")
                             .arg(currency(-profit * 100, false));
        percent_ = sales == 0 ? 0 : divideHalfEven(profit * 100, sales);
        lines_ << indent + QStringLiteral("Total Profit = $") + Format(profit, QStringLiteral("@@@@@@"))
                + Format(percent_, QStringLiteral("  (@@@ Percent )"));
        lines_ << QString() << QString();
    }

    // The chance of one ticket to win anything in the season: tickets per prize paid, counting
    // the extra tickets paid for ties when ties pay in full. Single precision throughout.
    void odds()
    {
        auto factor = [this](Prize prize) { return tiesPayFull() ? tieFactor(prize) : 1.0f; };
        auto on = [this](Prize prize) { return sw_.isChecked(prize) ? 1 : 0; };
        const int regular = s_.RegularWeeks;
        const int playoff = s_.PlayoffWeeks;
        const float prizes = on(Prize::RegularHigh) * regular * factor(Prize::RegularHigh)
            + on(Prize::RegularSecondHigh) * regular * factor(Prize::RegularSecondHigh)
            + on(Prize::RegularLow) * regular * factor(Prize::RegularLow) + on(Prize::GrandHigh)
            + on(Prize::GrandLow) + on(Prize::PlayoffHigh) * playoff * factor(Prize::PlayoffHigh)
            + on(Prize::PlayoffLow) * playoff * factor(Prize::PlayoffLow)
            + float(on(Prize::RegularRandom) * s_.randomWinnersPerWeek() * regular);
        if (prizes > float(s_.SoldCount))
            warnings_ << QStringLiteral("There are more prizes (%1) than tickets sold (%2)")
                             .arg(qRound(prizes))
                             .arg(s_.SoldCount);
        float odds = NoPrizeOdds;
        if (prizes != 0.0f) {
            const int tickets = sw_.unsoldRule == UnsoldRule::NextSold ? s_.SoldCount : s_.TicketCount;
            odds = float(tickets) / prizes;
        }
        odds_ = odds;
        lines_ << blanks(10) + QStringLiteral("Payout:") + Format(100 - percent_, QStringLiteral("@@@%"))
                + QStringLiteral("  Odds of Winning: 1 in ") + formatNumber(odds, "###.#");
    }

    const Season& s_;
    const PrizeSwitches& sw_;
    float ratio_ = 1.0f;
    bool estimated_ = false;
    qint64 payout_ = 0;
    qint64 percent_ = 0;
    QStringList lines_;
    QStringList warnings_;
    float odds_ = 0;
};

}  // namespace

PayoutEstimate payoutEstimate(const Season& season, const PrizeSwitches& switches)
{
    if (!switches.rulesChosen())
        return {tiesUnsoldLines(), std::nullopt};
    return EstimateBuilder(season, switches).build();
}

PayoutEstimate Calculate(Season& season, const PrizeSwitches& switches)
{
    PayoutEstimate estimate = payoutEstimate(season, switches);
    if (estimate.odds)
        season.Odds = *estimate.odds;
    return estimate;
}

PrintJob prizeStructureJob(const QStringList& lines)
{
    PrintJob job(QStringLiteral("Prize structure"));
    job.fontName(ReportFontName).fontSize(10).bold(true);
    for (int n = 0; n < 12; ++n)
        job.line();
    for (const QString& line : lines)
        job.line(blanks(11) + line);
    job.endDoc();
    return job;
}
