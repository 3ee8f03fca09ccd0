#include "season/SeasonFile.h"

#include "season/Bounds.h"
#include "season/HomeLock.h"
#include "season/SafeWrite.h"
#include "season/Season.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"
#include "season/Windows1252.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const QString WholeNumber = QStringLiteral("a whole number");
const QString QuotedText = QStringLiteral("a quoted text");

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// ---------------------------------------------------------------------------------------------
// Reading

// Thrown where the rest of the content cannot be read; caught by readSeasonFile.
struct Damage {
    int line;
    QString expected;
};

struct Item {
    QString text;
    int line = 1;
    bool quoted = false;
    bool wellFormed = true;  // a quoted item closed by its quote and followed by nothing but blanks
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The items of the whole text. A comma and a line end (CR LF, LF or CR) both end an item; a
// quoted item runs to its closing quote, so a comma inside it is part of it, but it cannot run
// past the end of its line. An empty line is one empty item; the line end that ends the text
// starts no item.
QVector<Item> splitItems(const QString& text)
{
    QVector<Item> items;
    const int n = text.size();
    int pos = 0;
    int line = 1;
    bool itemFollows = n > 0;
    while (itemFollows) {
        Item item;
        while (pos < n && isBlank(text[pos]))
            ++pos;
        item.line = line;
        if (pos < n && text[pos] == QLatin1Char('"')) {
            item.quoted = true;
            int close = pos + 1;
            while (close < n && text[close] != QLatin1Char('"') && !isLineEnd(text[close]))
                ++close;
            item.text = text.mid(pos + 1, close - pos - 1);
            item.wellFormed = close < n && text[close] == QLatin1Char('"');
            pos = item.wellFormed ? close + 1 : close;
            while (pos < n && isBlank(text[pos]))
                ++pos;
        }
        const int start = pos;
        while (pos < n && text[pos] != QLatin1Char(',') && !isLineEnd(text[pos]))
            ++pos;
        if (item.quoted)
            item.wellFormed = item.wellFormed && pos == start;
        else
            item.text = text.mid(start, pos - start).trimmed();
        items.append(item);

        if (pos >= n)
            break;
        if (text[pos] == QLatin1Char(',')) {
            ++pos;
            continue;  // an item follows a comma, if only an empty one
        }
        if (text[pos] == QLatin1Char('\r') && pos + 1 < n && text[pos + 1] == QLatin1Char('\n'))
            ++pos;
        ++pos;
        ++line;
        itemFollows = pos < n;
    }
    return items;
}

bool parseWhole(const Item& item, int& value)
{
    if (item.quoted || item.text.isEmpty() || item.text.size() > 12)
        return false;
    const QByteArray digits = item.text.toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last;
}

bool parseDecimal(const Item& item, float& value)
{
    if (item.quoted || item.text.isEmpty() || item.text.size() > 64)
        return false;
    const QByteArray digits = item.text.toLatin1();
    const char* first = digits.constData();
    const char* last = first + digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    return error == std::errc() && end == last && std::isfinite(value);
}

// The season file item by item, knowing the line of each. A value beyond its bound is listed as
// a problem and reading goes on; where the rest cannot be read, a Damage is thrown.
class ItemReader {
public:
    explicit ItemReader(const QString& text) : items_(splitItems(text)) {}

    QString text(Bound bound)
    {
        const Item& item = next(QuotedText);
        if (!item.quoted || !item.wellFormed)
            throw Damage{item.line, QuotedText};
        const QString refusal = textRefusal(bound, item.text);
        if (!refusal.isEmpty())
            problem(item.line, refusal, QLatin1Char('"') + item.text + QLatin1Char('"'));
        return item.text;
    }

    int whole(Bound bound)
    {
        const int value = number();
        if (!boundRule(bound).contains(value))
            problem(line(), expectedValue(bound), items_[next_ - 1].text);
        return value;
    }

    // A count read before the items it governs: beyond the bound of its array, the items that
    // follow cannot be placed, and reading stops.
    int count(Bound bound)
    {
        const int value = number();
        if (!boundRule(bound).contains(value))
            throw Damage{line(), expectedValue(bound)};
        return value;
    }

    float odds()
    {
        static const QString expected = QStringLiteral("a number such as 12.5");
        const Item& item = next(expected);
        float value = 0;
        if (!parseDecimal(item, value))
            throw Damage{item.line, expected};
        if (!oddsAllowed(value))
            problem(item.line, expectedValue(Bound::Odds), item.text);
        return value;
    }

    // Only empty lines may follow the last item.
    void end()
    {
        for (; next_ < items_.size(); ++next_) {
            const Item& item = items_[next_];
            if (item.quoted || !item.text.isEmpty())
                throw Damage{item.line, QStringLiteral("the end of the file")};
        }
    }

