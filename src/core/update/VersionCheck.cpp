#include "update/VersionCheck.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVector>

namespace {

// A version file is a line or two; a page much longer than that is something else.
constexpr int LongestVersionFile = 1024;

QVector<int> versionParts(QStringView version)
{
    QVector<int> parts;
    for (const QStringView part : version.split(u'.'))
        parts.append(part.toInt());
    while (parts.size() > 1 && parts.last() == 0)
        parts.removeLast();
    return parts;
}

QString seconds(int ms)
{
    return QString::number(ms / 1000.0, 'g', 3) + (ms == 1000 ? QStringLiteral(" second") : QStringLiteral(" seconds"));
}

}  // namespace

std::optional<VersionFile> readVersionFile(const QByteArray& content, const QString& address)
{
    if (content.size() > LongestVersionFile)
        return std::nullopt;
    const QString text = QString::fromUtf8(content);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = line.trimmed();
    static const QRegularExpression versionPattern(QStringLiteral("^[0-9]{1,4}(\\.[0-9]{1,4}){0,3}$"));
    if (lines.isEmpty() || !versionPattern.match(lines[0]).hasMatch())
        return std::nullopt;
    VersionFile file{lines[0], {}};
    const QUrl page(lines.value(1), QUrl::StrictMode);
    if (page.isValid() && (page.scheme() == QLatin1String("https") || page.scheme() == QLatin1String("http"))
        && !page.host().isEmpty()) {
        file.downloadPage = page.toString();
    } else {
        const QUrl site(address);
        file.downloadPage = site.resolved(QUrl(QStringLiteral("/"))).toString();
    }
    return file;
}

int compareVersions(QStringView a, QStringView b)
{
    const QVector<int> x = versionParts(a);
    const QVector<int> y = versionParts(b);
    for (qsizetype n = 0; n < std::max(x.size(), y.size()); ++n) {
        const int left = x.value(n);
        const int right = y.value(n);
        if (left != right)
            return left < right ? -1 : 1;
    }
    return 0;
}

QString updateStartLine(const QString& ownVersion)
{
    return QStringLiteral("Checking for an update to Kickpool ") + ownVersion + QStringLiteral(" ...");
}

QString updateConnectingLine(const QString& address)
{
    const QUrl url(address);
    return QStringLiteral("Connecting to ") + url.host() + QStringLiteral(" ...");
}

QString updateRequestSentLine()
{
    return QStringLiteral("Connected. Asking for the latest version ...");
}

QString updateReceivingLine()
{
    return QStringLiteral("Receiving the answer ...");
}

QStringList updateFoundLines(const VersionFile& latest, const QString& ownVersion, bool* newer)
{
    const int order = compareVersions(latest.version, ownVersion);
    *newer = order > 0;
    if (order > 0)
        return {QStringLiteral("Kickpool ") + latest.version + QStringLiteral(" is available; this copy is ")
                    + ownVersion + QStringLiteral("."),
                QString(), QStringLiteral("Download page: ") + latest.downloadPage};
    if (order == 0)
        return {QStringLiteral("This copy of Kickpool (") + ownVersion + QStringLiteral(") is the latest version."),
                QStringLiteral("No update is needed.")};
    return {QStringLiteral("This copy of Kickpool (") + ownVersion
                + QStringLiteral(") is newer than the latest version published (") + latest.version
                + QStringLiteral(")."),
            QStringLiteral("No update is needed.")};
}

QStringList updateFailureLines(const UpdateAnswer& answer, const QString& address, int timeoutMs,
                               const QString& ownVersion)
{
    QString what;
    switch (answer.failure) {
    case UpdateFailure::None:
        return {};
    case UpdateFailure::PageMissing:
        what = QStringLiteral("The update site has no version file at this address (") + answer.detail
               + QStringLiteral(").");
        break;
    case UpdateFailure::NotAVersion:
        what = QStringLiteral("The update site answered, but not with a version number.");
        break;
    case UpdateFailure::TimedOut:
        what = QStringLiteral("No answer came within ") + seconds(timeoutMs) + QStringLiteral(".");
        break;
    case UpdateFailure::Refused:
        what = QStringLiteral("The update site refused the connection.");
        break;
    case UpdateFailure::HostUnknown:
        what = QStringLiteral("The update site's name could not be found.");
        break;
    case UpdateFailure::Other:
        what = QStringLiteral("The connection failed: ") + answer.detail;
        break;
    }
    return {QStringLiteral("THE UPDATE CHECK FAILED."),
            what,
            QString(),
            QStringLiteral("Possible causes:"),
            QStringLiteral("  - this computer is not connected to the internet;"),
            QStringLiteral("  - a firewall or security program blocks Kickpool;"),
            QStringLiteral("  - the update site cannot be reached at the moment."),
            QString(),
            QStringLiteral("To check by hand:"),
            QStringLiteral("  1. Open this address in the web browser:"),
            QStringLiteral("     ") + address,
            QStringLiteral("  2. Its first line is the latest version; this copy is ") + ownVersion
                + QStringLiteral("."),
            QStringLiteral("  3. When it is newer, download the setup program from the site"),
            QStringLiteral("     and run it. Your seasons are kept.")};
}

QStringList noUpdateAddressLines(InstalledFrom from)
{
    if (from == InstalledFrom::SetupProgram)
        return {QStringLiteral("This copy of Kickpool has no update address built in."),
                QString(),
                QStringLiteral("Ask whoever gave you its setup program for the latest one;"),
                QStringLiteral("running a newer setup program keeps your seasons.")};
    return {QStringLiteral("This copy of Kickpool is updated by the system's package manager."),
            QString(),
            QStringLiteral("New versions arrive with the system's other software updates.")};
}
