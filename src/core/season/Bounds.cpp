#include "season/Bounds.h"

#include "season/Season.h"
#include "season/Windows1252.h"

#include <QList>

#include <algorithm>
#include <iterator>

namespace {

// The one table. Counts are bounded by the arrays of the season; amounts by the prize
// structure screen; texts by the entry fields that type them (the free texts of the ticket front
// and the return address have no field limit and get a generous one).
constexpr BoundRule Rules[] = {
    {Bound::TicketSize, "ticket size", 0, 4},
    {Bound::Seed, "seed", -32767, 32767},
    // No price is set before the prize structure sets one, nor after its RESET.
    {Bound::TicketPrice, "ticket price", 1, 100, 0},
    // The odds are 0 until the payout estimate computes them.
    {Bound::Odds, "odds of winning", 0, 10000},
    {Bound::RegularWeeks, "number of regular weeks", 0, MaxRegularWeeks},
    {Bound::PlayoffWeeks, "number of playoff weeks", 0, MaxPlayoffWeeks},
    {Bound::TotalWeeks, "number of weeks in all", 0, MaxScoredWeeks},
    {Bound::TeamCount, "number of teams", 0, MaxTeams},
    {Bound::UnsoldCount, "number of unsold sequences", 0, MaxUnsold},
    {Bound::PrizeSwitch, "prize switch", 0, 1},
    {Bound::PrizeChoice, "rule choice", -1, 0},
    {Bound::RegularHighAmount, "weekly high prize", 0, 1000},
    {Bound::RegularSecondAmount, "weekly second high prize", 0, 750},
    {Bound::RegularLowAmount, "weekly low prize", 0, 500},
    {Bound::RandomAmount, "random winner prize", 0, 50},
    {Bound::GrandHighAmount, "grand prize for the highest ticket", 0, 5000},
    {Bound::GrandLowAmount, "grand prize for the lowest ticket", 0, 3000},
    {Bound::PlayoffHighAmount, "playoff high prize", 0, 2000},
    {Bound::PlayoffLowAmount, "playoff low prize", 0, 1000},
    {Bound::UnusedAmount, "unused prize amount", 0, 5000},
    {Bound::RandomWinners, "number of random winners a week", 0, 20},
    {Bound::ScoredWeeks, "number of scored weeks", 0, MaxScoredWeeks},
    {Bound::ScoreTeams, "number of score columns", 0, MaxTeams},
    {Bound::ScoreWeek, "week number of a score row", 0, MaxScoredWeeks},
    {Bound::Score, "score", Bye, 999},
    {Bound::FrontText, "ticket front text", 0, 255},
    {Bound::ReturnAddress, "return address line", 0, 255},
    {Bound::WeekDate, "week date", 0, 6},
    {Bound::TeamName, "team name", 0, 13},
    {Bound::UnsoldSeq, "unsold sequence", 0, 9},
};

QString nameOf(Bound bound)
{
    return QString::fromLatin1(boundRule(bound).name);
}

QString withArticle(const QString& noun)
{
    const bool vowel = QStringLiteral("aeiou").contains(noun.at(0));
    return (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) + noun;
}

enum class TextFault { None, TooLong, Quote, LineBreak, Character };

TextFault textFault(Bound bound, const QString& text)
{
    if (text.size() > maxTextLength(bound))
        return TextFault::TooLong;
    if (text.contains(QLatin1Char('"')))
        return TextFault::Quote;
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return TextFault::LineBreak;
    if (!Windows1252::canEncode(text))
        return TextFault::Character;
    return TextFault::None;
}

// The first character of a text that the season file's code page has no place for.
QString firstUnsaveable(const QString& text)
{
    for (const char32_t c : QStringView(text).toUcs4()) {
        if (!Windows1252::canEncode(c))
            return QString::fromUcs4(&c, 1);
    }
    return {};
}

// Collects the sentences of boundProblems().
class ProblemList {
public:
    void whole(Bound bound, const QString& label, int value)
    {
        const BoundRule& rule = boundRule(bound);
        if (!rule.contains(value))
            lines.append(QStringLiteral("%1 is %2, not %3 to %4").arg(label).arg(value).arg(rule.min).arg(rule.max));
    }
    void text(Bound bound, const QString& label, const QString& value)
    {
        const QString quoted = QStringLiteral("%1 \"%2\"").arg(label, value);
        switch (textFault(bound, value)) {
        case TextFault::None:
            break;
        case TextFault::TooLong:
            lines.append(QStringLiteral("%1 is longer than %2 characters").arg(quoted).arg(maxTextLength(bound)));
            break;
        case TextFault::Quote:
            lines.append(quoted + QStringLiteral(" holds a double quote"));
            break;
        case TextFault::LineBreak:
            lines.append(label + QStringLiteral(" holds a line break"));
            break;
        case TextFault::Character:
            lines.append(QStringLiteral("%1 holds \"%2\", which cannot be saved").arg(quoted, firstUnsaveable(value)));
            break;
        }
    }
    template <typename Texts>
    void texts(Bound bound, const QString& label, const Texts& values, int count)
    {
        for (int n = 1; n <= count && n < int(values.size()); ++n)
            text(bound, QStringLiteral("%1 %2").arg(label).arg(n), values[n]);
    }
    QStringList lines;
};

}  // namespace

