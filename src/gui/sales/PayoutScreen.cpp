#include "sales/PayoutScreen.h"

#include "dialogs/Button.h"
#include "print/PrintRun.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

QListWidget* reportList(QWidget* parent, QRect place)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QStringLiteral("List1"));
    list->setFont(QFont(ReportFontName, 10));
    list->setGeometry(place);
    return list;
}

QLabel* noteLabel(QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setGeometry(8, 532, 784, 22);
    return note;
}

void printLines(Session& session, QLabel* note, const PrintJob& job)
{
    printEvery(session.services.printer, {job});
    const PrintRunNote run = finishPrintRun(session.services.printer);
    note->setText(run.text.isEmpty() ? QStringLiteral("Printed.") : run.text);
    note->setToolTip(run.tip);
}

}  // namespace

PayoutScreen::PayoutScreen(Session& session, QWidget* parent) : PayoutScreen(session, primaryScreenSize(), parent) {}

PayoutScreen::PayoutScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("WinnersToPay"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  WINNERS TO PAY"));
    LoadRegister(session_, register_);
    LoadPayouts(session_, payouts_);
    setFont(designFont(10));
    setGeometry(0, 0, 800, 560);

    cboWeek_ = new QComboBox(this);
    cboWeek_->setObjectName(QStringLiteral("cboWeek"));
    cboWeek_->setGeometry(8, 20, 200, 28);
    const Season& season = session_.season;
    for (int week = 1; week <= season.ScoredWeeks && week <= season.TotalWeeks; ++week)
        cboWeek_->addItem(QStringLiteral("Week %1  (%2)").arg(week).arg(season.weekDate(week)), week);
    if (!winnersRefusal(season, GrandPrizeWeek))
        cboWeek_->addItem(QStringLiteral("Grand prize"), GrandPrizeWeek);
    auto* label = new QLabel(QStringLiteral("Cheque # / reference:"), this);
    label->setGeometry(220, 0, 160, 20);
    txtReference_ = new QLineEdit(this);
    txtReference_->setObjectName(QStringLiteral("txtReference"));
    txtReference_->setGeometry(220, 20, 160, 28);
    auto* mark = makeScreenButton(this, "cmdMarkPaid", QStringLiteral("MARK\nPAID OUT"),
                                  QStringLiteral("Mark the selected winner paid out today"), {400, 4, 100, 54});
    auto* print = makeScreenButton(this, "cmdPrint", QStringLiteral("PRINT\nSHEET"), QStringLiteral("Print the payout sheet"),
                                   {510, 4, 90, 54});
    auto* exit = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                  {700, 4, 92, 54});
    list1_ = reportList(this, {8, 66, 784, 460});
    lblNote_ = noteLabel(this);
    connect(cboWeek_, &QComboBox::currentIndexChanged, this, [this] { showWeek(); });
    connect(mark, &QPushButton::clicked, this, [this] { cmdMarkPaid_Click(); });
    connect(print, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    list1_->setFont(QFont(ReportFontName, 10));
    cboWeek_->setCurrentIndex(cboWeek_->count() - 1);
    showWeek();
}

int PayoutScreen::shownWeek() const
{
    return cboWeek_->currentIndex() < 0 ? -1 : cboWeek_->currentData().toInt();
}

void PayoutScreen::showWeek()
{
    list1_->clear();
    if (shownWeek() < 0) {
        list1_->addItem(QStringLiteral("No week is stored yet."));
        return;
    }
    winners_ = winnersToPay(session_.season, shownWeek());
    list1_->addItems(payoutLines(session_, register_, payouts_, shownWeek()));
}

void PayoutScreen::cmdMarkPaid_Click()
{
    // The winners' lines follow the three heading lines, in the order of winnersToPay().
    const int index = list1_->currentRow() - 3;
    if (index < 0 || index >= winners_.size() || winners_[index].unsold) {
        lblNote_->setText(QStringLiteral("Select a winner to pay in the list first."));
        return;
    }
    const WinnerToPay& winner = winners_[index];
    payouts_.set(winner.week, winner.ticket, {session_.today(), txtReference_->text().trimmed()});
    if (SavePayouts(session_, payouts_))
        lblNote_->setText(QStringLiteral("Ticket %1 marked paid out.").arg(winner.ticket));
    const int row = list1_->currentRow();
    showWeek();
    list1_->setCurrentRow(row);
    txtReference_->clear();
}

void PayoutScreen::cmdPrint_Click()
{
    QStringList lines;
    for (int n = 0; n < list1_->count(); ++n)
        lines << list1_->item(n)->text();
    printLines(session_, lblNote_, payoutJob(session_, lines));
}

SellersScreen::SellersScreen(Session& session, QWidget* parent) : SellersScreen(session, primaryScreenSize(), parent) {}

SellersScreen::SellersScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Sellers"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  SELLERS"));
    SalesRegister reg;
    LoadRegister(session_, reg);
    setFont(designFont(10));
    setGeometry(0, 0, 800, 560);
    auto* print = makeScreenButton(this, "cmdPrint", QStringLiteral("PRINT"), QStringLiteral("Print the sellers"),
                                   {600, 4, 90, 54});
    auto* exit = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                  {700, 4, 92, 54});
    auto* list = reportList(this, {8, 66, 784, 460});
    lblNote_ = noteLabel(this);
    const QStringList lines = sellerLines(session_.season, reg);
    list->addItems(lines);
    connect(print, &QPushButton::clicked, this, [this, lines] { printLines(session_, lblNote_, sellersJob(lines)); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    list->setFont(QFont(ReportFontName, 10));
}
