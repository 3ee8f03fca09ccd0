#include "front/Front.h"

#include "dialogs/Button.h"
#include "dialogs/NoteLabel.h"
#include "front/FrontLines.h"
#include "front/FrontPrint.h"
#include "front/FrontScreenTexts.h"
#include "guide/GuideKey.h"
#include "guide/GuidePages.h"
#include "print/PrintRun.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/UnsavedChanges.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>

namespace {

// The screen is laid out for 800 by 600 pixels; the layout scales it to the actual screen.
constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;

}  // namespace

Front::Front(Session& session, QWidget* parent) : Front(session, primaryScreenSize(), parent) {}

Front::Front(Session& session, QSize screenSize, QWidget* parent) : SecondaryScreen(parent), session_(session)
{
    setObjectName(QStringLiteral("Front"));
    addGuideKey(this, session_, GuidePage::PrintingTickets);
    setWindowTitle(QStringLiteral("KICKPOOL  - TICKETS - PRINT FRONT"));
    buildControls();
    open(screenSize);
}

void Front::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    // Text choices on the left, ways of printing on the right; three and four to a sheet share
    // a place, as only the one that suits the ticket size is shown.
    frame1_ = new QGroupBox(QStringLiteral("-----  LINE SELECTION      PRINTER OUTPUT -------"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFont(designFont(10, true));
    frame1_->setGeometry(8, 6, 496, 130);
    selections_ = new QButtonGroup(this);
    const QString captions[8] = {{},
                                 QStringLiteral("Title"),
                                 QStringLiteral("Sport"),
                                 QStringLiteral("Year and League"),
                                 QStringLiteral("Information "),
                                 QStringLiteral("Print 1 per page Portrait Style"),
                                 QStringLiteral("Print 3 per Page Landscape Style"),
                                 QStringLiteral("Print 4 per page Landscape Style")};
    const QRect places[8] = {{},
                             {12, 28, 160, 22},  {12, 52, 160, 22},  {12, 76, 160, 22}, {12, 100, 160, 22},
                             {184, 28, 304, 22}, {184, 56, 304, 22}, {184, 56, 304, 22}};
    for (int index = 1; index <= 7; ++index) {
        auto* option = new QRadioButton(captions[index], frame1_);
        option->setObjectName(QStringLiteral("optSelection%1").arg(index));
        option->setFont(designFont(9, true));
        option->setGeometry(places[index]);
        selections_->addButton(option, index);
        optSelection_[index] = option;
    }
    connect(selections_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSelection_Click(index);
    });

    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setFont(designFont(9, true));
    combo1_->setGeometry(8, 142, 496, 26);
    for (int size = 0; size < TicketSizeCount; ++size)
        combo1_->addItem(ticketSizeEntry(size));
    connect(combo1_, &QComboBox::activated, this, [this](int index) { Combo1_Click(index); });

    label2_ = new QLabel(QStringLiteral("NUMBER OF\nTICKETS"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setFont(designFont(9, true));
    label2_->setGeometry(8, 178, 90, 36);
    text3_ = new QLineEdit(this);
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setFont(designFont(11, true));
    text3_->setGeometry(100, 180, 64, 30);
    text3_->setReadOnly(true);
    text3_->setFocusPolicy(Qt::NoFocus);
    text3_->setAlignment(Qt::AlignCenter);

    cmdPrint_ = makeScreenButton(this, "cmdPrint", QStringLiteral("PRINT"),
                                 QStringLiteral("Print selected 'Printer Output' using selected 'Ticket Size'"),
                                 {176, 176, 160, 38});
    cmdSave_ =
        makeScreenButton(this, "cmdSave", QStringLiteral("SAVE ALL CHANGES"),
                         QStringLiteral("Save all data changes made anywhere in the program"), {344, 176, 160, 38});
    cmdReset_ = makeScreenButton(this, "cmdReset", QStringLiteral("RESET"),
                                 QStringLiteral("Reset all selections on this screen"), {176, 220, 160, 32});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                {344, 220, 160, 32});
    for (Button* button : {cmdPrint_, cmdSave_, cmdReset_, cmdExit_})
        button->setAutoDefault(false);
    connect(cmdPrint_, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // Enter runs it; it has no place of its own on the screen.
    cmdRun_ = new QPushButton(this);
    cmdRun_->setObjectName(QStringLiteral("cmdRun"));
    cmdRun_->setDefault(true);
    cmdRun_->hide();
    connect(cmdRun_, &QPushButton::clicked, this, [this] { cmdRun_Click(); });

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(designFont(10, true));
    label1_->setGeometry(8, 258, 496, 22);
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setFont(designFont(11));
    text1_->setGeometry(8, 282, 496, 30);

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(designFont(9));
    list1_->setGeometry(8, 320, 496, 232);
    list1_->setFocusPolicy(Qt::NoFocus);
    list1_->setSelectionMode(QAbstractItemView::NoSelection);

    // Where the printout went, whole, over the foot of the help list.
    labelPrinted_ = new NoteLabel(this);
    labelPrinted_->setObjectName(QStringLiteral("LabelPrinted"));
    labelPrinted_->setFont(designFont(9));
    labelPrinted_->setGeometry(8, 530, 496, 22);
    labelPrinted_->hide();

    // The preview, drawn in the ticket's own font inside a thin outline like the ticket's edge.
    auto* outline = new QFrame(this);
    outline->setObjectName(QStringLiteral("FrontOutline"));
    outline->setFrameShape(QFrame::Box);
    outline->setGeometry(512, 6, 280, 546);
    grid_ = new QTableWidget(outline);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    // The preview shows the front in the font it prints in.
    QFont previewFont = designFont(FrontStandardPoints);
    previewFont.setFamily(FrontFontName);
    grid_->setFont(previewFont);
    grid_->setGeometry(1, 1, 278, 544);
}

void Front::open(QSize screenSize)
{
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    scaleIndicators({frame1_}, optSelection_[1]->font());
    Clear();
    selectSize(session_.season.SavedTicketSize);
    Season& season = session_.season;
    season.TicketCount = ticketCountFor(season.TeamCount);
    text3_->setText(QString::number(season.TicketCount));
    cmdRun_Click();
}

int Front::selectedIndex() const
{
    const int id = selections_->checkedId();
    return id < 0 ? 0 : id;
}

void Front::Clear()
{
    list1_->clear();
    labelPrinted_->hide();
    text1_->clear();
    text1_->hide();
    label1_->hide();
}

void Front::showHelp(const QStringList& lines)
{
    list1_->clear();
    list1_->addItems(lines);
}

void Front::Title() { editText(1); }
void Front::Sport() { editText(2); }
void Front::Year() { editText(3); }
void Front::Info() { editText(4); }

void Front::editText(int text)
{
    QString& stored = session_.season.FrontText[text];
    if (!text1_->text().isEmpty()) {
        if (stored != text1_->text())
            stored = text1_->text();
        return;
    }
    label1_->setText(frontTextPrompt(text));
    label1_->show();
    text1_->setText(stored);
    text1_->show();
    text1_->setFocus();
    showHelp(frontTextHelp(text));
    session_.playCue(session_.QuestionSound);
}

void Front::Size()
{
    showHelp(ticketSizeHelp());
}

void Front::Portrait()
{
    showHelp(portraitHelp());
    session_.playCue(session_.QuestionSound);
}

void Front::Landscape()
{
    showHelp(landscapeHelp(selectedIndex() == 7));
    session_.playCue(session_.QuestionSound);
}

void Front::runSelection(int index)
{
    switch (index) {
    case 1: Title(); break;
    case 2: Sport(); break;
    case 3: Year(); break;
    case 4: Info(); break;
    case 5: Portrait(); break;
    case 6:
    case 7: Landscape(); break;
    default: break;
    }
}

void Front::optSelection_Click(int index)
{
    Clear();
    runSelection(index);
}

// Only the landscape style that suits the size is offered: four to a sheet for size 0, three
// for the others.
void Front::Combo1_Click(int index)
{
    session_.season.TicketSize = index;
    const bool fourToSheet = sheetStyle(index, true) == FrontStyle::FourToSheet;
    optSelection_[7]->setVisible(fourToSheet);
    optSelection_[6]->setVisible(!fourToSheet);
    Size();
}

void Front::selectSize(int size)
{
    combo1_->setCurrentIndex(size);
    Combo1_Click(size);
}

void Front::showFront()
{
    if (emptySingleCharacterTexts(session_.season)) {
        text1_->clear();
        list1_->clear();
    }
    for (const FrontLine& line : frontLines(session_.season))
        flexlist_.flexadditem(line.text, line.format, session_);
    tightenPreviewRows();
}

// Every line whole, as on the ticket: where one is wider than the preview, every line's font
// is made smaller alike, so the front keeps its proportions. Rows are as high as their text, so
// that the whole front shows at once.
void Front::tightenPreviewRows()
{
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->verticalHeader()->setMinimumSectionSize(1);
    flexlist_.fitColumnWidth();
    // Room for the cell's own margins on both sides.
    const int room = grid_->columnWidth(0) - 2 * grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) - 4;
    double widest = 0;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        if (const QTableWidgetItem* item = grid_->item(row, 0))
            widest = qMax(widest, QFontMetricsF(item->font()).horizontalAdvance(item->text()));
    }
    const double shrink = widest > room ? room / widest * 0.97 : 1.0;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        QTableWidgetItem* item = grid_->item(row, 0);
        if (!item)
            continue;
        if (shrink < 1.0) {
            QFont font = item->font();
            font.setPointSizeF(font.pointSizeF() * shrink);
            item->setFont(font);
        }
        grid_->setRowHeight(row, QFontMetrics(item->font()).height() + 1);
    }
    grid_->scrollToTop();
}

