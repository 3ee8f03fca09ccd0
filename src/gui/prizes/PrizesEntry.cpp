// The prize structure screen's entry protocol: amounts by category, the number of random
// winners, the price and the estimated number sold, the options, RESET and PRINT.
#include "prizes/Prizes.h"

#include "dialogs/Button.h"
#include "prizes/PayoutEstimate.h"
#include "prizes/PrizeCategories.h"
#include "print/PrintRun.h"
#include "season/Numbers.h"
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

}  // namespace

void Prizes::showLines(const QStringList& lines)
{
    list_->clear();
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
    JJ = RandomPosition;
    label2_->show();
    text2_->clear();
    text2_->show();
    text2_->setFocus();
    showLines(winnersEntryLines());
    askWithQuestionCue();
}

void Prizes::Check_Click(int position)
{
    if (CheckSkip)
        return;
    const Prize prize = static_cast<Prize>(position);
    JJ = position;
    text1_->clear();
    hideWinnersEntry();
    Season& season = session_.season;
    if (!check_[position]->isChecked()) {
        season.setPrizeAmount(prize, 0);
        if (prize == Prize::RegularRandom)
            season.setRandomWinnersPerWeek(0);
        label1_->hide();
        text1_->hide();
        amountBox_[position]->clear();
        cmdRun_Click();
        return;
    }
    iFlagSold = 0;
    iFlagPrice = 0;
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
    if (iFlagSold == 1) {
        Sold();
        if (iFlagSold == 1)
            return;
    }
    if (iFlagPrice == 1) {
        Price();
        if (iFlagPrice == 1)
            return;
    }
    Season& season = session_.season;
    int a = wholeNumber(text1_->text());
    const bool numberShown = !text2_->isHidden();

    if (JJ != 0) {
        if (JJ == RandomPosition && numberShown) {
            if (!text2_->text().isEmpty()) {
                const int n = wholeNumber(text2_->text());
                if (n < 0 || n > MaxRandomWinners) {
                    NoEntry();
                    text2_->clear();
                    return;
                }
            }
        } else if (a < 0 || a > prizeCategory(static_cast<Prize>(JJ)).maxAmount) {
            NoEntry();
            return;
        }
    }

    list_->clear();
    if (JJ != 0 && JJ != RandomPosition) {
        const Prize prize = static_cast<Prize>(JJ);
        season.setPrizeAmount(prize, a);
        Entry();
        amountBox_[JJ]->setText(amountBoxText(a));
        // An amount of 0 unchecks the category; its handler then goes on from there.
        if (a == 0 && check_[JJ]->isChecked()) {
            check_[JJ]->setChecked(false);
            return;
        }
    }
    if (JJ == RandomPosition) {
        Entry();
        if (!numberShown)
            season.setPrizeAmount(Prize::RegularRandom, a);
        const int n = wholeNumber(text2_->text());
        season.setRandomWinnersPerWeek(n);
        a = season.prizeAmount(Prize::RegularRandom);
        amountBox_[JJ]->setText(randomWinnersBoxText(n, a));
        if (a == 0 || (n == 0 && numberShown)) {
            amountBox_[JJ]->clear();
            if (check_[JJ]->isChecked()) {
                check_[JJ]->setChecked(false);
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
    if (check_[RandomPosition]->isChecked() && season.prizeAmount(Prize::RegularRandom) != 0
        && season.randomWinnersPerWeek() == 0) {
        openWinnersEntry();
        return;
    }

    // The next checked category still without an amount.
    for (const PrizeCategory& category : prizeCategories()) {
        const int position = category.position();
        const bool pending = position == RandomPosition ? season.prizeAmount(category.prize) == 0
                                                        : amountBox_[position]->text().isEmpty();
        if (check_[position]->isChecked() && pending) {
            Check_Click(position);
            return;
        }
    }
    Calculate();
}

void Prizes::countEntry(int& flag, int& otherFlag, int max, int& target, QLineEdit* display,
                        const QString& caption, const QStringList& help, const std::function<void()>& refuse)
{
    JJ = 0;
    hideWinnersEntry();
    if (!text1_->text().isEmpty()) {
        const int value = wholeNumber(text1_->text());
        if (value >= 1 && value <= max) {
            target = value;
            display->setText(QString::number(value));
            label1_->hide();
            text1_->hide();
            flag = 0;
        } else {
            text1_->clear();
            refuse();
            text1_->setFocus();
        }
        return;
    }
    flag = 1;
    otherFlag = 0;
    text1_->show();
    text1_->setFocus();
    label1_->setText(caption);
    label1_->show();
    showLines(help);
    askWithQuestionCue();
}

void Prizes::Price()
{
    countEntry(iFlagPrice, iFlagSold, MaxTicketPrice, session_.season.TicketPrice, text15_,
               QStringLiteral("Price Per Ticket"), priceEntryLines(),
               [this] { session_.message(MessageId::PriceOutOfRange); });
}

void Prizes::Sold()
{
    const int tickets = session_.season.TicketCount;
    countEntry(iFlagSold, iFlagPrice, tickets, session_.season.SoldCount, text14_,
               QStringLiteral("Estimated # Sold"), soldEntryLines(tickets), [this, tickets] {
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
    list_->addItems(::Calculate(session_.season, now));
}

void Prizes::cmdPrint_Click()
{
    Printer* printer = session_.services.printer;
    if (printer)
        printer->print(prizeStructureJob(listLines()));
    const PrintRunNote note = finishPrintRun(printer);
    labelPrinted_->setStyleSheet(note.failure ? QStringLiteral("color: red") : QString());
    labelPrinted_->setText(note.text);
    labelPrinted_->setToolTip(note.tip);
    labelPrinted_->setVisible(!note.text.isEmpty());
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
    JJ = 0;
    iFlagSold = 0;
    iFlagPrice = 0;
    CheckSkip = true;
    for (QLineEdit* box : amountBox_) {
        if (box)
            box->clear();
    }
    for (QCheckBox* check : check_) {
        if (check)
            check->setChecked(false);
    }
    CheckSkip = false;
    for (QButtonGroup* group : {method_, payment_}) {
        // An exclusive group keeps one option chosen; lift that while clearing them.
        const QSignalBlocker blocker(group);
        group->setExclusive(false);
        for (QAbstractButton* option : group->buttons())
            option->setChecked(false);
        group->setExclusive(true);
    }
    Season& season = session_.season;
    season.PrizeValue.fill(0);
    season.PrizeOption.fill(0);
    season.TicketPrice = 0;
    text15_->clear();
    season.SoldCount = season.TicketCount;
    text14_->setText(QString::number(season.SoldCount));
    TiesUnsold();
}
