// The prize structure screen's entry protocol: amounts by category, the number of random
// winners, the price and the estimated number sold, the options, RESET and PRINT.
#include "prizes/Prizes.h"

#include "dialogs/Button.h"
#include "dialogs/NoteLabel.h"
#include "prizes/PayoutEstimate.h"
#include "prizes/PrizeCategories.h"
#include "prizes/PrizeEntry.h"
#include "print/PrintRun.h"
#include "season/Numbers.h"
#include "season/Layout.h"
#include "season/Session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A typed value as a whole number; a value beyond any range (and beyond 16 bits) stays out of range.
int wholeNumber(const QString& text)
{
    return toInteger(leadingNumber(text));
}

constexpr int RandomPosition = static_cast<int>(Prize::RegularRandom);

int positionOf(Prize prize)
{
    return static_cast<int>(prize);
}

}  // namespace

void Prizes::showLines(const QStringList& lines)
{
    list_->clear();
    labelWarning_->hide();
    list_->addItems(lines);
}

void Prizes::askWithQuestionCue()
{
    session_.playCue(session_.QuestionSound);
}

void Prizes::Entry()
{
    label1_->hide();
    text1_->hide();
}

void Prizes::NoEntry()
{
    session_.playCue(session_.ErrorSound);
    text1_->clear();
}

void Prizes::hideWinnersEntry()
{
    label2_->hide();
    text2_->hide();
    text2_->clear();  // a number typed before is never taken for a later one
}

void Prizes::openWinnersEntry()
{
    entry_.openWinners();
    label2_->show();
    text2_->clear();
    text2_->show();
    text2_->setFocus();
    showLines(winnersEntryLines());
    askWithQuestionCue();
}

void Prizes::Check_Click(int position)
{
    if (loadingChecks_)
        return;
    const Prize prize = static_cast<Prize>(position);
    text1_->clear();
    hideWinnersEntry();
    Season& season = session_.season;
    if (!check_[position]->isChecked()) {
        entry_.leaveOpenCategory(prize);
        season.setPrizeAmount(prize, 0);
        if (prize == Prize::RegularRandom)
            season.setRandomWinnersPerWeek(0);
        label1_->hide();
        text1_->hide();
        amountBox_[position]->clear();
        cmdRun_Click();
        return;
    }
    entry_.openAmount(prize);
    const PrizeCategory& category = prizeCategory(prize);
    label1_->setText(category.amountLabel());
    label1_->show();
    text1_->show();
    text1_->setFocus();
    showLines(amountEntryLines(category));
    askWithQuestionCue();
}

void Prizes::cmdRun_Click()
{
    if (entry_.soldOpen()) {
        Sold();
        if (entry_.soldOpen())
            return;
    }
    if (entry_.priceOpen()) {
        Price();
        if (entry_.priceOpen())
            return;
    }
    Season& season = session_.season;
    int a = wholeNumber(text1_->text());
    const bool numberShown = !text2_->isHidden();
    const std::optional<Prize> current = entry_.category();

    if (current) {
        if (*current == Prize::RegularRandom && numberShown) {
            if (!text2_->text().isEmpty() && !PrizeEntry::winnersTaken(wholeNumber(text2_->text()))) {
                NoEntry();
                text2_->clear();
                return;
            }
        } else if (!PrizeEntry::amountTaken(*current, a)) {
            NoEntry();
            return;
        }
    }

    list_->clear();
    if (current && *current != Prize::RegularRandom) {
        const int position = positionOf(*current);
        season.setPrizeAmount(*current, a);
        Entry();
        amountBox_[position]->setText(amountBoxText(a));
        // Unticking the category runs its handler, which goes on from there.
        if (PrizeEntry::unticks(a) && check_[position]->isChecked()) {
            check_[position]->setChecked(false);
            return;
        }
    }
    if (current == Prize::RegularRandom) {
        Entry();
        if (!numberShown)
            season.setPrizeAmount(Prize::RegularRandom, a);
        const int n = wholeNumber(text2_->text());
        season.setRandomWinnersPerWeek(n);
        a = season.prizeAmount(Prize::RegularRandom);
        amountBox_[RandomPosition]->setText(randomWinnersBoxText(n, a));
        if (PrizeEntry::unticks(a) || (numberShown && PrizeEntry::unticks(n))) {
            amountBox_[RandomPosition]->clear();
            if (check_[RandomPosition]->isChecked()) {
                check_[RandomPosition]->setChecked(false);
                return;
            }
            list_->clear();
        } else if (n != 0) {
            hideWinnersEntry();
            Calculate();
            return;
        }
    }

    // Random winners with an amount but no number yet, whichever entry just ended.
    if (PrizeEntry::winnersMissing(check_[RandomPosition]->isChecked(), season)) {
        openWinnersEntry();
        return;
    }
    const std::optional<Prize> next = PrizeEntry::nextPending(
        [this](Prize prize) { return check_[positionOf(prize)]->isChecked(); },
        [this](Prize prize) { return amountBox_[positionOf(prize)]->text().isEmpty(); }, season);
    if (next) {
        Check_Click(positionOf(*next));
        return;
    }
    Calculate();
}

