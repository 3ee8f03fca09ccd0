#include "front/FrontLines.h"

#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"

#include <algorithm>

namespace {

// Where the front sends a buyer for the full rules.
const QString InformationLine = QStringLiteral("Full rules and results: www.kickpool.example");

QString shownText(const QString& text)
{
    return text.size() == 1 ? QString() : text;
}

QString dollars(int amount)
{
    return currency(qint64(amount) * 100, false);
}

class Composer {
public:
    int count() const { return int(lines_.size()); }
    void add(const QString& text, const char* code) { lines_.append({text, QString::fromLatin1(code)}); }
    void blank() { add({}, "N"); }
    void blankWhileBelow(int count)
    {
        if (this->count() < count)
            blank();
    }
    QVector<FrontLine> take() { return std::move(lines_); }

private:
    QVector<FrontLine> lines_;
};

// A prize line: the rule, the amount, and the blanks that end every such line.
QString prize(const QString& rule, int amount)
{
    return rule + dollars(amount) + blanks(17);
}

}  // namespace

bool emptySingleCharacterTexts(Season& season)
{
    bool emptied = false;
    for (int n = 1; n <= 4; ++n) {
        if (season.FrontText[n].size() == 1) {
            season.FrontText[n].clear();
            emptied = true;
        }
    }
    return emptied;
}

QVector<FrontLine> frontLines(const Season& s)
{
    Composer front;
    front.add(shownText(s.FrontText[1]) + blanks(12), "CB0");
    front.blank();
    front.add(shownText(s.FrontText[2]) + QStringLiteral(" SCOREPOT") + blanks(8), "B4");
    front.blank();
    front.add(shownText(s.FrontText[3]) + QStringLiteral(" SEASON") + blanks(13), "B0");
    front.blank();

    front.add(QStringLiteral("RULES") + blanks(12), "B");
    front.add(QStringLiteral("Two teams for each week are listed on back") + blanks(17), "N");
    front.add(QStringLiteral("BOTH teams must play to be a winner") + blanks(17), "N");
    if (s.tieMethod() == TieMethod::PayFull)
        front.add(QStringLiteral("All ties pay full win amount") + blanks(17), "N");
    if (s.tieMethod() == TieMethod::Split)
        front.add(QStringLiteral("All ties split combined prize money") + blanks(17), "N");
    if (s.unsoldRule() == UnsoldRule::NextSold)
        front.add(QStringLiteral("Unsold ticket won - Pay next closest") + blanks(17), "N");
    front.add(InformationLine + blanks(17), "N");

    // Every stored amount counts here, switched on or not, so these go by position.
    const auto amounts = s.PrizeValue.begin() + 1;
    if (std::count_if(amounts, amounts + 11, [](int v) { return v > 0; }) < 7)
        front.blank();
    front.blankWhileBelow(12);

    const QString ifTeams = QStringLiteral("If teams have ");
    if (s.prizeOn(Prize::RegularHigh) || s.prizeOn(Prize::RegularSecondHigh) || s.prizeOn(Prize::RegularLow)
        || s.prizeOn(Prize::RegularRandom))
        front.add(QStringLiteral("Regular Season (") + alignRight(s.RegularWeeks, 2) + QStringLiteral(" weeks)")
                      + blanks(12),
                  "B");
    if (s.prizeOn(Prize::RegularHigh))
        front.add(prize(ifTeams + QStringLiteral("highest total score, win "), s.prizeAmount(Prize::RegularHigh)), "N");
    if (s.prizeOn(Prize::RegularSecondHigh))
        front.add(prize(ifTeams + QStringLiteral("2nd highest total score, win "), s.prizeAmount(Prize::RegularSecondHigh)),
                  "N");
    if (s.prizeOn(Prize::RegularLow))
        front.add(prize(ifTeams + QStringLiteral("lowest  total score, win "), s.prizeAmount(Prize::RegularLow)), "N");
    if (s.prizeOn(Prize::RegularRandom))
        front.add(prize(QString::number(s.randomWinnersPerWeek()) + QStringLiteral(" Random weekly drawings for "),
                        s.prizeAmount(Prize::RegularRandom)),
                  "N");
    front.blankWhileBelow(16);

    if ((s.prizeOn(Prize::PlayoffHigh) || s.prizeOn(Prize::PlayoffLow)) && s.PlayoffWeeks >= 1) {
        const QString weeks = s.PlayoffWeeks == 1 ? QStringLiteral(" 1 week)")
                                                  : alignRight(s.PlayoffWeeks, 2) + QStringLiteral(" weeks)");
        front.add(QStringLiteral("Playoff Season  (") + weeks + blanks(12), "B");
    }
    if (s.prizeOn(Prize::PlayoffHigh))
        front.add(prize(ifTeams + QStringLiteral("highest total score, win "), s.prizeAmount(Prize::PlayoffHigh)), "N");
    if (s.prizeOn(Prize::PlayoffLow))
        front.add(prize(ifTeams + QStringLiteral("lowest  total score, win "), s.prizeAmount(Prize::PlayoffLow)), "N");
    front.blankWhileBelow(20);

    if (s.prizeOn(Prize::GrandHigh) || s.prizeOn(Prize::GrandLow))
        front.add(QStringLiteral("GRAND PRIZE (end reg season)") + blanks(12), "B");
    if (s.prizeOn(Prize::GrandHigh))
        front.add(prize(QStringLiteral("Highest valued ticket win "), s.prizeAmount(Prize::GrandHigh)), "N");
    if (s.prizeOn(Prize::GrandLow))
        front.add(prize(QStringLiteral("Lowest  valued ticket win "), s.prizeAmount(Prize::GrandLow)), "N");
    front.blank();

    // The top prize is the largest amount stored, whether or not its prize is switched on.
    const int top = *std::max_element(amounts, amounts + PrizeValueCount);
    front.add(QStringLiteral("WIN UP TO ") + dollars(top) + blanks(8), "B4");
    front.blankWhileBelow(25);
    front.blank();
    front.add(QStringLiteral("DONATION  ") + dollars(s.TicketPrice) + blanks(11), "B2");
    front.blankWhileBelow(27);
    front.add(QStringLiteral("Odds of Winning: 1 in ") + formatNumber(s.Odds, QStringLiteral("###.#")) + blanks(19),
              "N");
    front.blankWhileBelow(28);
    front.add(shownText(s.FrontText[4]) + blanks(17), "N");

    while (front.count() < FrontLinesBeforeFields)
        front.blank();
    front.blank();
    front.blank();
    const QString line = QString(24, QLatin1Char('_'));
    for (const QString& field : {QStringLiteral("Name    ") + line, QStringLiteral("Address") + line,
                                 QStringLiteral("_______") + line, QStringLiteral("Phone #") + line,
                                 QStringLiteral("Sold By") + line}) {
        front.add(field + blanks(11), "B0");
        front.blank();
    }
    return front.take();
}