bool BoundRule::isText() const
{
    return bound >= Bound::FrontText;
}

const BoundRule& boundRule(Bound bound)
{
    const auto found = std::find_if(std::begin(Rules), std::end(Rules), [bound](const BoundRule& rule) { return rule.bound == bound; });
    Q_ASSERT(found != std::end(Rules));
    return *found;
}

WholeRange allowedRange(Bound bound)
{
    const BoundRule& rule = boundRule(bound);
    return {rule.min, rule.max};
}

int maxTextLength(Bound bound)
{
    return boundRule(bound).max;
}

Bound prizeOptionBound(int position)
{
    return position >= 12 ? Bound::PrizeChoice : Bound::PrizeSwitch;
}

Bound prizeValueBound(int position)
{
    switch (position) {
    case 1: return Bound::RegularHighAmount;
    case 2: return Bound::RegularSecondAmount;
    case 4: return Bound::RegularLowAmount;
    case 6: return Bound::RandomAmount;
    case 7: return Bound::GrandHighAmount;
    case 8: return Bound::GrandLowAmount;
    case 9: return Bound::PlayoffHighAmount;
    case 11: return Bound::PlayoffLowAmount;
    case 12: return Bound::RandomWinners;
    default: return Bound::UnusedAmount;
    }
}

WholeRange regularWeeksRange(int playoffWeeks)
{
    const int withPlayoffs = allowedRange(Bound::TotalWeeks).max - 1;
    if (playoffWeeks <= 0)
        return allowedRange(Bound::RegularWeeks);
    return {0, std::clamp(withPlayoffs - playoffWeeks, 0, withPlayoffs)};
}

WholeRange playoffWeeksRange(int regularWeeks)
{
    const int withPlayoffs = allowedRange(Bound::TotalWeeks).max - 1;
    if (regularWeeks <= 0)
        return allowedRange(Bound::PlayoffWeeks);
    return {0, std::clamp(withPlayoffs - regularWeeks, 0, allowedRange(Bound::PlayoffWeeks).max)};
}

QString expectedValue(Bound bound)
{
    const BoundRule& rule = boundRule(bound);
    const QString name = nameOf(bound);
    if (rule.isText())
        return QStringLiteral("%1 of at most %2 characters").arg(withArticle(name)).arg(rule.max);
    if (bound == Bound::Odds)
        return QStringLiteral("odds of winning from 0 to %1").arg(rule.max);
    if (rule.unset != BoundRule::NoUnset)
        return QStringLiteral("%1 from %2 to %3 (or %4 when not set)").arg(withArticle(name)).arg(rule.min).arg(rule.max).arg(rule.unset);
    if (rule.max - rule.min == 1 && (rule.min == 0 || rule.max == 0))
        return QStringLiteral("%1 of 0 or %2").arg(withArticle(name)).arg(rule.min == 0 ? rule.max : rule.min);
    return QStringLiteral("%1 from %2 to %3").arg(withArticle(name)).arg(rule.min).arg(rule.max);
}

