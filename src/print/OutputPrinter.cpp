#include "OutputPrinter.h"

#include "JobRenderer.h"
#include "season/Session.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

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

namespace {

// A run of numbered documents ("Ticket back 2" .. "Ticket back 4") is named by its range
// ("Ticket backs 2 to 4"); any other run by its first document.
QString runName(const QVector<PrintJob>& jobs)
{
    const QString first = jobs.first().name();
    const QString last = jobs.last().name();
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) (\\d+)$"));
    const QRegularExpressionMatch a = numbered.match(first);
    const QRegularExpressionMatch b = numbered.match(last);
    if (jobs.size() < 2 || !a.hasMatch() || !b.hasMatch() || a.captured(1) != b.captured(1)
        || a.captured(2) == b.captured(2))
        return first;
    return QStringLiteral("%1s %2 to %3").arg(a.captured(1), a.captured(2), b.captured(2));
}

}  // namespace

QString OutputPrinter::finishRun()
{
    if (pending_.isEmpty())
        return {};
    const QVector<PrintJob> jobs = std::exchange(pending_, {});
    QString name = runName(jobs);
    if (name.trimmed().isEmpty())
        name = QStringLiteral("Printout");
    QString path = pdfPath(home_, name, QDateTime::currentDateTime());
    // Two runs within the same second get distinct files.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = pdfPath(home_, QStringLiteral("%1 (%2)").arg(name).arg(n), QDateTime::currentDateTime());
    QString error;
    if (!writePdf(jobs, path, &error)) {
        lastError_ = QStringLiteral("%1 (%2)").arg(error, QDir::toNativeSeparators(path));
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