    void problem(int line, const QString& expected, const QString& found)
    {
        problems.append({line, expected, found});
    }

    int line() const { return next_ > 0 ? items_[next_ - 1].line : 1; }

    QVector<SeasonFileProblem> problems;

private:
    int number()
    {
        const Item& item = next(WholeNumber);
        int value = 0;
        if (!parseWhole(item, value))
            throw Damage{item.line, WholeNumber};
        return value;
    }

    const Item& next(const QString& expected)
    {
        if (next_ >= items_.size())
            throw Damage{items_.isEmpty() ? 1 : items_.last().line + 1, expected};
        return items_[next_++];
    }

    QVector<Item> items_;
    int next_ = 0;
};

void readInto(ItemReader& in, Season& s)
{
    for (int n = 1; n <= 4; ++n)
        s.FrontText[n] = in.text(Bound::FrontText);
    for (int n = 1; n <= 4; ++n)
        s.ReturnAddress[n] = in.text(Bound::ReturnAddress);
    s.TicketSize = in.whole(Bound::TicketSize);
    s.SavedTicketSize = s.TicketSize;
    s.Seed = in.whole(Bound::Seed);
    s.TicketPrice = in.whole(Bound::TicketPrice);
    s.Odds = in.odds();

    s.RegularWeeks = in.count(Bound::RegularWeeks);
    for (int n = 1; n <= s.RegularWeeks; ++n)
        s.RegularDate[n] = in.text(Bound::WeekDate);
    s.PlayoffWeeks = in.count(Bound::PlayoffWeeks);
    if (!allowedRange(Bound::TotalWeeks).contains(s.RegularWeeks + s.PlayoffWeeks)) {
        in.problem(in.line(), QStringLiteral("at most %1 playoff weeks after %2 regular weeks")
                                  .arg(allowedRange(Bound::TotalWeeks).max - s.RegularWeeks)
                                  .arg(s.RegularWeeks),
                   QString::number(s.PlayoffWeeks));
    }
    for (int n = 1; n <= s.PlayoffWeeks; ++n)
        s.PlayoffDate[n] = in.text(Bound::WeekDate);
    s.TeamCount = in.count(Bound::TeamCount);
    for (int n = 1; n <= s.TeamCount; ++n)
        s.TeamName[n] = in.text(Bound::TeamName);
    s.UnsoldCount = in.count(Bound::UnsoldCount);
    for (int n = 1; n <= s.UnsoldCount; ++n) {
        s.UnsoldSeq[n] = in.text(Bound::UnsoldSeq);
        // The editor never stores a sequence without its comma; an empty text is an unused entry.
        if (!s.UnsoldSeq[n].isEmpty() && !s.UnsoldSeq[n].contains(QLatin1Char(',')))
            throw Damage{in.line(), QStringLiteral("a sequence such as 401,450")};
    }

    for (int n = 1; n <= PrizeOptionCount; ++n)
        s.PrizeOption[n] = in.whole(prizeOptionBound(n));
    for (int n = 1; n <= PrizeValueCount; ++n)
        s.PrizeValue[n] = in.whole(prizeValueBound(n));

    s.ScoredWeeks = in.count(Bound::ScoredWeeks);
    s.ScoreTeams = in.count(Bound::ScoreTeams);
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        s.Score[w][0] = in.whole(Bound::ScoreWeek);
        for (int t = 1; t <= s.ScoreTeams; ++t)
            s.Score[w][t] = in.whole(Bound::Score);
    }
    in.end();
}

QString decodeSeasonText(const QByteArray& content)
{
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    if (content.startsWith(utf8Mark))
        return QString::fromUtf8(content.mid(utf8Mark.size()));
    return Windows1252::decode(content);
}

// ---------------------------------------------------------------------------------------------
// Writing

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
    void text(const QString& value) { out_ += QLatin1Char('"') + value + QLatin1Char('"') + Eol; }
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

// A count used as an index into its array. SaveSeason refuses a season whose counts are beyond
// their bounds, so this only keeps seasonFileBytes() itself within the arrays.
int indexable(int count, int max)
{
    return std::clamp(count, 0, max);
}

// ---------------------------------------------------------------------------------------------
// Loading and saving

LoadOutcome reportUnreadable(Session& session, const QString& path, const QString& reason)
{
    session.message(MessageId::FileNotReadable, {nativePath(path), reason});
    setNoFileDefaults(session.season);
    return LoadOutcome::Unreadable;
}

