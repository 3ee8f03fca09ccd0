// The prize structure screen: its controls, their places, and loading.
#include "prizes/Prizes.h"

#include "dialogs/Button.h"
#include "dialogs/NoteLabel.h"
#include "guide/GuideKey.h"
#include "guide/GuidePages.h"
#include "prizes/PrizeCategories.h"
#include "print/PrintJob.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Laid out for 800 by 600 pixels like every screen; the layout scales it to the actual screen.
constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;

// The width of a category's column in its frame: its check box caption's widest line and the box.
int columnWidth(Prize prize)
{
    switch (prize) {
    case Prize::RegularSecondHigh:
        return 104;
    case Prize::RegularRandom:
        return 74;
    default:
        return 96;
    }
}

}  // namespace

Prizes::Prizes(Session& session, QWidget* parent) : Prizes(session, primaryScreenSize(), parent) {}

Prizes::Prizes(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setObjectName(QStringLiteral("Prizes"));
    addGuideKey(this, session_, GuidePage::Prizes);
    setWindowTitle(QStringLiteral("KICKPOOL -  PRIZE STRUCTURE"));
    buildControls();
    Form_Load(screenSize);
}

void Prizes::buildControls()
{
    setFont(designFont(9));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    auto frame = [this](int n, const QString& title, QRect place) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(QStringLiteral("Frame%1").arg(n));
        box->setFont(designFont(9, true));
        box->setGeometry(place);
        frames_[n] = box;
        return box;
    };
    // The three frames of categories side by side, each as wide as its columns.
    int frameWidth[3] = {8, 8, 8};
    for (const PrizeCategory& category : prizeCategories())
        frameWidth[static_cast<int>(category.frame)] += columnWidth(category.prize);
    QGroupBox* regular = frame(1, QStringLiteral("Regular Season (Weekly)   "), {6, 4, frameWidth[0], 96});
    QGroupBox* grand = frame(2, QStringLiteral("Grand Prize - End Season              "),
                             {regular->geometry().right() + 5, 4, frameWidth[1], 96});
    QGroupBox* playoff = frame(3, QStringLiteral(" Playoff Season  (Weekly)  "),
                               {grand->geometry().right() + 5, 4, frameWidth[2], 96});
    int left[3] = {4, 4, 4};
    for (const PrizeCategory& category : prizeCategories()) {
        const int f = static_cast<int>(category.frame);
        buildCategory(category, f == 0 ? regular : f == 1 ? grand : playoff, left[f]);
        left[f] += columnWidth(category.prize);
    }

    // The two choices of each rule; "chosen" is the checked button of its group.
    auto options = [this, &frame](int n, const QString& title, int left, const char* name, QRadioButton** buttons,
                          const QString& first, const QString& second) {
        QGroupBox* box = frame(n, title, {left, 104, 150, 82});
        auto* group = new QButtonGroup(this);
        const QString captions[3] = {{}, first, second};
        for (int index = 1; index <= 2; ++index) {
            auto* option = new QRadioButton(captions[index], box);
            option->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index));
            option->setFont(designFont(8));
            option->setGeometry(8, 16 + (index - 1) * 32, 138, 31);
            group->addButton(option, index);
            buttons[index] = option;
        }
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool chosen) {
            if (chosen)
                option_Click();
        });
        return group;
    };
    method_ = options(4, QStringLiteral("       Method For Ties                   "), 6, "optMethod", optMethod_,
                      QStringLiteral("Ties Pay\nFull Amount"), QStringLiteral("Ties Split Combined\nPrize Money"));
    payment_ = options(5, QStringLiteral(" Payment - Unsold Tickets              "), 160, "optPayment", optPayment_,
                       QStringLiteral("Not Paid"), QStringLiteral("Use Next Closest\nSold Ticket"));

    auto entry = [this](int n, int top, int width, const QString& caption) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        label->setFont(designFont(8, true));
        label->setGeometry(314, top, 118, 18);
        label->hide();
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(n));
        box->setFont(designFont(10));
        box->setGeometry(314, top + 18, width, 24);
        box->hide();
        return std::pair{label, box};
    };
    std::tie(label1_, text1_) = entry(1, 102, 100, QString());
    std::tie(label2_, text2_) = entry(2, 146, 60, QStringLiteral("Number Prizes / Week"));

    auto display = [this](int n, QRect place) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(n));
        box->setFont(designFont(10));
        box->setGeometry(place);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(Qt::AlignCenter);
        return box;
    };
    cmdPrice_ = makeScreenButton(this, "cmdPrice", QStringLiteral("PRICE PER TICKET"),
                                 QStringLiteral(" Click to change the ticket sales price "), {436, 106, 148, 38}, 8);
    text15_ = display(15, {588, 113, 44, 24});
    cmdSold_ = makeScreenButton(this, "cmdSold", QStringLiteral("ESTIMATED TICKETS SOLD"),
                                QStringLiteral(" Click to input an estimate of tickets that will be sold "),
                                {436, 148, 148, 38}, 8);
    text14_ = display(14, {588, 155, 44, 24});
    cmdPrint_ = makeScreenButton(this, "cmdPrint", QStringLiteral("PRINT PRIZE STRUCTURE"),
                                 QStringLiteral(" Print Prize Structure shown below "), {636, 106, 158, 38}, 8);
    cmdReset_ = makeScreenButton(this, "cmdReset", QStringLiteral("RESET"),
                                 QStringLiteral(" Reset all data on this screen"), {636, 148, 76, 38}, 8);
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"),
                                QStringLiteral(" Return to Update Annual Data screen"), {718, 148, 76, 38}, 8);
    connect(cmdPrice_, &QPushButton::clicked, this, [this] { cmdPrice_Click(); });
    connect(cmdSold_, &QPushButton::clicked, this, [this] { cmdSold_Click(); });
    connect(cmdPrint_, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // The default button: Enter runs it. Never seen.
    cmdRun_ = new QPushButton(QStringLiteral("Program Use Only"), this);
    cmdRun_->setObjectName(QStringLiteral("cmdRun"));
    cmdRun_->setGeometry(0, 0, 10, 10);
    cmdRun_->setDefault(true);
    cmdRun_->hide();
    connect(cmdRun_, &QPushButton::clicked, this, [this] { cmdRun_Click(); });

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(listFont(9));
    list_->setGeometry(6, 190, 788, 306);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setUniformItemSizes(true);
    list_->setWordWrap(false);
    list_->setFocusPolicy(Qt::NoFocus);

    labelWarning_ = new QLabel(this);
    labelWarning_->setObjectName(QStringLiteral("LabelWarning"));
    labelWarning_->setFont(designFont(9, true));
    labelWarning_->setStyleSheet(QStringLiteral("color: red"));
    labelWarning_->setGeometry(6, 498, 788, 38);
    labelWarning_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelWarning_->hide();

    labelPrinted_ = new NoteLabel(this);
    labelPrinted_->setObjectName(QStringLiteral("LabelPrinted"));
    labelPrinted_->setFont(designFont(8));
    labelPrinted_->setGeometry(6, 538, 788, 20);
    labelPrinted_->hide();
}

