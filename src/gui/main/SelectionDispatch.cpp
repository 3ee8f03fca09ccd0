// The selection table and what the six selections run, RUN AGAIN, the printer box and DATA FILES.
#include "main/MainScreen.h"

#include "dialogs/Button.h"
#include "main/ScreenOpener.h"
#include "main/Selections.h"
#include "print/PrintRun.h"
#include "season/Services.h"
#include "season/Session.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

const std::array<Selection, 7>& selections()
{
    // Left column 1, 2, 6 and right column 3, 4, 5, each from the top.
    static const std::array<Selection, 7> table = {{
        {},
        {QStringLiteral("Calculate Winners"), 0, 0, Winners, {}, false},
        {QStringLiteral("Letter to Winners"), 0, 1, Letter, {}, false},
        {QStringLiteral("Update Annual Data"), 1, 0, nullptr, ScreenId::AnnualData, false},
        {QStringLiteral("Tickets - Print Front"), 1, 1, nullptr, ScreenId::TicketFront, false},
        {QStringLiteral("Tickets - Print Back"), 1, 2, Tickets, {}, true},
        {QStringLiteral("Grand Prize"), 0, 2, GrandPrizePreview, {}, false},
    }};
    return table;
}

QString dataFilesCaption()
{
    return QStringLiteral("DATA FILES");
}

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

// Chosen, a screen takes the place of this one and the options go off; run again, it only shows
// itself beside this one. A report selection runs on this screen.
void MainScreen::runSelection(int index, bool chosen)
{
    if (index < 1 || index > 6)
        return;
    const Selection& selection = selections()[index];
    if (selection.screen) {
        if (chosen)
            setAllOptionsOff();
        showScreen(*selection.screen, selection.caption, chosen);
        return;
    }
    if (chosen && selection.questionCue)
        session_.playCue(session_.QuestionSound);
    selection.procedure(*this);
}

void MainScreen::cmdSaveRestore_Click()
{
    Clear();
    cmdSave_->hide();
    setAllOptionsOff();
    showScreen(ScreenId::DataFiles, dataFilesCaption(), true);
}

SecondaryScreen* MainScreen::showScreen(ScreenId which, const QString& caption, bool hideMain)
{
    // Never hidden when there is nothing to show in its place.
    SecondaryScreen* screen = opener_->open(which, hideMain);
    if (!screen)
        showNote(caption + QStringLiteral(" is not part of this version of Kickpool."));
    return screen;
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