LoadOutcome reportDamage(Session& session, const QString& path, const QByteArray& content,
                         const SeasonFileProblem& problem)
{
    QString error;
    const QString copy = keepDamagedCopy(QFileInfo(path).absolutePath(), content, error);
    const QStringList place{nativePath(path), QString::number(problem.line), problem.expected};
    if (copy.isEmpty())
        session.message(MessageId::DamagedFileNotCopied, place + QStringList{error});
    else
        session.message(MessageId::DamagedFile, place + QStringList{copy});
    setNoFileDefaults(session.season);
    return LoadOutcome::Damaged;
}

// Message 31: the file on one line, the reason on the next.
bool reportNotSaved(Session& session, const QString& path, QString reason)
{
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    session.message(MessageId::FileNotSaved, {nativePath(path), reason});
    return false;
}

// Why the file in place must not be replaced: it cannot be read, or it is damaged and no copy of
// it could be kept. Empty when it may be replaced.
QString replaceRefusal(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QByteArray content;
    QString reason;
    if (!readWholeFile(path, content, reason))
        return QStringLiteral("the file in place cannot be read: %1").arg(reason);
    Season season;
    SeasonFileProblem problem;
    if (readSeasonFile(content, season, problem) || !keepDamagedCopy(QFileInfo(path).absolutePath(), content, reason).isEmpty())
        return {};
    return QStringLiteral("the file in place is damaged and no copy could be kept: %1").arg(reason);
}

// Whether the file on disk is still the one the session loaded; when another program changed it
// since, the user is asked first.
bool mayReplace(Session& session, const QString& path)
{
    if (!session.loadedFile)
        return true;
    QByteArray content;
    QString ignored;
    const QFileInfo info(path);
    const QByteArray now = info.exists() || info.isSymLink()
        ? (readWholeFile(path, content, ignored) ? seasonFingerprint(content) : QByteArray("unreadable"))
        : QByteArray();
    return now == *session.loadedFile
           || session.message(MessageId::FileChangedOnDisk, {nativePath(path)}) == Answer::Yes;
}

// Values within their bounds that still do not fit together.
QStringList seasonWarnings(const Season& s)
{
    QStringList warnings;
    for (int n = 1; n <= s.UnsoldCount; ++n) {
        if (s.UnsoldSeq[n].isEmpty())
            continue;
        const TicketRange range = parseTicketRange(s.UnsoldSeq[n]);
        if (range.first < 1 || range.last > s.TicketCount || range.first > range.last)
            warnings.append(QStringLiteral("unsold sequence %1 is not within tickets 1 to %2 in order")
                                .arg(s.UnsoldSeq[n])
                                .arg(s.TicketCount));
    }
    // The file may hold these weeks, but the annual data screen would refuse them.
    if (const QString weeks = weeksTogetherProblem(s); !weeks.isEmpty())
        warnings.append(weeks);
    if (s.ScoredWeeks > 0 && s.ScoreTeams != s.TeamCount)
        warnings.append(QStringLiteral("scores are stored for %1 teams, the season has %2").arg(s.ScoreTeams).arg(s.TeamCount));
    if (s.ScoredWeeks > s.TotalWeeks)
        warnings.append(QStringLiteral("%1 weeks are scored, the season has %2").arg(s.ScoredWeeks).arg(s.TotalWeeks));
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        if (s.Score[w][0] != w)
            warnings.append(QStringLiteral("the score row of week %1 says week %2").arg(w).arg(s.Score[w][0]));
    }
    return warnings;
}

}  // namespace

QByteArray seasonFingerprint(const QByteArray& content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha1);
}

SeasonFileRead readSeasonAt(const QString& path, Season& season)
{
    SeasonFileRead read;
    read.season = &season;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return read;
    read.state = SeasonFileRead::State::Unreadable;
    if (info.isDir()) {
        read.reason = QStringLiteral("it is a folder, not a file");
        return read;
    }
    if (!readWholeFile(path, read.content, read.reason))
        return read;
    read.problems = readSeasonFile(read.content, season);
    read.state = read.problems.isEmpty() ? SeasonFileRead::State::Read : SeasonFileRead::State::Damaged;
    // Where reading went on to the end, what was read can be judged as a whole.
    if (read.problems.isEmpty() || !read.problems.last().found.isEmpty()) {
        season.computeDerived();
        read.warnings = seasonWarnings(season);
    }
    return read;
}

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

QString damagedCopyName(const QByteArray& content, int sequence)
{
    const QByteArray hash = QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex();
    const QString suffix = sequence > 1 ? QStringLiteral("-%1").arg(sequence) : QString();
    return QStringLiteral("Kickpool.damaged-%1%2.txt").arg(QString::fromLatin1(hash.left(8)), suffix);
}

