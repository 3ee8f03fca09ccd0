#include "annual/Update.h"

#include "annual/StorableTextValidator.h"

#include "dialogs/Button.h"
#include "dialogs/MessageCatalogue.h"
#include "guide/GuideKey.h"
#include "guide/GuidePages.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/UnsavedChanges.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The screen is laid out for 800 by 600 pixels; the layout scales it to the actual screen.
constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;
// The entry grid: three columns side by side, 16 rows each.
constexpr int GridLeft = 160;
constexpr int GridTop = 112;
constexpr int ColumnPitch = 212;
constexpr int RowPitch = 20;

const QString SaveCaption = QStringLiteral("SAVE\nALL\nCHANGES");

}  // namespace

Update::Update(Session& session, QWidget* parent) : Update(session, primaryScreenSize(), parent) {}

Update::Update(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setObjectName(QStringLiteral("Update"));
    addGuideKey(this, session_, GuidePage::SettingUp);
    setWindowTitle(QStringLiteral("KICKPOOL -  UPDATE ANNUAL DATA"));
    buildControls();

    SetScale(session_, screenSize);
    applyLayout(this, session_);
    scaleIndicators({frame1_}, optSelection_[1]->font());

    cmdSave_->setCaption(SaveCaption);
    cmdReset_->setToolTip(QStringLiteral("Reset ALL data to data prior to last SAVE / Session start values if no SAVE was made"));
    const QString captions[8] = {{},
                                 QStringLiteral("Random\nSeed"),
                                 QStringLiteral("Regular\nSeason"),
                                 QString(),
                                 QStringLiteral("Team\nNames"),
                                 QStringLiteral("Tickets\nNot Sold"),
                                 QStringLiteral("Ticket\nPrice"),
                                 QStringLiteral("Prize\nStructure")};
    for (int index = 1; index <= 7; ++index) {
        if (index != 3)
            optSelection_[index]->setText(captions[index]);
    }
    Clear();
}

void Update::setPrizeScreenOpener(std::function<bool()> open)
{
    openPrizeScreen_ = std::move(open);
}

void Update::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    frame1_ = new QGroupBox(QStringLiteral("    SELECTIONS     "), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFont(designFont(10, true));
    frame1_->setGeometry(8, 6, 144, 438);
    selections_ = new QButtonGroup(this);
    for (int index = 1; index <= 7; ++index) {
        // "Playoffs" is the one caption the design gives; the others are set when the screen loads.
        auto* option = new QRadioButton(index == 3 ? QStringLiteral("Playoffs") : QString(), frame1_);
        option->setObjectName(QStringLiteral("optSelection%1").arg(index));
        option->setFont(designFont(10, true));
        option->setGeometry(12, 28 + (index - 1) * 58, 126, 50);
        selections_->addButton(option, index);
        optSelection_[index] = option;
    }
    connect(selections_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSelection_Click(index);
    });

    auto makeLabel = [this](const char* name, QRect place) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setFont(designFont(10, true));
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        label->setGeometry(place);
        return label;
    };
    auto makeField = [this](const char* name, QRect place) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setFont(designFont(11));
        field->setGeometry(place);
        return field;
    };
    label1_ = makeLabel("Label1", {160, 22, 212, 38});
    text4_ = makeField("Text4", {160, 62, 100, 30});
    label2_ = makeLabel("Label2", {384, 22, 140, 38});
    text5_ = makeField("Text5", {384, 62, 100, 30});
    text5_->setReadOnly(true);
    text5_->setFocusPolicy(Qt::NoFocus);
    connect(text4_, &QLineEdit::textChanged, this, [this] { Text4_Change(); });

    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("LabelNote"));
    note_->setFont(designFont(9));
    note_->setWordWrap(true);
    note_->setGeometry(160, 62, 372, 40);

    cmdSave_ =
        makeScreenButton(this, "cmdSave", QString(),
                         QStringLiteral(" Save all data changes made anywhere in the program"), {540, 6, 104, 68});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral(" Return to Main Screen"),
                                {652, 6, 140, 68});
    cmdReset_ = makeScreenButton(this, "cmdReset", QStringLiteral("RESET TO DATA  USED IN LAST SAVE"), QString(),
                                 {540, 80, 252, 28});
    connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // Enter in any field runs the current selection again.
    cmdRun_ = new QPushButton(this);
    cmdRun_->setObjectName(QStringLiteral("cmdRun"));
    cmdRun_->setDefault(true);
    cmdRun_->setGeometry(0, 0, 1, 1);
    cmdRun_->hide();
    connect(cmdRun_, &QPushButton::clicked, this, [this] { cmdRun_Click(); });

    buildEntryGrid();

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(designFont(9));
    list1_->setGeometry(8, 450, 784, 104);
    list1_->setFocusPolicy(Qt::NoFocus);
    list1_->setSelectionMode(QAbstractItemView::NoSelection);
    list1_->setTextElideMode(Qt::ElideNone);
}

// Created column by column, so that Tab goes down column 1, then column 2, then column 3.
void Update::buildEntryGrid()
{
    for (int column = 1; column <= EntryColumns::Columns; ++column) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(column + 1));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setGeometry(GridLeft + (column - 1) * ColumnPitch, GridTop, 204, 332);
        frame_[column] = frame;
        for (int row = 1; row <= EntryColumns::Rows; ++row) {
            const int top = 6 + (row - 1) * RowPitch;
            auto* number = new QLabel(frame);
            number->setObjectName(QStringLiteral("Col%1_%2").arg(column).arg(row));
            number->setFont(listFont(9));
            number->setFrameShape(QFrame::Panel);
            number->setFrameShadow(QFrame::Sunken);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            number->setGeometry(6, top, 32, RowPitch - 1);
            col_[column][row] = number;
            auto* field = new QLineEdit(frame);
            field->setObjectName(QStringLiteral("Text%1_%2").arg(column).arg(row));
            field->setFont(listFont(10));
            field->setGeometry(42, top, 156, RowPitch - 1);
            field->setValidator(new StorableTextValidator([this] { session_.playCue(session_.ErrorSound); }, field));
            text_[column][row] = field;
        }
    }
}

