// "Grand Prize": the standings of all tickets by value; printed as one job when the printer box
// is ticked.
#include "main/MainScreen.h"

#include "reports/GrandPrize.h"
#include "season/Services.h"
#include "season/Session.h"

void MainScreen::GrandPrizePreview()
{
    addLines(grandPrizePreviewLines(session_));
    Printer* printer = session_.services.printer;
    if (printerTicked() && printer)
        printer->print(grandPrizePreviewJob(session_));
}
