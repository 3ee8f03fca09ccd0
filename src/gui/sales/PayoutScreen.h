#pragma once

#include "main/SecondaryScreen.h"
#include "sales/Payouts.h"
#include "sales/SalesRegister.h"

#include <QSize>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class Session;

// Winners to pay: a stored week or the grand prize (cboWeek), its payout sheet (List1: prize,
// amount, buyer, phone and the "paid out" mark of each winner, then the season's paid out so far
// and still to pay), a reference box (txtReference) and cmdMarkPaid, which marks the winner
// selected in the list paid out today; cmdPrint prints the sheet, cmdExit returns.
class PayoutScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit PayoutScreen(Session& session, QWidget* parent = nullptr);
    PayoutScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // The week shown: a week number, or GrandPrizeWeek.
    int shownWeek() const;
    void cmdMarkPaid_Click();
    void cmdPrint_Click();

private:
    void showWeek();

    Session& session_;
    SalesRegister register_;
    Payouts payouts_;
    QVector<WinnerToPay> winners_;
    QComboBox* cboWeek_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLineEdit* txtReference_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

// The sellers' leaderboard (List1) with each seller's tickets; cmdPrint prints it.
class SellersScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit SellersScreen(Session& session, QWidget* parent = nullptr);
    SellersScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);

private:
    Session& session_;
    QLabel* lblNote_ = nullptr;
};
