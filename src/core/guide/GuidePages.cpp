#include "guide/GuidePages.h"

#include <QDir>
#include <QFileInfo>

QString messageGuidePage(int messageNumber)
{
    return GuidePage::Trouble + QStringLiteral("#message-") + QString::number(messageNumber);
}

QString guideFolder(const QString& programFolder)
{
    const QDir programs(programFolder);
    const QString beside = QDir::cleanPath(programs.absoluteFilePath(QStringLiteral("guide")));
    if (QFileInfo::exists(beside + QLatin1Char('/') + GuidePage::Contents))
        return beside;
    return QDir::cleanPath(programs.absoluteFilePath(QStringLiteral(KICKPOOL_GUIDE_FROM_PROGRAMS)));
}
