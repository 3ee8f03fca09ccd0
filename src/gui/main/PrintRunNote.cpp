#include "main/PrintRunNote.h"

#include "season/Services.h"

PrintRunNote endPrintRun(Printer* printer)
{
    if (!printer)
        return {};
    const QString pdf = printer->finishRun();
    const QString failure = printer->takeFailure();
    if (!failure.isEmpty())
        return {QStringLiteral("Printing failed: ") + failure, {}, true};
    if (pdf.isEmpty())
        return {};
    return {QStringLiteral("No printer found; the printout was saved as ") + pdf, pdf, false};
}
