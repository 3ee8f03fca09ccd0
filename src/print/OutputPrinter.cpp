#include "OutputPrinter.h"

#include "JobRenderer.h"
#include "season/Session.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

OutputPrinter::OutputPrinter(QString homeFolder, bool toFile)
    : home_(std::move(homeFolder)), toFile_(toFile || !hasDefaultPrinter())
{
}

void OutputPrinter::print(const PrintJob& job)
{
    if (toFile_) {
        pending_.append(job);
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QString error;
    if (!printJob(job, printer, &error))
        lastError_ = error;
}

QString OutputPrinter::finishRun()
{
    if (pending_.isEmpty())
        return {};
    const QVector<PrintJob> jobs = std::exchange(pending_, {});
    QString name = jobs.first().name();
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Printout");
    QString path = pdfPath(home_, name, QDateTime::currentDateTime());
    // Two runs within the same second get distinct files.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = pdfPath(home_, QStringLiteral("%1 (%2)").arg(name).arg(n), QDateTime::currentDateTime());
    QString error;
    if (!writePdf(jobs, path, &error)) {
        lastError_ = error;
        return {};
    }
    return path;
}

QString OutputPrinter::pdfPath(const QString& homeFolder, const QString& name, const QDateTime& when)
{
    QString clean = name;
    for (QChar& c : clean) {
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char(' ');
    }
    clean = clean.simplified();
    const QString file = QStringLiteral("%1 %2.pdf").arg(clean, when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")));
    return joinPath(joinPath(homeFolder, QStringLiteral("Prints")), file);
}
