// The six edit procedures of the annual data screen and the parts they share.
#include "annual/Update.h"

#include "annual/TeamOrder.h"
#include "annual/TextRules.h"
#include "annual/UnsoldSequences.h"
#include "season/Session.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString SaveHint = QStringLiteral("At any time, or when all selection changes are done, click  'SAVE ALL CHANGES'.");
const QString EnterHint = QStringLiteral("To save individual data changes, press 'ENTER'.");
const QString TotalWeeksHint = QStringLiteral("Max #, of regular season weeks PLUS playoff weeks, is 28.");
const QString DateHint =
    QStringLiteral("Max # of date characters is 6. Best format, three character month, day right justified.");

}  // namespace

bool Update::storePhase() const
{
    return !text4_->text().isEmpty();
}

bool Update::takeOverCount(int& count)
{
    if (!storePhase())
        return false;
    const int typed = typedValue(text4_->text());
    if (typed == count)
        return false;
    count = typed;
    return true;
}

void Update::prompt(int maxLength, const QString& caption, int value, const QStringList& help)
{
    text4_->setMaxLength(maxLength);
    label1_->setText(caption);
    label1_->show();
    text4_->show();
    text4_->setText(QString::number(value));
    text4_->setFocus();
    // Typing replaces the value shown.
    text4_->selectAll();
    list1_->clear();
    list1_->addItems(help);
    list1_->addItem(SaveHint);
    session_.playCue(session_.QuestionSound);
}

void Update::setEntryLength(int maxLength)
{
    forEachPlace([&](int column, int row) { text_[column][row]->setMaxLength(maxLength); });
}

void Update::showEcho(const QString& caption, const QString& value)
{
    label2_->setText(caption);
    label2_->show();
    text5_->setText(value);
    text5_->show();
}

template <std::size_t N>
void Update::showList(std::array<QString, N>& entries, int count)
{
    ClearData();
    if (count <= 0) {
        for (std::size_t e = 1; e < N; ++e)
            entries[e].clear();
        hideGrid();
        return;
    }
    for (int column = 1; column <= EntryColumns::Columns; ++column)
        frame_[column]->show();
    forEachEntry([&](int column, int row, int e) {
        col_[column][row]->setText(QString::number(e));
        col_[column][row]->show();
        text_[column][row]->setText(entries[e]);
        text_[column][row]->show();
    });
}

void Update::Seed()
{
    if (storePhase()) {
        session_.season.Seed = typedValue(text4_->text());
        showEcho(QStringLiteral("RANDOM\nSEED"), text4_->text());
        return;
    }
    prompt(6, QStringLiteral("RANDOM GENERATOR SEED"), session_.season.Seed,
           {QStringLiteral("To save changed random generator seed, press 'ENTER'."),
            QStringLiteral("Not used if there are no weekly random winners. Set to any value if not used."),
            QStringLiteral("Seed can be any numeric value between -32767 and 32767"), QString()});
}

void Update::Price()
{
    if (storePhase()) {
        session_.season.TicketPrice = typedValue(text4_->text());
        showEcho(QStringLiteral("PRICE PER\nTICKET"), text4_->text());
        return;
    }
    prompt(3, QStringLiteral("PRICE PER TICKET"), session_.season.TicketPrice,
           {QStringLiteral("To save ticket price, press 'ENTER'."), QString(),
            QStringLiteral("Price can be any numeric value between 1 and 100."), QString()});
}

template <std::size_t N>
void Update::calendar(int& weeks, std::array<QString, N>& dates, const CalendarTexts& texts)
{
    Season& season = session_.season;
    const bool store = storePhase();
    const bool countChanged = takeOverCount(weeks);
    if (countChanged)
        season.TotalWeeks = season.RegularWeeks + season.PlayoffWeeks;
    columns_ = layOutColumns(weeks);
    if (store && !countChanged) {
        forEachEntry([&](int column, int row, int e) { dates[e] = normaliseDate(text_[column][row]->text()); });
    }
    if (!store) {
        setEntryLength(MaxDateLength);
        prompt(2, texts.caption, weeks, texts.help);
    }
    showList(dates, weeks);
    showEcho(texts.echo, text4_->text());
}

