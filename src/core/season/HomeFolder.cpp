#include "season/HomeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#if !defined(KICKPOOL_VERSION) || !defined(KICKPOOL_SHARE_FROM_PROGRAMS)
#error "The build sets the version and the installed layout"
#endif

void setProgramIdentity()
{
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("Kickpool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KICKPOOL_VERSION));
}

QString versionLine()
{
    return QStringLiteral("Kickpool " KICKPOOL_VERSION);
}

QString installedShareFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).absoluteFilePath(QStringLiteral(KICKPOOL_SHARE_FROM_PROGRAMS)));
}

namespace {

bool isWritableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

// Copies a file the user may then change or delete, whatever the permissions of the installed one.
bool copyForUser(const QString& from, const QString& to)
{
    if (!QFile::copy(from, to))
        return false;
    return QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                         | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

// Sets up the first start of a per-user folder; returns what went wrong, or an empty text.
QString setUpFirstStart(const QDir& home, const QDir& share)
{
    QStringList failed;
    for (const char* folder : {"Files", "Sounds", "Prints"}) {
        if (!home.mkpath(QLatin1String(folder)))
            failed.append(QDir::toNativeSeparators(home.filePath(QLatin1String(folder))));
    }
    if (!failed.isEmpty())
        return QStringLiteral("could not create ") + failed.join(QStringLiteral(", "));

    struct Copy {
        const char* from;
        const char* to;
    };
    for (const Copy& copy : {Copy{"Sounds/error.wav", "Sounds/error.wav"},
                             Copy{"Sounds/Question.wav", "Sounds/Question.wav"},
                             Copy{"Demo.txt", "Files/Demo.txt"}}) {
        const QString from = share.filePath(QLatin1String(copy.from));
        const QString to = home.filePath(QLatin1String(copy.to));
        if (QFileInfo::exists(to))
            continue;
        if (!QFileInfo::exists(from) || !copyForUser(from, to))
            failed.append(QDir::toNativeSeparators(from));
    }
    if (!failed.isEmpty())
        return QStringLiteral("could not copy ") + failed.join(QStringLiteral(", "));
    return {};
}

}  // namespace

HomeFolder findHomeFolder(const QString& given, const QString& programFolder, const QString& shareFolder)
{
    HomeFolder home;
    if (!given.isEmpty()) {
        home.path = QDir(given).absolutePath();
        return home;
    }

    const QDir program(programFolder);
    if (isWritableFolder(program.absolutePath()) && isWritableFolder(program.absoluteFilePath(QStringLiteral("Files")))) {
        home.kind = HomeFolder::Kind::Portable;
        home.path = program.absolutePath();
        return home;
    }

    home.kind = HomeFolder::Kind::PerUser;
    home.path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (home.path.isEmpty()) {
        home.problem = QStringLiteral("the system names no folder for the user's data");
        return home;
    }
    const QDir dir(home.path);
    if (dir.exists(QStringLiteral("Files")))
        return home;
    home.firstStart = true;
    home.problem = setUpFirstStart(dir, QDir(shareFolder));
    return home;
}

HomeFolder findHomeFolder(const QString& given)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return findHomeFolder(given, programFolder, installedShareFolder(programFolder));
}
