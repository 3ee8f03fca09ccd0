// "Grand Prize": the standings of all tickets by value; printed as one job when the printer box
// is ticked.
#include "main/SelectionHost.h"

#include "reports/GrandPrize.h"
#include "season/Services.h"
#include "season/Session.h"

void GrandPrizePreview(SelectionHost& host)
{
    Session& session = host.session();
    host.addLines(grandPrizePreviewLines(session));
    Printer* printer = session.services.printer;
    if (host.printerTicked() && printer)
        printer->print(grandPrizePreviewJob(session));
}
