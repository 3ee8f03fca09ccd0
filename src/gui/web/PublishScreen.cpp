#include "web/PublishScreen.h"

#include "dialogs/Button.h"
#include "main/MainScreen.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/Session.h"
#include "web/PublishedResults.h"
#include "web/ResultsSite.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(designFont(10, true));
    l->setGeometry(place);
    return l;
}

QLineEdit* box(QWidget* parent, const char* name, QRect place)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(designFont(11));
    edit->setGeometry(place);
    return edit;
}

void toClipboard(const QStringList& lines)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

}  // namespace

PublishScreen::PublishScreen(Session& session, QWidget* parent)
    : PublishScreen(session, primaryScreenSize(), parent)
{
}

PublishScreen::PublishScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Publish"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  RESULTS WEB PAGE"));
    buildControls();
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    text1_->setText(QDir::toNativeSeparators(defaultWebFolder(session_)));
    showMailText(publishedWeekNumber(session_, {}));
}

void PublishScreen::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    label(this, "Label1", QStringLiteral("Folder for the pages"), {8, 8, 400, 22})->setBuddy(
        text1_ = box(this, "Text1", {8, 32, 480, 30}));
    cmdChoose_ = makeScreenButton(this, "cmdChoose", QStringLiteral("CHOOSE"), QStringLiteral("Choose another folder"),
                                  {496, 32, 90, 30});
    label(this, "Label2", QStringLiteral("Week (blank: the latest)"), {8, 72, 220, 22})->setBuddy(
        text2_ = box(this, "Text2", {8, 96, 120, 30}));
    chkNames_ = new QCheckBox(QStringLiteral("Show winners' first names"), this);
    chkNames_->setObjectName(QStringLiteral("ChkNames"));
    chkNames_->setFont(designFont(10, true));
    chkNames_->setGeometry(240, 96, 346, 30);
    if (!buyerNamesOf(session_)) {
        chkNames_->setEnabled(false);
        chkNames_->setToolTip(QStringLiteral("The names come from the ticket sales register"));
    }

    cmdWrite_ = makeScreenButton(this, "cmdWrite", QStringLiteral("WRITE\nPAGES"),
                                 QStringLiteral("Write the results pages into the folder"), {600, 8, 94, 54});
    cmdMail_ = makeScreenButton(this, "cmdMail", QStringLiteral("COPY\nE-MAIL TEXT"),
                                QStringLiteral("Copy the week's winners for an e-mail"), {600, 72, 94, 54});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                {700, 8, 92, 54});
    connect(cmdChoose_, &QPushButton::clicked, this, [this] { cmdChoose_Click(); });
    connect(cmdWrite_, &QPushButton::clicked, this, [this] { cmdWrite_Click(); });
    connect(cmdMail_, &QPushButton::clicked, this, [this] { cmdMail_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(listFont(10));
    list1_->setGeometry(8, 136, 784, 416);
    list1_->setSelectionMode(QAbstractItemView::NoSelection);
    list1_->setFocusPolicy(Qt::NoFocus);
}

int PublishScreen::chosenWeek()
{
    const int week = publishedWeekNumber(session_, text2_->text());
    if (week == 0 && !text2_->text().trimmed().isEmpty()) {
        session_.message(MessageId::PublishWeekAgain, {QString::number(session_.season.ScoredWeeks)});
        text2_->selectAll();
        text2_->setFocus();
    }
    return week;
}

void PublishScreen::showMailText(int week)
{
    list1_->clear();
    list1_->addItems(mailTextLines(publishedSeason(session_, week), week));
}

void PublishScreen::cmdWrite_Click()
{
    const int week = chosenWeek();
    if (week == 0 && !text2_->text().trimmed().isEmpty())
        return;
    const QString folder = QDir::fromNativeSeparators(text1_->text().trimmed());
    if (folder.isEmpty()) {
        session_.message(MessageId::ResultsPageNotWritten, {QString(), QStringLiteral("No folder was given.")});
        text1_->setFocus();
        return;
    }
    const BuyerName names = chkNames_->isChecked() ? buyerNamesOf(session_) : BuyerName{};
    const QVector<SiteFile> files = resultsSite(publishedSeason(session_, week, names));
    const SiteWriting writing = writeResultsSite(folder, files, session_.services.fileSteps);
    if (!writing.written) {
        session_.message(MessageId::ResultsPageNotWritten, {writing.failedFile, writing.why});
        text1_->setFocus();
        return;
    }
    list1_->clear();
    list1_->addItems(siteWrittenLines(folder, files, writing));
}

void PublishScreen::cmdMail_Click()
{
    if (session_.season.ScoredWeeks == 0) {
        session_.message(MessageId::NoWeekToPublish);
        return;
    }
    const int week = chosenWeek();
    if (week == 0)
        return;
    const BuyerName names = chkNames_->isChecked() ? buyerNamesOf(session_) : BuyerName{};
    const QStringList lines = mailTextLines(publishedSeason(session_, week, names), week);
    list1_->clear();
    list1_->addItems(lines);
    toClipboard(lines);
    session_.message(MessageId::MailTextCopied, {QString::number(week)});
}

void PublishScreen::cmdChoose_Click()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Folder for the results pages"),
                                                             QDir::fromNativeSeparators(text1_->text()));
    if (!folder.isEmpty())
        text1_->setText(QDir::toNativeSeparators(folder));
}

void copyMailText(MainScreen& main)
{
    Session& session = main.session();
    const int week = publishedWeekNumber(session, {});
    if (week == 0) {
        session.message(MessageId::NoWeekToPublish);
        return;
    }
    const QStringList lines = mailTextLines(publishedSeason(session, week), week);
    main.clearList();
    main.addLines(lines);
    toClipboard(lines);
    session.message(MessageId::MailTextCopied, {QString::number(week)});
}
