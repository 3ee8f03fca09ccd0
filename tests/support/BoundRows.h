#pragma once

// The rows of tests/data/season-bounds.txt: a value just beyond each bound of the season, and
// the problem that reading the four-team season file with it reports.

#include "TestFiles.h"

#include <QVector>

struct BoundRow {
    int line = 0;
    int item = 0;  // 0: the whole line
    QByteArray value;
    int problemLine = 0;
    QString expected;
    bool alone = false;  // the file cannot be read on past it
};

inline QVector<BoundRow> boundRows()
{
    QVector<BoundRow> rows;
    for (const QByteArray& text : readFile(QStringLiteral(KICKPOOL_TEST_DATA "/season-bounds.txt")).split('\n')) {
        const QList<QByteArray> f = text.split('|');
        if (f.size() >= 5 && !text.startsWith('#'))
            rows.append({f[0].toInt(), f[1].toInt(), f[2], f[3].toInt(), QString::fromLatin1(f[4]), f.size() > 5});
    }
    return rows;
}

// A season file (CR LF line ends) with the row's value in place.
inline QByteArray withValue(const QByteArray& file, const BoundRow& row)
{
    QList<QByteArray> lines = file.split('\n');
    QList<QByteArray> items = lines[row.line - 1].chopped(1).split(',');
    items[std::max(row.item, 1) - 1] = row.value;
    lines[row.line - 1] = (row.item == 0 ? row.value : items.join(',')) + '\r';
    return lines.join('\n');
}
