#include "scores/ScoreSheet.h"

#include "dialogs/Button.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Laid out for 800 by 600 pixels, like the main screen; the layout scales it to the screen.
constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;

QString chooseResultsFile(QWidget* parent, const QString& folder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Read a Week's Results"), folder,
                                        QStringLiteral("Results (*.txt *.csv);;All files (*)"));
}

}  // namespace

ScoreSheet::ScoreSheet(Session& session, QWidget* parent) : ScoreSheet(session, primaryScreenSize(), parent) {}

ScoreSheet::ScoreSheet(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("ScoreSheet"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  ENTER A WEEK'S SCORES"));
    chooseFile_ = [this](QWidget* parent) { return chooseResultsFile(parent, session_.home); };

    // As "Calculate Winners" does, the week starts from the season file as saved.
    LoadSeason(session_);
    buildControls();
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    buildSheet();
    cmdPaste_->setCaption(QStringLiteral("PASTE\nRESULTS"));
    cmdReadFile_->setCaption(QStringLiteral("READ\nFILE"));

    // The next week to enter is proposed, and opened when that asks nothing.
    const Season& season = session_.season;
    const int proposed = std::max(1, std::min(season.ScoredWeeks + 1, season.TotalWeeks));
    textWeek_->setText(QString::number(proposed));
    if (!weekRefusal(season, proposed) && !weekIsStored(season, proposed))
        openWeekOf(proposed);
    showWeekLabel();
    textWeek_->selectAll();
    textWeek_->setFocus();
}

void ScoreSheet::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    labelWeek_ = new QLabel(QStringLiteral("Week #"), this);
    labelWeek_->setObjectName(QStringLiteral("LabelWeek"));
    labelWeek_->setFont(designFont(10, true));
    labelWeek_->setGeometry(8, 8, 80, 20);
    textWeek_ = new QLineEdit(this);
    textWeek_->setObjectName(QStringLiteral("TextWeek"));
    textWeek_->setFont(designFont(11));
    textWeek_->setGeometry(8, 28, 64, 30);
    textWeek_->setToolTip(QStringLiteral("The week as shown on the tickets; Enter opens it"));
    labelWeek_->setBuddy(textWeek_);
    connect(textWeek_, &QLineEdit::returnPressed, this, [this] { openTypedWeek(); });
    weekInfo_ = new QLabel(this);
    weekInfo_->setObjectName(QStringLiteral("LabelWeekInfo"));
    weekInfo_->setFont(designFont(9));
    weekInfo_->setGeometry(80, 8, 316, 52);
    weekInfo_->setWordWrap(true);

    sheet_ = new QScrollArea(this);
    sheet_->setObjectName(QStringLiteral("Sheet"));
    sheet_->setGeometry(8, 66, 388, 486);
    sheet_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sheet_->setWidgetResizable(true);

    cmdPaste_ = makeScreenButton(this, "cmdPaste", QString(), QStringLiteral("Read the results copied to the clipboard"),
                                 {404, 8, 94, 50});
    cmdReadFile_ = makeScreenButton(this, "cmdReadFile", QString(), QStringLiteral("Read the results from a text file"),
                                    {502, 8, 94, 50});
    cmdOK_ = makeScreenButton(this, "cmdOK", QStringLiteral("OK"),
                              QStringLiteral("Store the week's scores and show its report"), {600, 8, 94, 50});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"),
                                QStringLiteral("Return to Main Screen without storing"), {698, 8, 94, 50});
    connect(cmdPaste_, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });
    connect(cmdReadFile_, &QPushButton::clicked, this, [this] { cmdReadFile_Click(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });

    auto* pasteLabel = new QLabel(QStringLiteral("Results as pasted (correct them here, then READ AGAIN):"), this);
    pasteLabel->setObjectName(QStringLiteral("LabelPaste"));
    pasteLabel->setFont(designFont(9, true));
    pasteLabel->setGeometry(404, 66, 388, 20);
    pasteText_ = new QPlainTextEdit(this);
    pasteText_->setObjectName(QStringLiteral("PasteText"));
    pasteText_->setFont(listFont(10));
    pasteText_->setGeometry(404, 88, 388, 160);
    pasteText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pasteText_->setTabChangesFocus(true);
    cmdReadAgain_ = makeScreenButton(this, "cmdReadAgain", QStringLiteral("READ AGAIN"),
                                     QStringLiteral("Read the results in the box above again"), {404, 254, 120, 26});
    connect(cmdReadAgain_, &QPushButton::clicked, this, [this] { cmdReadAgain_Click(); });
    auto* readLabel = new QLabel(QStringLiteral("Read as (nothing is stored before OK):"), this);
    readLabel->setObjectName(QStringLiteral("LabelPasteLines"));
    readLabel->setFont(designFont(9, true));
    readLabel->setGeometry(404, 286, 388, 20);
    pasteLines_ = new QListWidget(this);
    pasteLines_->setObjectName(QStringLiteral("PasteLines"));
    pasteLines_->setFont(listFont(10));
    pasteLines_->setGeometry(404, 308, 388, 244);
    pasteLines_->setWordWrap(true);
    pasteLines_->setTextElideMode(Qt::ElideNone);
    pasteLines_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pasteLines_->setResizeMode(QListView::Adjust);
    pasteLines_->setSelectionMode(QAbstractItemView::NoSelection);
    pasteLines_->setFocusPolicy(Qt::NoFocus);
}

