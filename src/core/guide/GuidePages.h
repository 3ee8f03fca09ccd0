#pragma once

#include <QString>

// The pages of the user guide, in the order of a season. Each screen names the page that F1
// opens on it; the page files are made from doc/guide/*.md by the build.
namespace GuidePage {
inline const QString Contents = QStringLiteral("index.html");
inline const QString FirstStart = QStringLiteral("first-start.html");
inline const QString SettingUp = QStringLiteral("setting-up.html");
inline const QString Prizes = QStringLiteral("prizes.html");
inline const QString PrintingTickets = QStringLiteral("printing-tickets.html");
inline const QString SellingTickets = QStringLiteral("selling-tickets.html");
inline const QString EachWeek = QStringLiteral("each-week.html");
inline const QString SeasonEnd = QStringLiteral("end-of-season.html");
inline const QString KeepingSeasons = QStringLiteral("keeping-seasons.html");
inline const QString Trouble = QStringLiteral("when-something-goes-wrong.html");
}  // namespace GuidePage

// The place of a message on the "When something goes wrong" page: "...#message-30".
QString messageGuidePage(int messageNumber);

// Where the guide lies for a program in `programFolder`: the folder "guide" beside it (a built
// or portable copy), else the installed one, seen from the programs (on Linux /usr/bin gives
// /usr/share/doc/kickpool/guide). The installed place is given when neither holds the guide.
QString guideFolder(const QString& programFolder);
