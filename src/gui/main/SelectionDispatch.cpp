// What the six selections run, RUN AGAIN, the printer box and DATA FILES.
#include "main/MainScreen.h"

#include "dialogs/Button.h"
#include "print/PrintRun.h"
#include "season/Services.h"
#include "season/Session.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

void MainScreen::optSelection_Click(int index)
{
    Clear();
    cmdSave_->hide();
    runSelection(index, true);
    finishPrintRun();
}

void MainScreen::cmdRun_Click()
{
    list_->clear();
    labelPrinted_->hide();
    const int index = selectedIndex();
    if (index == 1)
        text_[2]->setFocus();
    if (index != 0)
        runSelection(index, false);
    finishPrintRun();
}

// The selection is produced again on the newly chosen device.
void MainScreen::ChkPrint_Click()
{
    cmdRun_Click();
}

void MainScreen::runSelection(int index, bool chosen)
{
    switch (index) {
    case 1:
        Winners();
        break;
    case 2:
        Letter();
        break;
    case 3:
        if (chosen)
            setAllOptionsOff();
        showScreen(OtherScreen::AnnualData, chosen);
        break;
    case 4:
        if (chosen)
            setAllOptionsOff();
        showScreen(OtherScreen::TicketFront, chosen);
        break;
    case 5:
        if (chosen)
            session_.playCue(session_.QuestionSound);
        Tickets();
        break;
    case 6:
        GrandPrizePreview();
        break;
    default:
        break;
    }
}

void MainScreen::cmdSaveRestore_Click()
{
    Clear();
    cmdSave_->hide();
    setAllOptionsOff();
    showScreen(OtherScreen::DataFiles, true);
}

void MainScreen::showScreen(OtherScreen which, bool hideMain)
{
    static const char* const names[] = {"Update Annual Data", "Tickets - Print Front", "DATA FILES"};
    OtherScreenSlot& slot = otherScreens_[static_cast<int>(which)];
    if (!slot.screen && slot.make)
        slot.screen = slot.make();
    if (!slot.screen) {
        // Never hide this window when there is nothing to show in its place.
        showNote(QStringLiteral("%1 is not part of this version of Kickpool.")
                     .arg(QLatin1String(names[static_cast<int>(which)])));
        return;
    }
    if (hideMain)
        hide();
    slot.screen->show();
    slot.screen->raise();
    slot.screen->activateWindow();
}

// A failure that the selection did not show itself is shown here.
void MainScreen::finishPrintRun()
{
    const PrintRunNote note = ::finishPrintRun(session_.services.printer);
    if (!note.text.isEmpty())
        showNote(note.text, note.tip, note.failure);
}

void MainScreen::showNote(const QString& text, const QString& tip, bool failure)
{
    labelPrinted_->setStyleSheet(failure ? QStringLiteral("color: red") : QString());
    labelPrinted_->setText(text);
    labelPrinted_->setToolTip(tip);
    labelPrinted_->show();
}
