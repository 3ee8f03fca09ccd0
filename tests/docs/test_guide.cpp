// The user guide as built beside the programs: every message has its entry, every link and
// picture of every page leads somewhere, and the guide is found where the program looks.
#include "TestFiles.h"

#include "dialogs/MessageCatalogue.h"
#include "guide/GuidePages.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QString Guide = QStringLiteral(KICKPOOL_BIN "/guide");

QString page(const QString& name) { return QString::fromUtf8(readFile(Guide + QLatin1Char('/') + name)); }

QStringList captures(const QString& text, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression(pattern).globalMatch(text))
        found.append(m.captured(1));
    return found;
}

}  // namespace

TEST(UserGuide, EveryMessageHasItsEntryOnTheTroublePage)
{
    const QString trouble = page(GuidePage::Trouble);
    ASSERT_FALSE(trouble.isEmpty()) << "no guide in " << Guide.toStdString();
    int messages = 0;
    for (int number = 1; number < 1000; ++number) {
        const MessageEntry entry = messageEntry(static_cast<MessageId>(number));
        if (entry.title.isEmpty())
            continue;
        ++messages;
        const QString heading = QStringLiteral("<h3 id=\"message-%1\">%1 %2</h3>").arg(number).arg(entry.title.toHtmlEscaped());
        EXPECT_TRUE(trouble.contains(heading)) << "no entry for message " << number << " " << entry.title.toStdString();
    }
    EXPECT_EQ(captures(trouble, QStringLiteral("<h3 id=\"message-(\\d+)\"")).size(), messages);
}

TEST(UserGuide, EveryLinkAndPictureLeadsToAFileAndPlaceThatExist)
{
    const QStringList pages = QDir(Guide).entryList({QStringLiteral("*.html")}, QDir::Files);
    EXPECT_EQ(pages.size(), 10);
    QSet<QString> pictures;
    for (const QString& name : pages) {
        const QString text = page(name);
        for (const QString& target : captures(text, QStringLiteral("(?:href|src)=\"([^\"]*)\""))) {
            const QUrl url(target);
            EXPECT_TRUE(url.isRelative() && !target.startsWith(QLatin1Char('/')))
                << name.toStdString() << " needs the internet or another folder: " << target.toStdString();
            const QString file = url.path().isEmpty() ? name : url.path();
            EXPECT_TRUE(QFileInfo::exists(Guide + QLatin1Char('/') + file)) << name.toStdString() << " -> " << target.toStdString();
            if (url.hasFragment())
                EXPECT_TRUE(page(file).contains(QStringLiteral("id=\"%1\"").arg(url.fragment())))
                    << name.toStdString() << " -> " << target.toStdString();
            if (file.startsWith(QLatin1String("pictures/")))
                pictures.insert(file);
        }
    }
    // Every picture the build makes is shown on a page, and none is an empty file.
    const QStringList made = QDir(Guide + QStringLiteral("/pictures")).entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_EQ(pictures.size(), made.size());
    for (const QString& picture : made)
        EXPECT_GT(QFileInfo(Guide + QStringLiteral("/pictures/") + picture).size(), 2000) << picture.toStdString();

    // The program finds the guide beside itself, and else where the package installs it.
    EXPECT_EQ(guideFolder(QStringLiteral(KICKPOOL_BIN)), QDir::cleanPath(Guide));
    EXPECT_EQ(guideFolder(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/doc/kickpool/guide"));
}
