#pragma once

#include "main/SecondaryScreen.h"
#include "prizes/PrizeEntry.h"
#include "prizes/PrizeSwitches.h"

#include <QSize>
#include <functional>
#include <QStringList>

class Button;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class NoteLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class Session;
struct PrizeCategory;

// The prize structure screen: which prizes the season pays and how much, the number of random
// winners a week, the method for ties, the payment of unsold winning tickets, the ticket price
// and the estimated number of tickets sold. Its list keeps the payout estimate up to date, and
// PRINT PRIZE STRUCTURE prints it.
//
// Amounts, the price and the estimate go into the season data as soon as Enter takes them; the
// check boxes and option buttons go there when the screen is left (EXIT or its close box).
// Nothing is written to the season file here.
class Prizes : public SecondaryScreen {
    Q_OBJECT
public:
    // Builds the screen on the session's season, scaled for the primary screen.
    explicit Prizes(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels.
    Prizes(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // What the check boxes and option buttons hold now.
    PrizeSwitches switches() const;
    QStringList listLines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildCategory(const PrizeCategory& category, QGroupBox* frame, int left);
    void Form_Load(QSize screenSize);

    // Handlers of the controls.
    void Check_Click(int position);
    void cmdRun_Click();
    void cmdPrice_Click();
    void cmdSold_Click();
    void cmdPrint_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void option_Click();

    // Procedures of the screen.
    void Entry();
    void NoEntry();
    void TiesUnsold();
    void Price();
    void Sold();
    void Calculate();

    // The random winners' amount is taken; their number per week is asked next.
    void openWinnersEntry();
    void hideWinnersEntry();
    // The price or the estimated number sold: asks for it with an empty Text1, or takes what
    // Text1 holds when it lies in min..max.
    void countEntry(PrizeEntry::Open which, const std::function<bool(int)>& taken, int& target,
                    QLineEdit* display, const QString& caption, const QStringList& help,
                    const std::function<void()>& refuse);
    void showLines(const QStringList& lines);
    void askWithQuestionCue();

    Session& session_;

    // Which entry is open; loadingChecks_ while the screen itself ticks boxes, when their
    // handlers do nothing.
    PrizeEntry entry_;
    bool loadingChecks_ = false;

    QGroupBox* frames_[6] = {};
    QCheckBox* check_[PrizeOptionCount + 1] = {};      // by prize position
    QLineEdit* amountBox_[PrizeOptionCount + 1] = {};  // by prize position: Text3 .. Text13
    QButtonGroup* method_ = nullptr;
    QButtonGroup* payment_ = nullptr;
    QRadioButton* optMethod_[3] = {};
    QRadioButton* optPayment_[3] = {};
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text14_ = nullptr;
    QLineEdit* text15_ = nullptr;
    QListWidget* list_ = nullptr;
    NoteLabel* labelPrinted_ = nullptr;
    QLabel* labelWarning_ = nullptr;
    Button* cmdPrice_ = nullptr;
    Button* cmdSold_ = nullptr;
    Button* cmdPrint_ = nullptr;
    Button* cmdReset_ = nullptr;
    Button* cmdExit_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
};
