#pragma once

#include "print/PrintJob.h"
#include "season/Services.h"

#include <QString>
#include <QVector>

#include <utility>

// The program's printer. With a default printer on the system (and no file asked for) every job
// goes to it as its own document. Otherwise the jobs of one run are kept and finishRun() writes
// them into one PDF in <home>/Prints/, named after the first job and the time.
class OutputPrinter final : public Printer {
public:
    OutputPrinter(QString homeFolder, bool toFile);

    void print(const PrintJob& job) override;
    QString finishRun() override;
    QString takeFailure() override { return std::exchange(lastError_, {}); }

    // True when the jobs go to a PDF file rather than a printer.
    bool writesFile() const override { return toFile_; }
    // The last failure, for whoever shows it (the ticket backs do).
    const QString& lastError() const { return lastError_; }

    // "<home>/Prints/<name> yyyy-MM-dd HH-mm-ss.pdf", with characters that no file name may hold
    // replaced by blanks.
    static QString pdfPath(const QString& homeFolder, const QString& name, const QDateTime& when);

private:
    QString home_;
    bool toFile_;
    QVector<PrintJob> pending_;
    QString lastError_;
};