void Front::cmdRun_Click()
{
    flexlist_.setFlexGrid(grid_);
    runSelection(selectedIndex());
    showFront();
}

void Front::cmdPrint_Click()
{
    list1_->clear();
    const int option = selectedIndex();
    if (option < 5) {
        session_.message(MessageId::PrinterChoiceNotMade);
        return;
    }
    const int copies = askFrontCopies(session_);
    Printer* printer = session_.services.printer;
    if (copies == 0 || !printer)
        return;
    const PrintJob sheet = frontSheetJob(frontLines(session_.season), session_.season.TicketSize,
                                           sheetStyle(session_.season.TicketSize, option != 5));
    if (!sheet.ops().isEmpty()) {
        for (int copy = 0; copy < copies; ++copy)
            printer->print(sheet);
    }
    labelPrinted_->showNote(finishPrintRun(printer));
}

void Front::cmdSave_Click()
{
    saveAllChanges(session_, cmdSave_);
}

void Front::cmdReset_Click()
{
    switchAllOff(selections_);
    selectSize(session_.season.SavedTicketSize);
    Clear();
    Size();
}

void Front::cmdExit_Click()
{
    close();
}

// EXIT and the close box: changes not saved are saved or dropped first, or the screen stays.
void Front::closeEvent(QCloseEvent* event)
{
    if (!settleUnsavedChanges(session_)) {
        event->ignore();
        return;
    }
    SecondaryScreen::closeEvent(event);
}

// Enter anywhere on the screen runs cmdRun; the entry box passes it on.
void Front::keyPressEvent(QKeyEvent* event)
{
    if (!clickOnEnter(event, cmdRun_))
        SecondaryScreen::keyPressEvent(event);
}
