#pragma once

#include <QString>

class Printer;

// What a screen says once the printing of one user action is over.
struct PrintRunNote {
    QString text;  // empty: nothing to say (printed on the printer, or nothing printed)
    QString file;  // the PDF written instead of printing, if any
    bool failure = false;
};

// Ends the printer's run and says where a PDF went or why printing failed. A failure is taken
// from the printer, so that it is never blamed on a later printout.
PrintRunNote endPrintRun(Printer* printer);
