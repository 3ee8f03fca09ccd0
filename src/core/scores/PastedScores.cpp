#include "scores/PastedScores.h"

#include "tickets/ScoreEntry.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

namespace {

using Kind = PastedLine::Kind;

// A name as words to compare: no case, no accents, no punctuation, numbers without leading zeros.
QStringList nameWords(const QString& name)
{
    QString plain;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c.isLetterOrNumber() ? c.toCaseFolded() : QChar(QLatin1Char(' '));
    }
    QStringList words = plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QRegularExpression leadingZeros(QStringLiteral("^0+(?=\\d)"));
    for (QString& word : words)
        word.remove(leadingZeros);
    return words;
}

bool begins(const QStringList& words, const QStringList& part)
{
    return part.size() <= words.size() && words.mid(0, part.size()) == part;
}

bool ends(const QStringList& words, const QStringList& part)
{
    return part.size() <= words.size() && words.mid(words.size() - part.size()) == part;
}

const QRegularExpression& loneScore()
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*$"));
    return pattern;
}

// "Team name 21": the name and the score at the end.
const QRegularExpression& namedScore()
{
    static const QRegularExpression pattern(QStringLiteral("^(.*?)[\\s:=]*(\\d+(?:\\.\\d+)?)$"));
    return pattern;
}

// One table row in cells; a cell in double quotes may hold the separator, "" is a quote.
QStringList tableCells(const QString& row, QChar separator)
{
    QStringList cells{QString()};
    bool quoted = false;
    for (int n = 0; n < row.size(); ++n) {
        const QChar c = row[n];
        if (c == QLatin1Char('"')) {
            if (quoted && n + 1 < row.size() && row[n + 1] == QLatin1Char('"'))
                cells.last() += row[++n];
            else
                quoted = !quoted;
        } else if (c == separator && !quoted) {
            cells.append(QString());
        } else {
            cells.last() += c;
        }
    }
    for (QString& cell : cells)
        cell = cell.trimmed();
    return cells;
}

struct TableColumns {
    QChar separator;
    int team = -1;
    int score = -1;
};

// The table's first row names its team column and its score column.
std::optional<TableColumns> tableHeading(const QString& row)
{
    for (const QChar separator : {QChar(QLatin1Char('\t')), QChar(QLatin1Char(';')), QChar(QLatin1Char(','))}) {
        const QStringList cells = tableCells(row, separator);
        if (cells.size() < 2)
            continue;
        TableColumns columns{separator};
        for (int n = 0; n < cells.size(); ++n) {
            const QStringList words = nameWords(cells[n]);
            const auto has = [&words](std::initializer_list<const char*> names) {
                for (const char* name : names) {
                    if (words.contains(QLatin1String(name)))
                        return true;
                }
                return false;
            };
            if (columns.team < 0 && has({"team", "teams", "name", "club"}))
                columns.team = n;
            else if (columns.score < 0 && has({"score", "scores", "points", "pts", "goals"}))
                columns.score = n;
        }
        if (columns.team >= 0 && columns.score >= 0)
            return columns;
    }
    return std::nullopt;
}

class Reader {
public:
    Reader(const Season& season, PastedScores& pasted) : season_(season), pasted_(pasted) {}

    // Gives `score` (a score text, "" for a bye) to the team written as `name` on `line`; false
    // when the line is marked for it.
    bool give(PastedLine& line, const QString& name, const QString& score)
    {
        const QVector<int> teams = matchTeamName(season_, name);
        if (teams.size() != 1) {
            mark(line, teams.isEmpty() ? Kind::UnknownTeam : Kind::UnclearTeam, name, teams);
            return false;
        }
        const int team = teams.first();
        if (pasted_.typed[team]) {
            mark(line, Kind::TeamTwice, name, teams);
            line.earlier = namedOn_[team];
            return false;
        }
        if (!score.isEmpty() && !readTypedScore(score).accepted) {
            mark(line, Kind::BadScore, score, teams);
            return false;
        }
        pasted_.typed[team] = score;
        namedOn_[team] = line.number;
        if (line.kind == Kind::Blank) {
            line.kind = Kind::Read;
            line.teams.append(team);
        } else if (line.kind == Kind::Read) {
            line.teams.append(team);
        }
        return true;
    }

