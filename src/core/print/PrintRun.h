#pragma once

#include <QString>

class Printer;

// What the user is told once the print jobs of one action (a selection, a PRINT button) are
// sent: where a PDF went when there is no printer, or why printing failed.
struct PrintRunNote {
    QString text;  // empty: nothing to say
    QString tip;   // the PDF's path
    bool failure = false;
};

// Ends the printer's run and takes its failure, so that it is never blamed on a later printout.
PrintRunNote finishPrintRun(Printer* printer);
