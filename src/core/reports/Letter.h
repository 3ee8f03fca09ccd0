#pragma once

#include "print/PrintJob.h"
#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Session;

// One check line of the letter: a switched-on prize and its amount.
struct LetterPrize {
    Prize prize = Prize::RegularHigh;
    int amount = 0;  // whole currency units
    bool operator==(const LetterPrize&) const = default;
};

// The switched-on prizes, highest amount first; equal amounts keep the order regular high, second
// high, low, random, grand high, grand low, playoff high, playoff low.
QVector<LetterPrize> letterPrizes(const Season& season);

// A sport name as the letter writes it: each word with a capital first letter, the rest small.
QString capitalisedWords(const QString& text);

// The letter to winners as the main screen's list shows it.
QStringList letterLines(const Session& session);

// One printed copy of the letter.
PrintJob letterJob(const Session& session);

// Asks for the number of copies (input 6, proposing 1) until a number from 1 to 100 is given.
// Returns 0 when the user cancels.
int askLetterCopies(Session& session);