void Update::Regular()
{
    calendar(session_.season.RegularWeeks, session_.season.RegularDate,
             {QStringLiteral("# OF REGULAR WEEKS"), QStringLiteral("REGULAR\nWEEKS"),
              {EnterHint,
               QStringLiteral("Max #, of regular season weeks, is 29.    To remove all dates, enter 0 for # WEEKS."),
               TotalWeeksHint, DateHint}});
}

void Update::Playoff()
{
    calendar(session_.season.PlayoffWeeks, session_.season.PlayoffDate,
             {QStringLiteral("# OF PLAYOFF WEEKS"), QStringLiteral("PLAYOFF\nWEEKS"),
              {EnterHint, TotalWeeksHint, DateHint,
               QStringLiteral("Examples: Jan  1, Oct 18, Dec  1.       To remove all dates, enter 0 for # WEEKS.")}});
}

void Update::Names()
{
    Season& season = session_.season;
    const bool store = storePhase();
    const bool countChanged = takeOverCount(season.TeamCount);
    if (countChanged)
        season.ScoreTeams = season.TeamCount;
    columns_ = layOutColumns(season.TeamCount);
    if (store && !countChanged) {
        forEachEntry([&](int column, int row, int e) { season.TeamName[e] = Capitals(text_[column][row]->text()); });
    }
    if (!store) {
        setEntryLength(MaxTeamNameLength);
        prompt(2, QStringLiteral("NUMBER OF TEAMS"), season.TeamCount,
               {EnterHint,
                QStringLiteral("Max number of teams is 48.   Max number of characters in team name is 13."),
                QStringLiteral("To remove team names, enter zero for number of teams."),
                QStringLiteral("Enter new teams at end. Program will sort names.")});
    }
    ClearData();
    sortTeamNames(season.TeamName, season.TeamCount);
    showList(season.TeamName, season.TeamCount);
}

bool Update::takeOverSequences()
{
    Season& season = session_.season;
    for (int column = 1; column <= EntryColumns::Columns; ++column) {
        for (int row = 1; row <= columns_.rows[column]; ++row) {
            const int e = columns_.entry(column, row);
            QLineEdit* field = text_[column][row];
            const QString typed = field->text();
            if (typed == season.UnsoldSeq[e])
                continue;
            // An emptied field ends its column; the stored sequence stays.
            if (typed.isEmpty())
                break;
            if (const std::optional<MessageId> refusal = sequenceRefusal(typed, season.TicketCount)) {
                session_.message(*refusal, *refusal == MessageId::SequenceOutOfRange
                                               ? QStringList{QString::number(season.TicketCount)}
                                               : QStringList{});
                field->setText(season.UnsoldSeq[e]);
                field->setFocus();
                field->selectAll();
                focusPlaced_ = true;
                return false;
            }
            season.UnsoldSeq[e] = typed;
        }
    }
    return true;
}

void Update::Unsold()
{
    Season& season = session_.season;
    const bool store = storePhase();
    const bool countChanged = takeOverCount(season.UnsoldCount);
    if (countChanged)
        season.SoldCount = season.TicketCount;
    columns_ = layOutColumns(season.UnsoldCount);
    if (store && !countChanged) {
        if (!takeOverSequences())
            return;
        recountSold(season);
    }
    if (!store) {
        setEntryLength(MaxSequenceLength);
        prompt(2, QStringLiteral("# OF UNSOLD SEQUENCES"), season.UnsoldCount,
               {EnterHint,
                QStringLiteral("Max number of unsold sequences is 48. To remove all unsold sequences enter zero."),
                QStringLiteral("List ticket sequences by giving first ticket # and last ticket # seperated by a comma."),
                QStringLiteral("Example: 50 not sold (401-450), enter 401,450. For 1 not sold (51), enter 51,51.")});
    }
    showList(season.UnsoldSeq, season.UnsoldCount);
    showEcho(QStringLiteral("UNSOLD\nSEQUENCES"), text4_->text());
}
