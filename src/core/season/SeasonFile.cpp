#include "season/SeasonFile.h"

#include "season/Season.h"
#include "season/Session.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTextCodec>
#include <QVector>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

const QString WholeNumber = QStringLiteral("a whole number");
const QString QuotedText = QStringLiteral("a quoted text");

QTextCodec* seasonCodec()
{
    static QTextCodec* const codec = QTextCodec::codecForName("Windows-1252");
    return codec;
}

// ---------------------------------------------------------------------------------------------
// Reading

// Thrown by the reader where the content stops making sense; caught by readSeasonFile.
struct Damage {
    int line;
    QString expected;
};

struct Item {
    QString text;
    bool quoted = false;
    bool wellFormed = true;  // a quoted item closed by its quote and followed by nothing else
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The items of one line: separated by commas; a quoted item runs to its closing quote, so a
// comma inside it is part of it.
QVector<Item> splitItems(const QString& line)
{
    QVector<Item> items;
    const int n = line.size();
    int pos = 0;
    while (true) {
        while (pos < n && isBlank(line[pos]))
            ++pos;
        Item item;
        if (pos < n && line[pos] == QLatin1Char('"')) {
            item.quoted = true;
            const int close = line.indexOf(QLatin1Char('"'), pos + 1);
            if (close < 0) {
                item.wellFormed = false;
                item.text = line.mid(pos + 1);
                pos = n;
            } else {
                item.text = line.mid(pos + 1, close - pos - 1);
                pos = close + 1;
                while (pos < n && isBlank(line[pos]))
                    ++pos;
                if (pos < n && line[pos] != QLatin1Char(',')) {
                    item.wellFormed = false;
                    const int comma = line.indexOf(QLatin1Char(','), pos);
                    pos = comma < 0 ? n : comma;
                }
            }
        } else {
            const int comma = line.indexOf(QLatin1Char(','), pos);
            const int end = comma < 0 ? n : comma;
            item.text = line.mid(pos, end - pos).trimmed();
            pos = end;
        }
        items.append(item);
        if (pos >= n)
            break;
        ++pos;  // the comma
    }
    return items;
}

bool parseWhole(const Item& item, int& value)
{
    if (item.quoted || item.text.isEmpty())
        return false;
    const QByteArray digits = item.text.toLatin1();
    int parsed = 0;
    const char* first = digits.constData();
    const char* last = first + digits.size();
    const auto [end, error] = std::from_chars(first, last, parsed);
    if (error != std::errc() || end != last)
        return false;
    if (parsed < std::numeric_limits<qint16>::min() || parsed > std::numeric_limits<qint16>::max())
        return false;
    value = parsed;
    return true;
}

bool parseDecimal(const Item& item, float& value)
{
    if (item.quoted || item.text.isEmpty())
        return false;
    const QByteArray digits = item.text.toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    float parsed = 0;
    const auto [end, error] = std::from_chars(first, last, parsed, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

// Reads the season file record by record, one record a line, and knows the line it is on.
class RecordReader {
public:
    explicit RecordReader(const QString& text)
    {
        int start = 0;
        const int n = text.size();
        for (int pos = 0; pos < n; ++pos) {
            const QChar c = text[pos];
            if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                lines_.append(text.mid(start, pos - start));
                if (c == QLatin1Char('\r') && pos + 1 < n && text[pos + 1] == QLatin1Char('\n'))
                    ++pos;
                start = pos + 1;
            }
        }
        if (start < n)
            lines_.append(text.mid(start));
    }

    QString text()
    {
        const Item item = record(1, QuotedText).front();
        if (!item.quoted || !item.wellFormed)
            throw Damage{line_, QuotedText};
        return item.text;
    }

    int whole()
    {
        return wholes(1).front();
    }

    QVector<int> wholes(int count)
    {
        const QString expected = count == 1
            ? WholeNumber
            : QStringLiteral("%1 whole numbers separated by commas").arg(count);
        const QVector<Item> items = record(count, expected);
        QVector<int> values(count);
        for (int n = 0; n < count; ++n) {
            if (!parseWhole(items[n], values[n]))
                throw Damage{line_, WholeNumber};
        }
        return values;
    }

    // A count read before the items it governs: 0..max.
    int count(int max, const QString& what)
    {
        const int value = whole();
        checkCount(value, max, what);
        return value;
    }

    void checkCount(int value, int max, const QString& what) const
    {
        if (value < 0)
            throw Damage{line_, QStringLiteral("a number of %1 of 0 or more").arg(what)};
        if (value > max)
            throw Damage{line_, QStringLiteral("at most %1 %2").arg(max).arg(what)};
    }

    float decimal()
    {
        static const QString expected = QStringLiteral("a number such as 12.5");
        float value = 0;
        if (!parseDecimal(record(1, expected).front(), value))
            throw Damage{line_, expected};
        return value;
    }

    int line() const { return line_; }

private:
    // The items of the next line, which must hold exactly `count` of them.
    QVector<Item> record(int count, const QString& expected)
    {
        ++line_;
        if (line_ > lines_.size())
            throw Damage{line_, expected};
        QVector<Item> items = splitItems(lines_[line_ - 1]);
        if (items.size() != count)
            throw Damage{line_, expected};
        return items;
    }

    QStringList lines_;
    int line_ = 0;  // the line last read, from 1
};

void readInto(RecordReader& in, Season& s)
{
    for (int n = 1; n <= 4; ++n)
        s.FrontText[n] = in.text();
    for (int n = 1; n <= 4; ++n)
        s.ReturnAddress[n] = in.text();
    s.TicketSize = in.whole();
    s.SavedTicketSize = s.TicketSize;
    s.Seed = in.whole();
    s.TicketPrice = in.whole();
    s.Odds = in.decimal();

    s.RegularWeeks = in.count(MaxRegularWeeks, QStringLiteral("regular weeks"));
    for (int n = 1; n <= s.RegularWeeks; ++n)
        s.RegularDate[n] = in.text();
    s.PlayoffWeeks = in.count(MaxPlayoffWeeks, QStringLiteral("playoff weeks"));
    for (int n = 1; n <= s.PlayoffWeeks; ++n)
        s.PlayoffDate[n] = in.text();
    s.TeamCount = in.count(MaxTeams, QStringLiteral("teams"));
    for (int n = 1; n <= s.TeamCount; ++n)
        s.TeamName[n] = in.text();
    s.UnsoldCount = in.count(MaxUnsold, QStringLiteral("unsold sequences"));
    for (int n = 1; n <= s.UnsoldCount; ++n) {
        s.UnsoldSeq[n] = in.text();
        // The editor never stores a sequence without its comma; an empty text is an unused entry.
        if (!s.UnsoldSeq[n].isEmpty() && !s.UnsoldSeq[n].contains(QLatin1Char(',')))
            throw Damage{in.line(), QStringLiteral("a sequence such as 401,450")};
    }

    const QVector<int> options = in.wholes(PrizeOptionCount);
    for (int n = 1; n <= PrizeOptionCount; ++n)
        s.PrizeOption[n] = options[n - 1];
    const QVector<int> values = in.wholes(PrizeValueCount);
    for (int n = 1; n <= PrizeValueCount; ++n)
        s.PrizeValue[n] = values[n - 1];

    const QVector<int> scored = in.wholes(2);
    in.checkCount(scored[0], MaxScoredWeeks, QStringLiteral("scored weeks"));
    in.checkCount(scored[1], MaxTeams, QStringLiteral("score columns"));
    s.ScoredWeeks = scored[0];
    s.ScoreTeams = scored[1];
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        const QVector<int> row = in.wholes(s.ScoreTeams + 1);
        for (int t = 0; t <= s.ScoreTeams; ++t)
            s.Score[w][t] = row[t];
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

// The file has no way to hold a double quote or a line break inside a text.
QString storable(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('"'), QLatin1Char('\''));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

// The shortest decimal text without exponent that reads back as the same single-precision value.
QString decimalText(float value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer));
}

class RecordWriter {
public:
    void text(const QString& value) { out_ += QLatin1Char('"') + storable(value) + QLatin1Char('"') + Eol; }
    void whole(int value) { out_ += QString::number(value) + Eol; }
    void decimal(float value) { out_ += decimalText(value) + Eol; }
    template <typename Values>
    void wholes(const Values& values, int first, int last)
    {
        for (int n = first; n <= last; ++n) {
            if (n > first)
                out_ += QLatin1Char(',');
            out_ += QString::number(values[n]);
        }
        out_ += Eol;
    }
    const QString& content() const { return out_; }

private:
    static inline const QString Eol = QStringLiteral("\r\n");
    QString out_;
};

// A count as written: within the bounds of its array, so that the file always reads back.
int bounded(int count, int max)
{
    return std::clamp(count, 0, max);
}

// ---------------------------------------------------------------------------------------------
// Loading and saving

// Keeps a copy of damaged content beside the season file; returns its name, or an empty text
// when it could not be written.
QString keepDamagedCopy(const Session& session, const QByteArray& content)
{
    const QString name = damagedCopyName(content);
    const QString path = joinPath(session.filesFolder(), name);
    if (QFileInfo::exists(path))
        return name;
    QSaveFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size() || !copy.commit())
        return {};
    return name;
}

