#include "main/MainScreen.h"

#include "main/ScreenOpener.h"
#include "main/Selections.h"
#include "print/PrintJob.h"

#include "dialogs/Button.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
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

}  // namespace

MainScreen::MainScreen(Session& session, const ScreenRegistry& screens, QWidget* parent)
    : MainScreen(session, screens, primaryScreenSize(), parent)
{
    keepFrameOnScreen(this);
}

MainScreen::MainScreen(Session& session, const ScreenRegistry& screens, QSize screenSize, QWidget* parent)
    : QWidget(parent), session_(session), opener_(new ScreenOpener(*this, session, screens))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("KICKPOOL"));
    buildControls();
    startUp(screenSize);
    buildMenuBar(screens);
}

MainScreen::~MainScreen() = default;

void MainScreen::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    // The six selections stand in two columns of three.
    frame2_ = new QGroupBox(QStringLiteral("-------------------------  SELECTIONS"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    frame2_->setFont(designFont(10, true));
    frame2_->setGeometry(8, 6, 384, 118);
    selections_ = new QButtonGroup(this);
    for (int index = 1; index <= 6; ++index) {
        const Selection& selection = selections()[index];
        auto* option = new QRadioButton(selection.caption, frame2_);
        option->setObjectName(QStringLiteral("optSelection%1").arg(index));
        option->setFont(designFont(10, true));
        option->setGeometry(12 + selection.column * 188, 28 + selection.row * 29, 184, 24);
        selections_->addButton(option, index);
        optSelection_[index] = option;
    }
    connect(selections_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSelection_Click(index);
    });

    frame3_ = new QGroupBox(QStringLiteral("Printer Output?"), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    frame3_->setFont(designFont(10, true));
    frame3_->setGeometry(400, 6, 120, 54);
    chkPrint_ = new QCheckBox(QStringLiteral("Yes"), frame3_);
    chkPrint_->setObjectName(QStringLiteral("ChkPrint"));
    chkPrint_->setFont(designFont(10, true));
    chkPrint_->setGeometry(16, 24, 64, 24);
    connect(chkPrint_, &QCheckBox::toggled, this, [this] { ChkPrint_Click(); });

    cmdRun_ = new QPushButton(QStringLiteral("RUN AGAIN"), this);
    cmdRun_->setObjectName(QStringLiteral("cmdRun"));
    cmdRun_->setToolTip(QStringLiteral("Run same selection again"));
    cmdRun_->setFont(designFont(10, true));
    cmdRun_->setGeometry(400, 68, 120, 56);
    cmdRun_->setDefault(true);
    connect(cmdRun_, &QPushButton::clicked, this, [this] { cmdRun_Click(); });

    cmdSaveRestore_ = makeScreenButton(this, "cmdSaveRestore", QString(), QString(), {528, 6, 128, 56});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT PROGRAM"), QStringLiteral("Exit Software"),
                                {664, 6, 128, 56});
    cmdReset_ = makeScreenButton(this, "cmdReset", QStringLiteral("RESET"),
                                 QStringLiteral("Reset all selections on this screen"), {528, 68, 128, 56});
    cmdUpdate_ = makeScreenButton(this, "cmdUpdate", QString(), QString(), {664, 68, 128, 56});
    cmdHeader_ = makeScreenButton(this, "cmdHeader", QStringLiteral("CHANGE YOUR ADDRESS"),
                                  QStringLiteral("Change letter return address"), {528, 130, 264, 26});
    cmdSave_ = makeScreenButton(this, "cmdSave", QStringLiteral("SAVE ALL CHANGES"),
                                QStringLiteral("Save changes made anywhere in the program"), {528, 158, 264, 26});
    connect(cmdSaveRestore_, &QPushButton::clicked, this, [this] { cmdSaveRestore_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    connect(cmdReset_, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdUpdate_, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdHeader_, &QPushButton::clicked, this, [this] { cmdHeader_Click(); });
    connect(cmdSave_, &QPushButton::clicked, this, [this] { cmdSave_Click(); });

    // The prompt boxes: first ticket, last ticket or week, tickets before a pause.
    for (int n = 1; n <= 3; ++n) {
        const int left = 8 + (n - 1) * 136;
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        label->setFont(designFont(10, true));
        label->setGeometry(left, 130, n == 3 ? 520 - left : 132, 20);
        label->hide();
        label_[n] = label;
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(n));
        box->setFont(designFont(11));
        box->setGeometry(left, 152, 120, 30);
        box->hide();
        text_[n] = box;
    }

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(listFont(11));
    list_->setGeometry(8, 190, 784, 338);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setUniformItemSizes(true);
    list_->setWordWrap(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    labelPrinted_ = new QLabel(this);
    labelPrinted_->setObjectName(QStringLiteral("LabelPrinted"));
    labelPrinted_->setFont(designFont(9));
    labelPrinted_->setGeometry(8, 532, 784, 22);
    labelPrinted_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelPrinted_->hide();
}

void MainScreen::startUp(QSize screenSize)
{
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    scaleIndicators({frame2_, frame3_}, chkPrint_->font());
    scaleToolTips(session_);

    LoadSeason(session_);

    cmdSaveRestore_->setCaption(QStringLiteral("DATA\nFILES"));
    cmdSaveRestore_->setToolTip(QStringLiteral(" Save completed season file for ")
                                + QStringLiteral("future use / Restore past file for present use "));
    cmdHeader_->hide();
    cmdSave_->hide();
    cmdUpdate_->setCaption(QStringLiteral("CHECK FOR\nUPDATE"));
    cmdUpdate_->setToolTip(QStringLiteral(" Check for update to software "));

    addLines({QStringLiteral("Updates of Kickpool are announced by e-mail."),
              QString(),
              QStringLiteral("If you have questions email: ") + QStringLiteral("sales@kickpool.example"),
              QString(),
              QStringLiteral("For technical support email: ")
                  + QStringLiteral("support@kickpool.example")});
    showNote(QStringLiteral("Kickpool keeps its files in ") + QDir::toNativeSeparators(session_.home));

    SetSounds(session_);
}

bool MainScreen::printerTicked() const
{
    return chkPrint_->isChecked();
}

int MainScreen::selectedIndex() const
{
    const int id = selections_->checkedId();
    return id < 0 ? 0 : id;
}

void MainScreen::addLines(const QStringList& lines)
{
    list_->addItems(lines);
}

void MainScreen::clearList()
{
    list_->clear();
}

QString MainScreen::promptText(int n) const
{
    return text_[n]->text();
}

void MainScreen::askPrompt(int n, const QString& caption)
{
    text_[n]->show();
    text_[n]->setFocus();
    label_[n]->setStyleSheet(QString());
    label_[n]->setText(caption);
    label_[n]->show();
}

void MainScreen::emptyPrompt(int n)
{
    text_[n]->clear();
}

void MainScreen::focusPrompt(int n)
{
    text_[n]->setFocus();
}

void MainScreen::hidePrompt(int n)
{
    text_[n]->clear();
    text_[n]->hide();
    label_[n]->hide();
}

void MainScreen::showPromptFailure(int n, const QString& text)
{
    label_[n]->setStyleSheet(QStringLiteral("color: red"));
    label_[n]->setText(text);
    label_[n]->show();
}

void MainScreen::showAddressButton()
{
    cmdHeader_->show();
}

void MainScreen::Clear()
{
    list_->clear();
    for (int n = 1; n <= 3; ++n)
        hidePrompt(n);
    cmdHeader_->hide();
    labelPrinted_->hide();
}

void MainScreen::setAllOptionsOff()
{
    // An exclusive group keeps one option on; lift that while switching them all off.
    const QSignalBlocker blocker(selections_);
    selections_->setExclusive(false);
    for (int index = 1; index <= 6; ++index)
        optSelection_[index]->setChecked(false);
    selections_->setExclusive(true);
}

// Enter anywhere on the screen runs the default button, RUN AGAIN. Keys that a control uses for
// itself never get here; the prompt boxes and the list pass Enter on.
void MainScreen::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && cmdRun_->isEnabled()) {
        event->accept();
        cmdRun_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainScreen::cmdExit_Click()
{
    close();
}

// Closing the window from anywhere asks first; unsaved changes are neither saved nor mentioned.
void MainScreen::closeEvent(QCloseEvent* event)
{
    if (session_.message(MessageId::ExitProgram) != Answer::Yes) {
        event->ignore();
        return;
    }
    opener_->closeAll();
    event->accept();
}
