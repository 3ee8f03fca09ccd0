#pragma once

#include "print/PrintJob.h"

#include <QString>
#include <QVector>

class QPrinter;

// Renders print jobs: text lines in the report font at consecutive baselines from the top margin,
// a new page on NewPage and when a page is full, images at twips positions (1440 to the inch)
// scaled into their boxes, landscape pages after an orientation of 2. Printer and PDF share the
// same drawing.

// Pages are US Letter; text and images are placed from the corner of the printable area, which
// lies this many points in from every edge of the paper, as on a common office printer.
inline constexpr double kPrintMarginPoints = PrintMarginPoints;

// The family that prints as "Courier New": the font itself when installed, otherwise its
// metric-compatible stand-in, so that report columns line up. Needs a QGuiApplication.
QString reportFontFamily();

// Writes the jobs into one PDF file, each job starting on a new page, through the safe writing
// of SafeWrite.h. False (with a reason in *error) when the file cannot be written or the jobs
// draw nothing; no new file is left then, and a file of that name stays as it was.
bool writePdf(const QVector<PrintJob>& jobs, const QString& file, QString* error = nullptr);

// Sends one job to the printer as its own document.
bool printJob(const PrintJob& job, QPrinter& printer, QString* error = nullptr);

// Whether the system has a default printer to send jobs to.
bool hasDefaultPrinter();