void Prizes::countEntry(PrizeEntry::Open which, const std::function<bool(int)>& taken, int& target,
                        QLineEdit* display, const QString& caption, const QStringList& help,
                        const std::function<void()>& refuse)
{
    entry_.close();
    hideWinnersEntry();
    if (!text1_->text().isEmpty()) {
        const int value = wholeNumber(text1_->text());
        if (taken(value)) {
            target = value;
            display->setText(QString::number(value));
            label1_->hide();
            text1_->hide();
        } else {
            which == PrizeEntry::Open::Price ? entry_.openPrice() : entry_.openSold();
            text1_->clear();
            refuse();
            text1_->setFocus();
        }
        return;
    }
    which == PrizeEntry::Open::Price ? entry_.openPrice() : entry_.openSold();
    text1_->show();
    text1_->setFocus();
    label1_->setText(caption);
    label1_->show();
    showLines(help);
    askWithQuestionCue();
}

void Prizes::Price()
{
    countEntry(PrizeEntry::Open::Price, &PrizeEntry::priceTaken, session_.season.TicketPrice, text15_,
               QStringLiteral("Price Per Ticket"), priceEntryLines(),
               [this] { session_.message(MessageId::PriceOutOfRange); });
}

void Prizes::Sold()
{
    const int tickets = session_.season.TicketCount;
    countEntry(PrizeEntry::Open::Sold, [tickets](int sold) { return PrizeEntry::soldTaken(sold, tickets); },
               session_.season.SoldCount, text14_, QStringLiteral("Estimated # Sold"), soldEntryLines(tickets),
               [this, tickets] {
                   session_.message(MessageId::EstimatedSoldOutOfRange, {QString::number(tickets)});
               });
}

void Prizes::cmdPrice_Click()
{
    text1_->clear();
    Price();
}

void Prizes::cmdSold_Click()
{
    text1_->clear();
    Sold();
}

void Prizes::TiesUnsold()
{
    list_->clear();
    labelWarning_->hide();
    label1_->hide();
    text1_->hide();
    label2_->hide();
    text2_->hide();
    list_->addItems(tiesUnsoldLines());
}

void Prizes::option_Click()
{
    list_->clear();
    Calculate();
}

void Prizes::Calculate()
{
    const PrizeSwitches now = switches();
    if (!now.rulesChosen()) {
        TiesUnsold();
        return;
    }
    const PayoutEstimate estimate = ::Calculate(session_.season, now);
    list_->addItems(estimate.lines);
    labelWarning_->setText(estimate.warnings.join(QLatin1Char('\n')));
    labelWarning_->setVisible(!estimate.warnings.isEmpty());
}

void Prizes::cmdPrint_Click()
{
    Printer* printer = session_.services.printer;
    if (printer)
        printer->print(prizeStructureJob(listLines()));
    labelPrinted_->showNote(finishPrintRun(printer));
    list_->clear();
    Calculate();
}

// Clears the prize structure and the price without asking; the season file keeps them until
// it is saved.
void Prizes::cmdReset_Click()
{
    list_->clear();
    Entry();
    text1_->clear();
    hideWinnersEntry();
    entry_.close();
    loadingChecks_ = true;
    for (QLineEdit* box : amountBox_) {
        if (box)
            box->clear();
    }
    for (QCheckBox* check : check_) {
        if (check)
            check->setChecked(false);
    }
    loadingChecks_ = false;
    switchAllOff(method_);
    switchAllOff(payment_);
    Season& season = session_.season;
    season.PrizeValue.fill(0);
    season.PrizeOption.fill(0);
    season.TicketPrice = 0;
    // No prize is left: the odds become those of a season without prizes, as unticking every
    // box one by one would leave them, and the ticket front no longer prints the old ones.
    season.Odds = NoPrizeOdds;
    text15_->clear();
    season.SoldCount = season.TicketCount;
    text14_->setText(QString::number(season.SoldCount));
    TiesUnsold();
}