// The rows are laid out by their own layout inside the sheet, in the screen's scaled font.
void ScoreSheet::buildSheet()
{
    const Season& season = session_.season;
    auto* rows = new QWidget;
    rows->setObjectName(QStringLiteral("SheetRows"));
    rows->setFont(designFont(10 * session_.FontScale));
    auto* grid = new QGridLayout(rows);
    sheet_->setWidget(rows);  // in the window before the tab order is set
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    QFont bold = rows->font();
    bold.setBold(true);
    const QStringList headings{QStringLiteral("#"), QStringLiteral("TEAM"), QStringLiteral("SCORE"), QString()};
    for (int column = 0; column < headings.size(); ++column) {
        auto* heading = new QLabel(headings[column], rows);
        heading->setFont(bold);
        grid->addWidget(heading, 0, column);
    }

    scores_ = {nullptr};
    byes_ = {nullptr};
    QWidget* previous = textWeek_;
    for (int team = 1; team <= season.TeamCount && team <= MaxTeams; ++team) {
        auto* number = new QLabel(QString::number(team), rows);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* name = new QLabel(season.TeamName[team], rows);
        name->setObjectName(QStringLiteral("Team%1").arg(team));
        auto* score = new QLineEdit(rows);
        score->setObjectName(QStringLiteral("Score%1").arg(team));
        score->setMaxLength(12);
        score->setFixedWidth(QFontMetrics(score->font()).horizontalAdvance(QStringLiteral("00000000")));
        auto* bye = new QCheckBox(QStringLiteral("bye"), rows);
        bye->setObjectName(QStringLiteral("Bye%1").arg(team));
        bye->setFocusPolicy(Qt::ClickFocus);  // Tab goes from score to score
        name->setBuddy(score);
        grid->addWidget(number, team, 0);
        grid->addWidget(name, team, 1);
        grid->addWidget(score, team, 2);
        grid->addWidget(bye, team, 3);
        scores_.append(score);
        byes_.append(bye);

        connect(bye, &QCheckBox::toggled, score, [score](bool on) {
            if (on)
                score->clear();
        });
        connect(score, &QLineEdit::textEdited, bye, [bye](const QString& text) {
            if (!text.trimmed().isEmpty())
                bye->setChecked(false);
        });
        // Enter moves down like Tab; the last one leads to OK.
        connect(score, &QLineEdit::returnPressed, this, [this, team] {
            QWidget* next = team + 1 < scores_.size() ? static_cast<QWidget*>(scores_[team + 1]) : cmdOK_;
            next->setFocus(Qt::TabFocusReason);
            if (auto* box = qobject_cast<QLineEdit*>(next))
                box->selectAll();
        });
        // The box that gets the focus is scrolled into view.
        connect(qApp, &QApplication::focusChanged, score, [this, score](QWidget*, QWidget* now) {
            if (now == score)
                sheet_->ensureWidgetVisible(score);
        });
        setTabOrder(previous, score);
        previous = score;
    }
    setTabOrder(previous, cmdOK_);
    scaleIndicators({rows}, rows->font());
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(season.TeamCount + 1, 1);
}

void ScoreSheet::showWeekLabel()
{
    const Season& season = session_.season;
    QString text;
    if (openWeek_ == 0) {
        text = season.ScoredWeeks >= season.TotalWeeks && season.TotalWeeks > 0
                   ? QStringLiteral("Every week is stored. Type the week to correct and press Enter.")
                   : QStringLiteral("Type the week and press Enter.");
    } else {
        text = QStringLiteral("Week %1 of %2, ending %3").arg(openWeek_).arg(season.TotalWeeks).arg(season.weekDate(openWeek_));
        text += correction_ ? QStringLiteral(": correcting the stored scores.")
                            : QStringLiteral(". A blank score is a bye.");
    }
    weekInfo_->setText(text);
}

void ScoreSheet::openTypedWeek()
{
    if (openWeekOf(typedWeekNumber(textWeek_->text())) && scores_.size() > 1) {
        scores_[1]->setFocus();
        scores_[1]->selectAll();
    }
}

