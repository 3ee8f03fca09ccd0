#include "reports/Letter.h"

#include "dialogs/InputCatalogue.h"
#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Session.h"

namespace {

const QString Indent = blanks(7);

// The two lines of one prize; the second is empty for the random drawing.
struct PrizeText {
    QString first;
    QString second;
};

PrizeText prizeText(Prize prize, const Season& season)
{
    const QString regular = alignRight(season.RegularWeeks, 2);
    const QString playoff = alignRight(season.PlayoffWeeks, 2);
    const QString regularSeason = QStringLiteral("total score during the ") + regular
        + QStringLiteral(" week regular season.");
    const QString playoffSeason = QStringLiteral("total score during the ") + playoff
        + QStringLiteral(" week playoff season.");
    const QString endOfRegular = QStringLiteral("at the end of the ") + regular
        + QStringLiteral(" week regular season.");
    switch (prize) {
    case Prize::RegularHigh:
        return {QStringLiteral(" for having the two teams with highest"), regularSeason};
    case Prize::RegularSecondHigh:
        return {QStringLiteral(" for having the two teams with second highest"), regularSeason};
    case Prize::RegularLow:
        return {QStringLiteral(" for having the two teams with lowest"), regularSeason};
    case Prize::RegularRandom:
        return {QStringLiteral(" random drawing during the ") + regular
                    + QStringLiteral(" week regular season."),
                {}};
    case Prize::GrandHigh:
        return {QStringLiteral(" Grand Prize for having the highest valued ticket"), endOfRegular};
    case Prize::GrandLow:
        return {QStringLiteral(" Grand Prize for having the lowest valued ticket"), endOfRegular};
    case Prize::PlayoffHigh:
        return {QStringLiteral(" for having the two teams with highest"), playoffSeason};
    case Prize::PlayoffLow:
        return {QStringLiteral(" for having the two teams with lowest"), playoffSeason};
    default:
        return {};
    }
}

}  // namespace

QVector<LetterPrize> letterPrizes(const Season& season)
{
    QVector<LetterPrize> prizes;
    for (Prize prize : {Prize::RegularHigh, Prize::RegularSecondHigh, Prize::RegularLow, Prize::RegularRandom,
                        Prize::GrandHigh, Prize::GrandLow, Prize::PlayoffHigh, Prize::PlayoffLow}) {
        if (season.prizeOn(prize))
            prizes.append({prize, season.prizeAmount(prize)});
    }
    // A bubble sort that swaps only when the later amount is greater, so it is stable.
    const int n = prizes.size();
    for (int pass = 1; pass < n; ++pass) {
        bool swapped = false;
        for (int e = 0; e < n - pass; ++e) {
            if (prizes[e + 1].amount > prizes[e].amount) {
                std::swap(prizes[e], prizes[e + 1]);
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
    return prizes;
}

QString capitalisedWords(const QString& text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& c : out) {
        if (c.isSpace()) {
            wordStart = true;
        } else {
            if (wordStart)
                c = c.toUpper();
            wordStart = false;
        }
    }
    return out;
}

QStringList letterLines(const Session& session)
{
    const Season& season = session.season;
    QStringList lines{QString(), QString(), QString(), QString()};
    for (int i = 1; i <= 4; ++i) {
        if (!season.ReturnAddress[i].isEmpty())
            lines << Indent + season.ReturnAddress[i];
    }
    lines << QString() << QString() << Indent + QStringLiteral("Congratulations:") << QString();
    lines << Indent + QStringLiteral("For the week ") + QStringLiteral("ending  _______________, 20____");
    lines << Indent + QStringLiteral("you were a winner, in our ") + capitalisedWords(season.FrontText[2])
            + QStringLiteral(" Scorepot, of:");
    for (const LetterPrize& prize : letterPrizes(season)) {
        const PrizeText text = prizeText(prize.prize, season);
        lines << QString();
        lines << blanks(12) + QStringLiteral("___ ") + currency(qint64(prize.amount) * 100, false)
                + text.first;
        if (!text.second.isEmpty())
            lines << blanks(16) + text.second;
    }
    lines << QString();
    lines << Indent + QStringLiteral("Thank you for supporting our fund raiser.  ")
            + QStringLiteral("We hope you will");
    lines << Indent + QStringLiteral("continue to support us in the future.");
    lines << QString() << QString() << Indent + QStringLiteral("Sincerely,");
    lines << QString() << QString() << QString() << QString();
    lines << Indent + season.ReturnAddress[1];
    return lines;
}

PrintJob letterJob(const Session& session)
{
    PrintJob job(QStringLiteral("Letter to winners"));
    job.fontName(ReportFontName).fontSize(12).bold(true);
    for (int n = 0; n < 4; ++n)
        job.line();
    for (const QString& line : letterLines(session))
        job.line(QStringLiteral(" ") + line);
    job.endDoc();
    return job;
}

int askLetterCopies(Session& session)
{
    return askCount(session, InputId::LetterCopies, 100);
}