    static void mark(PastedLine& line, Kind kind, const QString& name, const QVector<int>& teams = {})
    {
        if (line.keepsFromStoring())
            return;  // the first problem of a line is the one it shows
        line.kind = kind;
        line.name = name;
        line.teams = teams;
    }

private:
    const Season& season_;
    PastedScores& pasted_;
    std::array<int, MaxTeams + 1> namedOn_{};
};

void readScorePerLine(const Season& season, PastedScores& pasted)
{
    int team = 0;
    for (PastedLine& line : pasted.lines) {
        ++team;
        const QString text = line.text.trimmed();
        if (team > season.TeamCount) {
            if (!text.isEmpty())
                Reader::mark(line, Kind::NoTeamLeft, text);
            continue;
        }
        line.teams = {team};
        if (text.isEmpty()) {
            pasted.typed[team] = QString();
            continue;
        }
        if (!readTypedScore(text).accepted) {
            Reader::mark(line, Kind::BadScore, text, {team});
            continue;
        }
        line.kind = Kind::Read;
        pasted.typed[team] = text;
    }
}

void readNamedScores(const Season& season, PastedScores& pasted)
{
    static const QRegularExpression gameDash(QStringLiteral("(?<=\\d)\\s*[-\u2013\u2014]\\s*(?=\\D)"));
    Reader reader(season, pasted);
    for (PastedLine& line : pasted.lines) {
        if (line.text.trimmed().isEmpty())
            continue;
        QStringList parts = line.text.split(QLatin1Char(','));
        if (parts.size() == 1)
            parts = line.text.split(gameDash);
        for (const QString& part : parts) {
            const QString written = part.trimmed();
            if (written.isEmpty())
                continue;
            const QRegularExpressionMatch match = namedScore().match(written);
            const QString name = match.hasMatch() ? match.captured(1).trimmed() : QString();
            if (name.isEmpty())
                Reader::mark(line, Kind::NoScore, written);
            else
                reader.give(line, name, match.captured(2));
        }
    }
}

void readTable(const Season& season, const TableColumns& columns, PastedScores& pasted)
{
    Reader reader(season, pasted);
    bool heading = true;
    for (PastedLine& line : pasted.lines) {
        if (line.text.trimmed().isEmpty())
            continue;
        if (std::exchange(heading, false)) {
            line.kind = Kind::Heading;
            continue;
        }
        const QStringList cells = tableCells(line.text, columns.separator);
        const QString name = cells.value(columns.team);
        const QString score = cells.value(columns.score);
        if (name.isEmpty() && score.isEmpty())
            continue;
        if (!score.isEmpty() && !loneScore().match(score).hasMatch()) {
            Reader::mark(line, Kind::BadScore, score);
            continue;
        }
        if (name.isEmpty())
            Reader::mark(line, Kind::UnknownTeam, name);
        else
            reader.give(line, name, score);
    }
}

QString teamList(const Season& season, const QVector<int>& teams)
{
    QStringList names;
    for (const int team : teams)
        names.append(season.TeamName[team].trimmed());
    if (names.size() <= 1)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + names.last();
}

}  // namespace

QVector<int> matchTeamName(const Season& season, const QString& written)
{
    const QStringList words = nameWords(written);
    QVector<int> same;
    QVector<int> partly;
    if (words.isEmpty())
        return same;
    for (int team = 1; team <= season.TeamCount && team <= MaxTeams; ++team) {
        const QStringList name = nameWords(season.TeamName[team]);
        if (name.isEmpty())
            continue;
        if (name == words)
            same.append(team);
        else if (begins(words, name) || ends(words, name) || begins(name, words) || ends(name, words))
            partly.append(team);
    }
    return same.isEmpty() ? partly : same;
}

PastedScores readPastedScores(const Season& season, const QString& text)
{
    PastedScores pasted;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList rows = text.split(lineEnd);
    while (!rows.isEmpty() && rows.last().trimmed().isEmpty())
        rows.removeLast();
    for (int n = 0; n < rows.size(); ++n)
        pasted.lines.append(PastedLine{.number = n + 1, .text = rows[n]});
    if (rows.isEmpty())
        return pasted;

    const auto firstFilled = std::find_if(rows.cbegin(), rows.cend(), [](const QString& row) { return !row.trimmed().isEmpty(); });
    const bool scoresOnly = std::all_of(rows.cbegin(), rows.cend(), [](const QString& row) {
        return row.trimmed().isEmpty() || loneScore().match(row).hasMatch();
    });
    if (scoresOnly) {
        pasted.shape = PasteShape::ScorePerLine;
        readScorePerLine(season, pasted);
    } else if (const std::optional<TableColumns> columns = tableHeading(*firstFilled)) {
        pasted.shape = PasteShape::Table;
        readTable(season, *columns, pasted);
    } else {
        pasted.shape = PasteShape::NamedScores;
        readNamedScores(season, pasted);
    }
    return pasted;
}

