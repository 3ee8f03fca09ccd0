#pragma once

#include "print/PrintJob.h"
#include "season/Services.h"

// Keeps every job it is given, in order: the printer of the tests, and the collector of the
// jobs of one run that are then written to a PDF.
class RecordingPrinter final : public Printer {
public:
    void print(const PrintJob& job) override { jobs.append(job); }
    bool writesFile() const override { return toFile; }
    QVector<PrintJob> jobs;
    bool toFile = false;  // stands for a printer that writes a PDF
};
