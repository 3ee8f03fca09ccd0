#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// What the update check makes of the version file it fetched, and the lines the main screen's
// list shows for each outcome. The fetching itself is the screen's (it needs the network).

// The version file: the latest version on its first line ("1.2" or "1.2.3"), the address of the
// download page on its second (optional; without it the update site's front page is named).
struct VersionFile {
    QString version;
    QString downloadPage;
};

// The version file read from what the server sent, or nothing when that is not a version file.
std::optional<VersionFile> readVersionFile(const QByteArray& content, const QString& address);

// Orders two versions part by part as numbers ("1.10" after "1.9", "1.0" the same as "1.0.0"):
// negative when `a` is older than `b`, 0 when the same, positive when newer.
int compareVersions(QStringView a, QStringView b);

// How a check ended.
enum class UpdateFailure {
    None,         // a version file arrived
    PageMissing,  // the server answered with an error status (404 ...)
    NotAVersion,  // the server answered with something else than a version file
    TimedOut,     // no complete answer within the time-out
    Refused,      // nothing listens at the address
    HostUnknown,  // the host name could not be looked up
    Other,        // any other network error
};

struct UpdateAnswer {
    UpdateFailure failure = UpdateFailure::None;
    VersionFile latest;  // when failure is None
    QString detail;      // the status or the network's own words, for PageMissing and Other
};

// The steps of the connection, one list line each.
QString updateStartLine(const QString& ownVersion);
QString updateConnectingLine(const QString& address);
QString updateRequestSentLine();
QString updateReceivingLine();

// What the check found: the latest version against this copy's (`newer` tells whether to offer
// the download page).
QStringList updateFoundLines(const VersionFile& latest, const QString& ownVersion, bool* newer);
// Why the check failed, the likely causes and how to check by hand.
QStringList updateFailureLines(const UpdateAnswer& answer, const QString& address, int timeoutMs,
                               const QString& ownVersion);
// A copy built without an update address: one from the system's packages is updated with the
// system, one from a setup program by running a newer setup program.
enum class InstalledFrom { SystemPackages, SetupProgram };
QStringList noUpdateAddressLines(InstalledFrom from);