QString textRefusal(Bound bound, const QString& text)
{
    const QString name = withArticle(nameOf(bound));
    switch (textFault(bound, text)) {
    case TextFault::None:
        return {};
    case TextFault::TooLong:
        return expectedValue(bound);
    case TextFault::Quote:
        return name + QStringLiteral(" without double quotes");
    case TextFault::LineBreak:
        return name + QStringLiteral(" on one line");
    case TextFault::Character:
        return name + QStringLiteral(" in the characters of Windows-1252");
    }
    return {};
}

bool oddsAllowed(float odds)
{
    return odds >= float(boundRule(Bound::Odds).min) && odds <= float(boundRule(Bound::Odds).max);
}

QStringList boundProblems(const Season& s)
{
    ProblemList problems;
    problems.texts(Bound::FrontText, QStringLiteral("ticket front text"), s.FrontText, 4);
    problems.texts(Bound::ReturnAddress, QStringLiteral("return address line"), s.ReturnAddress, 4);
    problems.whole(Bound::TicketSize, QStringLiteral("the ticket size"), s.TicketSize);
    problems.whole(Bound::Seed, QStringLiteral("the seed"), s.Seed);
    problems.whole(Bound::TicketPrice, QStringLiteral("the ticket price"), s.TicketPrice);
    if (!oddsAllowed(s.Odds))
        problems.lines.append(QStringLiteral("the odds of winning are %1, not 0 to %2")
                                  .arg(double(s.Odds))
                                  .arg(boundRule(Bound::Odds).max));
    problems.whole(Bound::RegularWeeks, QStringLiteral("the number of regular weeks"), s.RegularWeeks);
    problems.texts(Bound::WeekDate, QStringLiteral("regular week date"), s.RegularDate, s.RegularWeeks);
    problems.whole(Bound::PlayoffWeeks, QStringLiteral("the number of playoff weeks"), s.PlayoffWeeks);
    problems.texts(Bound::WeekDate, QStringLiteral("playoff week date"), s.PlayoffDate, s.PlayoffWeeks);
    if (!allowedRange(Bound::TotalWeeks).contains(s.RegularWeeks + s.PlayoffWeeks))
        problems.lines.append(QStringLiteral("%1 regular and %2 playoff weeks are more than the %3 weeks a season holds")
                                  .arg(s.RegularWeeks)
                                  .arg(s.PlayoffWeeks)
                                  .arg(allowedRange(Bound::TotalWeeks).max));
    problems.whole(Bound::TeamCount, QStringLiteral("the number of teams"), s.TeamCount);
    problems.texts(Bound::TeamName, QStringLiteral("team name"), s.TeamName, s.TeamCount);
    problems.whole(Bound::UnsoldCount, QStringLiteral("the number of unsold sequences"), s.UnsoldCount);
    problems.texts(Bound::UnsoldSeq, QStringLiteral("unsold sequence"), s.UnsoldSeq, s.UnsoldCount);
    for (int n = 1; n <= PrizeOptionCount; ++n)
        problems.whole(prizeOptionBound(n), QStringLiteral("prize switch %1").arg(n), s.PrizeOption[n]);
    for (int n = 1; n <= PrizeValueCount; ++n)
        problems.whole(prizeValueBound(n), QStringLiteral("the %1").arg(nameOf(prizeValueBound(n))), s.PrizeValue[n]);
    problems.whole(Bound::ScoredWeeks, QStringLiteral("the number of scored weeks"), s.ScoredWeeks);
    problems.whole(Bound::ScoreTeams, QStringLiteral("the number of score columns"), s.ScoreTeams);
    for (int w = 1; w <= std::min(s.ScoredWeeks, MaxScoredWeeks); ++w) {
        problems.whole(Bound::ScoreWeek, QStringLiteral("the week number of score row %1").arg(w), s.Score[w][0]);
        for (int t = 1; t <= std::min(s.ScoreTeams, MaxTeams); ++t)
            problems.whole(Bound::Score, QStringLiteral("the score of team %1 in week %2").arg(t).arg(w), s.Score[w][t]);
    }
    return problems.lines;
}