QString keepDamagedCopy(const QString& folder, const QByteArray& content, QString& error)
{
    // A file of the copy's name that holds something else is not the copy: the next name is tried.
    for (int sequence = 1; sequence <= 100; ++sequence) {
        const QString name = damagedCopyName(content, sequence);
        const QString path = joinPath(folder, name);
        if (fileHolds(path, content))
            return name;
        if (QFileInfo::exists(path))
            continue;
        if (!writeFileSafely(path, content, error))
            return {};
        if (fileHolds(path, content))
            return name;
        error = QStringLiteral("the copy read back differs from the file");
        return {};
    }
    error = QStringLiteral("every name for the copy is taken");
    return {};
}

QVector<SeasonFileProblem> readSeasonFile(const QByteArray& content, Season& season)
{
    ItemReader in(decodeSeasonText(content));
    try {
        readInto(in, season);
    } catch (const Damage& damage) {
        in.problems.append({damage.line, damage.expected, {}});
    }
    return in.problems;
}

bool readSeasonFile(const QByteArray& content, Season& season, SeasonFileProblem& problem)
{
    const QVector<SeasonFileProblem> problems = readSeasonFile(content, season);
    if (problems.isEmpty())
        return true;
    problem = problems.first();
    return false;
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

    const int regularWeeks = indexable(s.RegularWeeks, MaxRegularWeeks);
    out.whole(regularWeeks);
    for (int n = 1; n <= regularWeeks; ++n)
        out.text(s.RegularDate[n]);
    const int playoffWeeks = indexable(s.PlayoffWeeks, MaxPlayoffWeeks);
    out.whole(playoffWeeks);
    for (int n = 1; n <= playoffWeeks; ++n)
        out.text(s.PlayoffDate[n]);
    const int teamCount = indexable(s.TeamCount, MaxTeams);
    out.whole(teamCount);
    for (int n = 1; n <= teamCount; ++n)
        out.text(s.TeamName[n]);
    const int unsoldCount = indexable(s.UnsoldCount, MaxUnsold);
    out.whole(unsoldCount);
    for (int n = 1; n <= unsoldCount; ++n)
        out.text(s.UnsoldSeq[n]);

    out.wholes(s.PrizeOption, 1, PrizeOptionCount);
    out.wholes(s.PrizeValue, 1, PrizeValueCount);
    const int scoredWeeks = indexable(s.ScoredWeeks, MaxScoredWeeks);
    const int scoreTeams = indexable(s.ScoreTeams, MaxTeams);
    out.wholes(QVector<int>{scoredWeeks, scoreTeams}, 0, 1);
    // Each row holds the week number and one score per score column, as the reader reads it,
    // also while the columns differ from the teams of the season.
    for (int w = 1; w <= scoredWeeks; ++w)
        out.wholes(s.Score[w], 0, scoreTeams);

    return Windows1252::encode(out.content());
}

LoadOutcome LoadSeason(Session& session)
{
    session.TodayText = todayText(session.today());
    const QString path = session.seasonPath();
    Season season = session.season;
    const SeasonFileRead read = readSeasonAt(path, season);
    session.loadedFile = seasonFingerprint(read.content);
    switch (read.state) {
    case SeasonFileRead::State::Missing:
        session.loadedFile = QByteArray();
        session.message(MessageId::FileNotFound, {nativePath(path)});
        setNoFileDefaults(session.season);
        return LoadOutcome::Missing;
    case SeasonFileRead::State::Unreadable:
        session.loadedFile.reset();
        return reportUnreadable(session, path, read.reason);
    case SeasonFileRead::State::Damaged:
        return reportDamage(session, path, read.content, read.problems.first());
    case SeasonFileRead::State::Read:
        break;
    }
    session.season = season;
    return LoadOutcome::Loaded;
}

bool SaveSeason(Session& session)
{
    const QString path = session.seasonPath();
    const QStringList beyond = boundProblems(session.season);
    if (!beyond.isEmpty()) {
        QString reason = beyond.first();
        if (beyond.size() > 1)
            reason += QStringLiteral(" (and %1 more)").arg(beyond.size() - 1);
        return reportNotSaved(session, path, reason);
    }
    WriteAccess access(session);
    if (!access)
        return false;
    if (!mayReplace(session, path))
        return false;
    const QString folder = session.filesFolder();
    if (!QDir().mkpath(folder))
        return reportNotSaved(session, path, QStringLiteral("the folder %1 cannot be created").arg(nativePath(folder)));
    if (const QString refusal = replaceRefusal(path); !refusal.isEmpty())
        return reportNotSaved(session, path, refusal);

    QString error;
    FileSteps& steps = session.services.fileSteps ? *session.services.fileSteps : systemFileSteps();
    if (!writeFileSafely(path, seasonFileBytes(session.season), error, steps))
        return reportNotSaved(session, path, error);

    LoadSeason(session);
    return true;
}