const PastedLine* PastedScores::firstProblem() const
{
    for (const PastedLine& line : lines) {
        if (line.keepsFromStoring())
            return &line;
    }
    return nullptr;
}

QVector<int> PastedScores::byes(int teamCount) const
{
    QVector<int> teams;
    for (int team = 1; team <= teamCount && team <= MaxTeams; ++team) {
        if (!typed[team] || typed[team]->trimmed().isEmpty())
            teams.append(team);
    }
    return teams;
}

Refusal pasteProblem(const Season& season, const PastedLine& line)
{
    const QString number = QString::number(line.number);
    switch (line.kind) {
    case Kind::UnknownTeam:
        return {MessageId::TeamNotFound, {number, line.name}};
    case Kind::UnclearTeam:
        return {MessageId::TeamNameNotClear, {number, line.name, teamList(season, line.teams)}};
    case Kind::TeamTwice:
        return {MessageId::TeamNamedTwice, {number, teamList(season, line.teams), QString::number(line.earlier)}};
    case Kind::BadScore:
        return {MessageId::PastedLineNotRead, {number, line.text.trimmed(), QStringLiteral("A score must be 0 to 999.")}};
    case Kind::NoScore:
        return {MessageId::PastedLineNotRead, {number, line.text.trimmed(), QStringLiteral("No score after the team's name.")}};
    case Kind::NoTeamLeft:
        return {MessageId::PastedLineNotRead,
                {number, line.text.trimmed(), QStringLiteral("The season has only %1 teams.").arg(season.TeamCount)}};
    case Kind::Read:
    case Kind::Blank:
    case Kind::Heading:
        break;
    }
    return {MessageId::PastedLineNotRead, {number, line.text.trimmed(), QString()}};
}

QStringList pastePreviewLines(const Season& season, const PastedScores& pasted)
{
    QStringList lines;
    for (const PastedLine& line : pasted.lines) {
        QString understood;
        switch (line.kind) {
        case Kind::Read: {
            QStringList given;
            for (const int team : line.teams) {
                const QString score = pasted.typed[team].value_or(QString());
                given.append(season.TeamName[team].trimmed() + QLatin1Char(' ')
                             + (score.trimmed().isEmpty() ? QStringLiteral("bye") : score));
            }
            understood = given.join(QStringLiteral(", "));
            break;
        }
        case Kind::Blank:
            if (pasted.shape != PasteShape::ScorePerLine || line.teams.isEmpty())
                continue;
            understood = season.TeamName[line.teams.first()].trimmed() + QStringLiteral(" bye");
            break;
        case Kind::Heading:
            understood = QStringLiteral("the table's headings");
            break;
        case Kind::UnknownTeam:
            understood = QStringLiteral("no team is called \"%1\"").arg(line.name);
            break;
        case Kind::UnclearTeam:
            understood = QStringLiteral("\"%1\" fits %2").arg(line.name, teamList(season, line.teams));
            break;
        case Kind::TeamTwice:
            understood = QStringLiteral("%1 already has a score from line %2").arg(teamList(season, line.teams)).arg(line.earlier);
            break;
        case Kind::BadScore:
            understood = QStringLiteral("%1 is not a score (0 to 999)").arg(line.name);
            break;
        case Kind::NoScore:
            understood = QStringLiteral("no score after \"%1\"").arg(line.name);
            break;
        case Kind::NoTeamLeft:
            understood = QStringLiteral("no team left for this score (%1 teams)").arg(season.TeamCount);
            break;
        }
        lines.append((line.keepsFromStoring() ? QStringLiteral("?? ") : QString()) + QStringLiteral("Line %1: ").arg(line.number)
                     + line.text.trimmed() + QStringLiteral("  ->  ") + understood);
    }
    if (pasted.shape != PasteShape::Empty) {
        const QVector<int> byes = pasted.byes(season.TeamCount);
        lines.append(QStringLiteral("Byes: ") + (byes.isEmpty() ? QStringLiteral("none") : teamList(season, byes)));
    }
    return lines;
}
