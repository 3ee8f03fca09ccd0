#include "print/PdfTarget.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The path as the file system resolves it: the nearest folder that exists, with its links
// resolved, followed by the rest of the path.
QString resolved(const QString& path)
{
    QString rest;
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath()) {
        rest = QLatin1Char('/') + info.fileName() + rest;
        info = QFileInfo(info.absolutePath());
    }
    const QString found = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    return QDir::cleanPath(found + rest);
}

bool within(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

QString pdfTargetProblem(const QString& home, const QString& path)
{
    const QFileInfo target(path);
    const QString shown = QDir::toNativeSeparators(target.absoluteFilePath());
    if (target.isSymLink())
        return QStringLiteral("%1 is a link; a PDF is written only as a new or regular file").arg(shown);
    if (target.exists() && !target.isFile())
        return QStringLiteral("%1 is not a regular file").arg(shown);
    // Resolved, so that neither a link nor ".." nor another spelling reaches the season files.
    const QString files = resolved(QDir(home).filePath(QStringLiteral("Files")));
    const QString place = resolved(target.absolutePath());
    if (within(place, files))
        return QStringLiteral("%1 is in the Files folder, which holds the season files").arg(shown);
    return {};
}