AnnualSelection Update::selection() const
{
    const int id = selections_->checkedId();
    return id < 1 ? AnnualSelection::None : static_cast<AnnualSelection>(id);
}

void Update::setAllOptionsOff()
{
    switchAllOff(selections_);
}

void Update::optSelection_Click(int index)
{
    Clear();
    if (static_cast<AnnualSelection>(index) == AnnualSelection::PrizeStructure)
        openPrizeScreen();
    else
        runSelection(static_cast<AnnualSelection>(index));
}

void Update::cmdRun_Click()
{
    runSelection(selection());
}

void Update::runSelection(AnnualSelection selection)
{
    switch (selection) {
    case AnnualSelection::Seed:
        Seed();
        break;
    case AnnualSelection::Regular:
        Regular();
        break;
    case AnnualSelection::Playoff:
        Playoff();
        break;
    case AnnualSelection::Teams:
        Names();
        break;
    case AnnualSelection::Unsold:
        Unsold();
        break;
    case AnnualSelection::Price:
        Price();
        break;
    case AnnualSelection::None:
    case AnnualSelection::PrizeStructure:
        break;
    }
}

void Update::openPrizeScreen()
{
    setAllOptionsOff();
    const bool opened = openPrizeScreen_ ? openPrizeScreen_() : openInPlace(ScreenId::PrizeStructure) != nullptr;
    if (!opened)
        showNote(QStringLiteral("Prize Structure is not part of this version of Kickpool."));
}

void Update::showNote(const QString& text)
{
    note_->setText(text);
    note_->show();
}

void Update::Text4_Change()
{
    const AnnualSelection current = selection();
    Season& season = session_.season;
    const ValueCheck check = checkTypedValue(current, text4_->text(), season);
    switch (check.fix) {
    case ValueCheck::Fix::None:
        break;
    case ValueCheck::Fix::Empty:
        text4_->clear();
        break;
    case ValueCheck::Fix::PutBackCount:
        // A stored count that is itself out of range (a hand-edited file) is said once only.
        if (puttingBack_)
            break;
        if (check.message && !check.messageAfterFix)
            session_.message(*check.message);
        puttingBack_ = true;
        text4_->setText(QString::number(storedValue(current, season)));
        puttingBack_ = false;
        if (check.message && check.messageAfterFix)
            session_.message(*check.message);
        break;
    }
    if (check.hideGrid) {
        ClearData();
        hideGrid();
    }
    if (check.tickets) {
        season.TicketCount = *check.tickets;
        showEcho(QStringLiteral("NUMBER OF\nTICKETS"), QString::number(season.TicketCount));
    }
}

void Update::Clear()
{
    list1_->clear();
    label1_->hide();
    label2_->hide();
    label1_->clear();
    text4_->hide();
    text5_->hide();
    text4_->clear();
    note_->hide();
    forEachPlace([this](int column, int row) {
        col_[column][row]->hide();
        text_[column][row]->hide();
    });
    hideGrid();
}

void Update::ClearData()
{
    forEachPlace([this](int column, int row) {
        col_[column][row]->hide();
        text_[column][row]->hide();
        text_[column][row]->clear();
    });
}

void Update::hideGrid()
{
    for (int column = 1; column <= EntryColumns::Columns; ++column)
        frame_[column]->hide();
}

void Update::cmdSave_Click()
{
    setAllOptionsOff();
    saveAllChanges(session_, cmdSave_);
}

void Update::cmdReset_Click()
{
    Clear();
    setAllOptionsOff();
    LoadSeason(session_);
}

void Update::cmdExit_Click()
{
    close();
}

// Closing the window leaves the screen as EXIT does; changes not saved are saved or dropped
// first, or the screen stays.
void Update::closeEvent(QCloseEvent* event)
{
    if (!settleUnsavedChanges(session_)) {
        event->ignore();
        return;
    }
    setAllOptionsOff();
    Clear();
    SecondaryScreen::closeEvent(event);
}

// Enter runs the selection again; the focus then stays in the entry (the next field of the grid,
// as Tab goes, or the value box), never on a selection option that a key could change.
void Update::keyPressEvent(QKeyEvent* event)
{
    QWidget* from = focusWidget();
    focusPlaced_ = false;
    if (!clickOnEnter(event, cmdRun_)) {
        SecondaryScreen::keyPressEvent(event);
        return;
    }
    if (!focusPlaced_)
        focusAfterEnter(from);
}

void Update::focusAfterEnter(QWidget* from)
{
    QList<QLineEdit*> fields;
    forEachPlace([&](int column, int row) {
        if (text_[column][row]->isVisibleTo(this))
            fields.append(text_[column][row]);
    });
    const qsizetype at = fields.indexOf(static_cast<QLineEdit*>(from));
    QWidget* next = nullptr;
    if (at >= 0 && at + 1 < fields.size())
        next = fields[at + 1];
    else if (at < 0 && from == text4_ && !fields.isEmpty())
        next = fields.first();
    else if (text4_->isVisibleTo(this))
        next = text4_;
    else if (!fields.isEmpty())
        next = fields.first();
    if (next)
        next->setFocus();
}
