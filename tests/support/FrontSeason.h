#pragma once

// The season of the ticket front tests: every prize on, ties paid in full, unsold winners passed
// on. tests/data/front_full.txt holds its front as kickpool-cli front writes it.

#include "TestFiles.h"
#include "TestSeason.h"

#include "front/FrontLines.h"
#include "season/Format.h"

inline Season fullFrontSeason(int ticketSize = 2)
{
    Season s = testSeason(32, 17, 4);
    s.FrontText[2] = QStringLiteral("FOOTBALL");
    s.FrontText[4] = QStringLiteral("Raffle permit 2024-7");
    setEveryPrize(s);
    s.setRandomWinnersPerWeek(3);
    s.setTieMethod(TieMethod::PayFull);
    s.setUnsoldRule(UnsoldRule::NextSold);
    s.Odds = 14.588235f;
    s.TicketSize = s.SavedTicketSize = ticketSize;
    return s;
}

inline QString expectedFrontText() { return QString::fromUtf8(readFile(QStringLiteral(KICKPOOL_TEST_DATA "/front_full.txt"))); }

inline QStringList frontTexts(const QVector<FrontLine>& lines)
{
    QStringList texts;
    for (const FrontLine& line : lines)
        texts.append(line.text);
    return texts;
}

// The texts of the lines that print something.
inline QStringList printedTexts(const QVector<FrontLine>& lines)
{
    QStringList texts;
    for (const FrontLine& line : lines) {
        if (!line.text.isEmpty())
            texts.append(line.text);
    }
    return texts;
}