// A check box over its amount box, in its frame from `left` on.
void Prizes::buildCategory(const PrizeCategory& category, QGroupBox* frame, int left)
{
    const int position = category.position();
    const int width = columnWidth(category.prize);
    auto* check = new QCheckBox(category.caption, frame);
    check->setObjectName(QStringLiteral("Check%1").arg(position));
    check->setFont(designFont(8));
    check->setGeometry(left, 16, width - 2, 46);
    connect(check, &QCheckBox::toggled, this, [this, position] { Check_Click(position); });
    check_[position] = check;

    auto* amount = new QLineEdit(frame);
    amount->setObjectName(QStringLiteral("Text%1").arg(position + 2));
    amount->setFont(designFont(9));
    amount->setGeometry(left + 12, 65, qMin(width - 26, 72), 24);
    amount->setReadOnly(true);
    amount->setFocusPolicy(Qt::NoFocus);
    amountBox_[position] = amount;
}

void Prizes::Form_Load(QSize screenSize)
{
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    scaleIndicators({frames_[1], frames_[2], frames_[3], frames_[4], frames_[5]}, check_[1]->font());
    SetSounds(session_);

    entry_.close();
    Season& season = session_.season;
    for (const PrizeCategory& category : prizeCategories()) {
        if (!season.prizeOn(category.prize))
            continue;
        loadingChecks_ = true;
        check_[category.position()]->setChecked(true);
        loadingChecks_ = false;
        const int amount = season.prizeAmount(category.prize);
        amountBox_[category.position()]->setText(
            category.prize == Prize::RegularRandom && amount != 0
                ? randomWinnersBoxText(season.randomWinnersPerWeek(), amount)
                : amountBoxText(amount));
    }
    const PrizeSwitches stored = PrizeSwitches::fromSeason(season);
    if (stored.tieMethod != TieMethod::None)
        optMethod_[stored.tieMethod == TieMethod::PayFull ? 1 : 2]->setChecked(true);
    if (stored.unsoldRule != UnsoldRule::None)
        optPayment_[stored.unsoldRule == UnsoldRule::NotPaid ? 1 : 2]->setChecked(true);

    TiesUnsold();
    text14_->setText(QString::number(season.SoldCount));
    text15_->setText(QString::number(season.TicketPrice));
    season.TicketCount = ticketCountFor(season.TeamCount);
    cmdRun_Click();
}

PrizeSwitches Prizes::switches() const
{
    PrizeSwitches now;
    for (const PrizeCategory& category : prizeCategories())
        now.setChecked(category.prize, check_[category.position()]->isChecked());
    now.tieMethod = optMethod_[1]->isChecked() ? TieMethod::PayFull
        : optMethod_[2]->isChecked()           ? TieMethod::Split
                                               : TieMethod::None;
    now.unsoldRule = optPayment_[1]->isChecked() ? UnsoldRule::NotPaid
        : optPayment_[2]->isChecked()            ? UnsoldRule::NextSold
                                                 : UnsoldRule::None;
    return now;
}

QStringList Prizes::listLines() const
{
    QStringList lines;
    for (int row = 0; row < list_->count(); ++row)
        lines.append(list_->item(row)->text());
    return lines;
}

// Enter anywhere on the screen runs the default button; the entry boxes pass Enter on.
void Prizes::keyPressEvent(QKeyEvent* event)
{
    if (!clickOnEnter(event, cmdRun_))
        SecondaryScreen::keyPressEvent(event);
}

// EXIT and the close box both leave here: the check boxes and options go into the season.
void Prizes::closeEvent(QCloseEvent* event)
{
    switches().storeInto(session_.season);
    SecondaryScreen::closeEvent(event);
}

void Prizes::cmdExit_Click()
{
    close();
}