bool ScoreSheet::openWeekOf(int week)
{
    // As "Calculate Winners" does on each Enter: the season file as saved, then the week's checks.
    LoadSeason(session_);
    const Season& season = session_.season;
    if (const std::optional<Refusal> refusal = weekRefusal(season, week); refusal && refusal->id == MessageId::EnterWeekAgain) {
        session_.message(refusal->id, refusal->arguments);
        textWeek_->setFocus();
        textWeek_->selectAll();
        return false;
    }
    ScoreTexts texts;
    const WeekOpening opening = openWeek(session_, week, texts);
    switch (opening) {
    case WeekOpening::Refused:
        openWeek_ = 0;
        showWeekLabel();
        textWeek_->setFocus();
        textWeek_->selectAll();
        return false;
    case WeekOpening::StoredReport:
        // The stored scores stand: their report is shown, as the score dialogs show it.
        emit weekReady(week, texts);
        close();
        return false;
    case WeekOpening::Correction:
    case WeekOpening::NewEntry:
        break;
    }

    const bool correcting = opening == WeekOpening::Correction;
    // Results read for this sheet stay; otherwise the stored scores are offered for correction,
    // and a new week does not keep the scores of a corrected one.
    const bool keep = pasted_.shape != PasteShape::Empty;
    for (int team = 1; team < scores_.size() && !keep; ++team) {
        if (correcting) {
            const int stored = season.Score[week][team];
            scores_[team]->setText(correctionDefault(stored));
            byes_[team]->setChecked(stored == Bye);
        } else if (correction_ || week == 1) {
            scores_[team]->clear();
            byes_[team]->setChecked(false);
        }
    }
    openWeek_ = week;
    correction_ = correcting;
    textWeek_->setText(QString::number(week));
    showWeekLabel();
    return true;
}

void ScoreSheet::readResults(const QString& text)
{
    const Season& season = session_.season;
    pasted_ = readPastedScores(season, text);
    pasteLines_->clear();
    if (pasted_.shape == PasteShape::Empty)
        return;
    for (int team = 1; team < scores_.size(); ++team) {
        const QString typed = pasted_.typed[team].value_or(QString());
        byes_[team]->setChecked(typed.trimmed().isEmpty());
        scores_[team]->setText(typed);
    }
    QStringList lines = pastePreviewLines(season, pasted_);
    if (correction_ && openWeek_ > 0) {
        int changed = 0;
        for (int team = 1; team < scores_.size(); ++team) {
            const QString typed = pasted_.typed[team].value_or(QString());
            const TypedScore score = readTypedScore(typed);
            changed += score.accepted && score.score != season.Score[openWeek_][team];
        }
        lines.append(QStringLiteral("Week %1 is stored: OK replaces %2 of its scores.").arg(openWeek_).arg(changed));
    }
    for (const QString& line : lines) {
        auto* item = new QListWidgetItem(line, pasteLines_);
        if (line.startsWith(QLatin1String("?? ")))
            item->setForeground(Qt::red);
    }
    const QList<QListWidgetItem*> marked = pasteLines_->findItems(QStringLiteral("?? "), Qt::MatchStartsWith);
    if (!marked.isEmpty())
        pasteLines_->scrollToItem(marked.first());
}

void ScoreSheet::cmdPaste_Click()
{
    const QString text = QApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        session_.message(MessageId::NothingToRead, {QStringLiteral("The clipboard")});
        return;
    }
    pasteText_->setPlainText(text);
    readResults(text);
}

void ScoreSheet::cmdReadFile_Click()
{
    const QString path = chooseFile_ ? chooseFile_(this) : QString();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        session_.message(MessageId::FileNotReadable, {QDir::toNativeSeparators(path), file.errorString()});
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    if (text.trimmed().isEmpty()) {
        session_.message(MessageId::NothingToRead, {QStringLiteral("The file ") + QDir::toNativeSeparators(path)});
        return;
    }
    pasteText_->setPlainText(text);
    readResults(text);
}

void ScoreSheet::cmdReadAgain_Click()
{
    readResults(pasteText_->toPlainText());
}

void ScoreSheet::cmdOK_Click()
{
    const int week = typedWeekNumber(textWeek_->text());
    if (week != openWeek_ && !openWeekOf(week))
        return;
    if (const PastedLine* problem = pasted_.firstProblem()) {
        const Refusal refusal = pasteProblem(session_.season, *problem);
        session_.message(refusal.id, refusal.arguments);
        pasteText_->setFocus();
        return;
    }

    ScoreTexts typed;
    for (int team = 1; team < scores_.size(); ++team)
        typed[team] = byes_[team]->isChecked() ? QString() : scores_[team]->text();
    ScoreTexts texts;
    const WeekStoring storing = storeWeekScores(session_, week, typed, texts);
    if (storing.rejectedTeam > 0) {
        session_.message(MessageId::EnterScoreAgain);
        QLineEdit* box = scores_[storing.rejectedTeam];
        box->setFocus();
        box->selectAll();
        return;
    }
    emit weekReady(week, texts);
    close();
}