LoadOutcome reportDamage(Session& session, const QString& path, const QString& copyName,
                         const SeasonFileProblem& problem)
{
    session.message(MessageId::DamagedFile,
                    {QFileInfo(path).fileName(), QString::number(problem.line), problem.expected, copyName});
    setNoFileDefaults(session.season);
    return LoadOutcome::Damaged;
}

bool reportNotSaved(Session& session, const QString& reason)
{
    session.message(MessageId::FileNotSaved, {reason});
    return false;
}

}  // namespace

QString todayText(QDate date)
{
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2, %3")
        .arg(QLatin1String(months[date.month() - 1]))
        .arg(date.day())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

void setNoFileDefaults(Season& season)
{
    season.RegularWeeks = 17;
    season.TotalWeeks = 17;
    season.TeamCount = 32;
    season.TicketCount = 496;
    season.SoldCount = 496;
}

QString damagedCopyName(const QByteArray& content)
{
    const QByteArray hash = QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("Kickpool.damaged-%1.txt").arg(QString::fromLatin1(hash.left(8)));
}

bool readSeasonFile(const QByteArray& content, Season& season, SeasonFileProblem& problem)
{
    RecordReader in(seasonCodec()->toUnicode(content));
    try {
        readInto(in, season);
    } catch (const Damage& damage) {
        problem = {damage.line, damage.expected};
        return false;
    }
    return true;
}

QByteArray seasonFileBytes(const Season& s)
{
    RecordWriter out;
    for (int n = 1; n <= 4; ++n)
        out.text(s.FrontText[n]);
    for (int n = 1; n <= 4; ++n)
        out.text(s.ReturnAddress[n]);
    out.whole(s.TicketSize);
    out.whole(s.Seed);
    out.whole(s.TicketPrice);
    out.decimal(s.Odds);

    const int regularWeeks = bounded(s.RegularWeeks, MaxRegularWeeks);
    out.whole(regularWeeks);
    for (int n = 1; n <= regularWeeks; ++n)
        out.text(s.RegularDate[n]);
    const int playoffWeeks = bounded(s.PlayoffWeeks, MaxPlayoffWeeks);
    out.whole(playoffWeeks);
    for (int n = 1; n <= playoffWeeks; ++n)
        out.text(s.PlayoffDate[n]);
    const int teamCount = bounded(s.TeamCount, MaxTeams);
    out.whole(teamCount);
    for (int n = 1; n <= teamCount; ++n)
        out.text(s.TeamName[n]);
    const int unsoldCount = bounded(s.UnsoldCount, MaxUnsold);
    out.whole(unsoldCount);
    for (int n = 1; n <= unsoldCount; ++n)
        out.text(s.UnsoldSeq[n]);

    out.wholes(s.PrizeOption, 1, PrizeOptionCount);
    out.wholes(s.PrizeValue, 1, PrizeValueCount);
    const int scoredWeeks = bounded(s.ScoredWeeks, MaxScoredWeeks);
    out.wholes(QVector<int>{scoredWeeks, bounded(s.ScoreTeams, MaxTeams)}, 0, 1);
    // Each row holds the week number and one score per team of the season.
    for (int w = 1; w <= scoredWeeks; ++w)
        out.wholes(s.Score[w], 0, teamCount);

    return seasonCodec()->fromUnicode(out.content());
}

LoadOutcome LoadSeason(Session& session)
{
    session.TodayText = todayText(session.today());
    const QString path = session.seasonPath();
    if (!QFileInfo(path).isFile()) {
        session.message(MessageId::FileNotFound);
        setNoFileDefaults(session.season);
        return LoadOutcome::Missing;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return reportDamage(session, path, {}, {1, QStringLiteral("a file that can be read (%1)").arg(file.errorString())});
    const QByteArray content = file.readAll();
    file.close();

    Season read = session.season;
    SeasonFileProblem problem;
    if (!readSeasonFile(content, read, problem))
        return reportDamage(session, path, keepDamagedCopy(session, content), problem);
    read.computeDerived();
    session.season = read;
    return LoadOutcome::Loaded;
}

bool SaveSeason(Session& session)
{
    const QString folder = session.filesFolder();
    if (!QDir().mkpath(folder))
        return reportNotSaved(session, QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)));

    const QByteArray content = seasonFileBytes(session.season);
    QSaveFile file(session.seasonPath());
    if (!file.open(QIODevice::WriteOnly))
        return reportNotSaved(session, file.errorString());
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reportNotSaved(session, reason);
    }
    if (!file.commit())
        return reportNotSaved(session, file.errorString());

    LoadSeason(session);
    return true;
}
