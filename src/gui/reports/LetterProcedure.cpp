// "Letter to Winners": the letter in the list and, with the printer box ticked, the copies asked
// for, each its own print job.
#include "main/MainScreen.h"

#include "dialogs/Button.h"
#include "reports/Letter.h"
#include "season/Services.h"
#include "season/Session.h"

void MainScreen::Letter()
{
    Clear();
    cmdHeader_->show();
    int copies = 0;
    if (printerTicked()) {
        copies = askLetterCopies(session_);
        if (copies == 0)
            return;
    }
    addLines(letterLines(session_));
    Printer* printer = session_.services.printer;
    if (!printer)
        return;
    for (int copy = 0; copy < copies; ++copy)
        printer->print(letterJob(session_));
}
