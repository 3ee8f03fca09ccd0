#pragma once

#include <QString>
#include <QStringList>

// The season file in current use, in the Files folder.
inline const QString CurrentUseFileName = QStringLiteral("Kickpool.txt");

// The longest file name (without ".txt") that the data files accept.
constexpr int MaxFileNameLength = 64;

// Why a typed file name (without extension) cannot name a file of the Files folder, or an empty
// text when it can: names that leave the folder, hold characters some file system refuses
// (/ \ : * ? " < > | and control characters), start or end with a dot or a blank, are longer
// than 64 characters, or are a device name on Windows (CON, PRN, AUX, NUL, CONIN$, CONOUT$,
// COM1..COM9, LPT1..LPT9, also with the superscript digits 1 to 3).
// An empty name is not judged here: it is a name not entered.
QString fileNameProblem(const QString& typedName);

// Whether a typed name is the current-use file's name without extension, in any letter case.
bool isCurrentUseName(const QString& typedName);

// The season files of the Files folder: the names of its *.txt files, sorted without regard to
// case. A missing folder has none.
QStringList storedSeasons(const QString& filesFolder);
