#include "sales/Companions.h"

#include "season/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool failed(QString* reason, const QString& path, const QString& why)
{
    if (reason)
        *reason = QDir::toNativeSeparators(path) + QStringLiteral(": ") + why;
    return false;
}

}  // namespace

QStringList companionNames(const QString& seasonFileName)
{
    const QString stem = QFileInfo(seasonFileName).completeBaseName();
    return {stem + QStringLiteral(".sales.csv"), stem + QStringLiteral(".payouts.csv")};
}

QStringList companionPaths(const QString& seasonPath)
{
    const QFileInfo info(seasonPath);
    QStringList paths;
    for (const QString& name : companionNames(info.fileName()))
        paths.append(info.dir().filePath(name));
    return paths;
}

bool copyCompanions(const QString& fromSeason, const QString& toSeason, QString* reason)
{
    const QStringList from = companionPaths(fromSeason);
    const QStringList to = companionPaths(toSeason);
    for (qsizetype n = 0; n < from.size(); ++n) {
        if (QFileInfo::exists(from[n])) {
            if (!copyFileSafely(from[n], to[n], reason))
                return false;
            QFile::setPermissions(to[n], QFile::ReadOwner | QFile::WriteOwner);
        } else if (QFileInfo::exists(to[n])) {
            QFile file(to[n]);
            if (!file.remove())
                return failed(reason, to[n], file.errorString());
        }
    }
    return true;
}

bool renameCompanions(const QString& fromSeason, const QString& toSeason, QString* reason)
{
    const QStringList from = companionPaths(fromSeason);
    const QStringList to = companionPaths(toSeason);
    for (qsizetype n = 0; n < from.size(); ++n) {
        if (from[n] == to[n])
            continue;
        if (QFileInfo::exists(to[n]) && !QFile::remove(to[n]))
            return failed(reason, to[n], QStringLiteral("cannot be replaced"));
        if (QFileInfo::exists(from[n]) && !QFile::rename(from[n], to[n]))
            return failed(reason, from[n], QStringLiteral("cannot be renamed"));
    }
    return true;
}

bool removeCompanions(const QString& seasonPath, QString* reason)
{
    for (const QString& path : companionPaths(seasonPath)) {
        QFile file(path);
        if (file.exists() && !file.remove())
            return failed(reason, path, file.errorString());
    }
    return true;
}
