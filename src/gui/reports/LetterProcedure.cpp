// "Letter to Winners": the letter in the list and, with the printer box ticked, the copies asked
// for, each its own print job.
#include "main/SelectionHost.h"

#include "reports/Letter.h"
#include "season/Services.h"
#include "season/Session.h"

void Letter(SelectionHost& host)
{
    Session& session = host.session();
    host.Clear();
    host.showAddressButton();
    int copies = 0;
    if (host.printerTicked()) {
        copies = askLetterCopies(session);
        if (copies == 0)
            return;
    }
    host.addLines(letterLines(session));
    printEvery(session.services.printer, QVector<PrintJob>(copies, letterJob(session)));
}
