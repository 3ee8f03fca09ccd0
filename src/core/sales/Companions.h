#pragma once

// The files that belong to a season file and go wherever it goes: its sales register and its
// payouts record, "NAME.sales.csv" and "NAME.payouts.csv" beside "NAME.txt". Saving, restoring,
// renaming, deleting and backing up a season carry them along with these functions.

#include <QString>
#include <QStringList>

// The companion files' names of a season file name ("Kickpool.txt" -> "Kickpool.sales.csv", ...).
QStringList companionNames(const QString& seasonFileName);
// The companion path of a season path for one companion name of companionNames("X.txt").
QStringList companionPaths(const QString& seasonPath);

// Makes the companions of `toSeason` what those of `fromSeason` are: each one present is copied
// through the safe writing (readable by the owner only), each one absent is removed at the
// target. False with `reason` ("<path>: <why>") at the first failure.
bool copyCompanions(const QString& fromSeason, const QString& toSeason, QString* reason = nullptr);
// Renames the companions of one season file to those of another (a missing one is skipped).
bool renameCompanions(const QString& fromSeason, const QString& toSeason, QString* reason = nullptr);
// Removes the companions of a season file.
bool removeCompanions(const QString& seasonPath, QString* reason = nullptr);
