// CHANGE YOUR ADDRESS, SAVE ALL CHANGES and RESET.
#include "main/MainScreen.h"

#include "dialogs/Button.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// Asks for the four lines of the letter's return address; the first Cancel keeps that line and
// the ones after it. The letter is shown again with the new address, which stays in memory
// until SAVE ALL CHANGES.
void MainScreen::cmdHeader_Click()
{
    list_->clear();
    cmdSave_->show();
    const InputId lines[] = {InputId::OrganisationName, InputId::AddressLine1, InputId::AddressLine2,
                             InputId::CityStateZip};
    for (int n = 1; n <= 4; ++n) {
        const InputReply reply = session_.input(lines[n - 1], {session_.season.ReturnAddress[n]});
        if (reply.cancelled())
            break;
        session_.season.ReturnAddress[n] = reply.text;
    }
    Letter(*this);
    finishPrintRun();
}

// Saves the whole season, not only the address, after the warning is answered Yes. A save that
// failed (message 31) leaves the button there, so that the changes can still be saved.
void MainScreen::cmdSave_Click()
{
    if (session_.message(MessageId::SaveAllChangesMain) == Answer::Yes && !SaveSeason(session_))
        return;
    cmdSave_->hide();
}

// Back to the idle screen; the season data stay as they are.
void MainScreen::cmdReset_Click()
{
    setAllOptionsOff();
    chkPrint_->setChecked(false);
    Clear();
    cmdSave_->hide();
}
