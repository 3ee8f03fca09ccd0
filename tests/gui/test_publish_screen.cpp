#include "MainScreenHarness.h"

#include "Screens.h"
#include "web/PublishedResults.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

namespace {

class PublishScreenTest : public MainScreenHarness {
protected:
    QWidget* window() const override
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->objectName() == QLatin1String("Publish"))
                return w;
        }
        return screen.get();
    }
    QStringList clipboardLines() const
    {
        return QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

}  // namespace

// Publish > Results Web Page: a week that is not scored is refused with message 67 and asked for
// again, the folder kept; then the pages of week 2 go into the folder and the list says so.
// COPY E-MAIL TEXT puts the week's winners on the clipboard, and in the list.
TEST_F(PublishScreenTest, WritesThePagesOfTheWeekAskedFor)
{
    registerScreens(screens);
    placeSeasonFile();
    start();
    screen->findChild<QAction*>(QStringLiteral("actionWebPage"))->trigger();
    ASSERT_EQ(window()->objectName(), QStringLiteral("Publish"));
    showActive(window());  // as the window manager activates a new window
    EXPECT_TRUE(find<QCheckBox>(QStringLiteral("ChkNames"))->isEnabled());  // a season without a register yet
    EXPECT_EQ(box(1)->text(), QDir::toNativeSeparators(home.filePath(QStringLiteral("Web"))));
    EXPECT_EQ(shownLines(), mailTextLines(publishedSeason(*session)));  // the latest week, 9

    const QString folder = home.filePath(QStringLiteral("Club site"));
    box(1)->setText(folder);
    box(2)->setText(QStringLiteral("12"));
    click(button("cmdWrite"));
    ASSERT_EQ(dialogs.messages, QVector<MessageId>{MessageId::PublishWeekAgain});
    EXPECT_EQ(dialogs.messageTexts[0][2], QStringLiteral("Publish a scored week: 1 to 9"));
    EXPECT_EQ(QApplication::focusWidget(), box(2));
    EXPECT_EQ(box(2)->selectedText(), QStringLiteral("12"));
    EXPECT_EQ(box(1)->text(), folder);
    EXPECT_FALSE(QDir(folder).exists());

    QTest::keyClicks(box(2), QStringLiteral("2"));
    click(button("cmdWrite"));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(readFile(folder + QStringLiteral("/index.html")).contains("<caption>Winners of week 2</caption>"));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/week-03.html")));
    ASSERT_GE(shownLines().size(), 3);
    EXPECT_EQ(shownLines().first(), QStringLiteral("Results page written to ") + QDir::toNativeSeparators(folder) + ":");
    EXPECT_EQ(shownLines()[1], QStringLiteral("  index.html"));

    click(button("cmdMail"));
    EXPECT_EQ(dialogs.messages.last(), MessageId::MailTextCopied);
    const QStringList week2 = mailTextLines(publishedSeason(*session, 2));
    EXPECT_TRUE(week2.contains(QStringLiteral("Winners of week 2, ending Sep 20:")));
    EXPECT_EQ(shownLines(), week2);
    EXPECT_EQ(clipboardLines(), QStringList(week2).filter(QRegularExpression(QStringLiteral("."))));

    button("cmdExit")->click();
    EXPECT_EQ(window(), screen.get());
    EXPECT_TRUE(screen->isVisible());
}

// Publish > Copy as E-mail Text on the main screen: the latest week's winners in the list and on
// the clipboard; with no week scored, message 66 and the list as it was.
TEST_F(PublishScreenTest, CopyAsMailTextFromTheMenu)
{
    registerScreens(screens);
    placeSeasonFile();
    start();
    screen->findChild<QAction*>(QStringLiteral("actionMailText"))->trigger();
    const QStringList latest = mailTextLines(publishedSeason(*session));
    EXPECT_TRUE(latest.contains(QStringLiteral("Winners of week 9, ending Nov  8:")));
    EXPECT_EQ(shownLines(), latest);
    EXPECT_EQ(clipboardLines(), QStringList(latest).filter(QRegularExpression(QStringLiteral("."))));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::MailTextCopied});

    session->season.ScoredWeeks = 0;
    QGuiApplication::clipboard()->clear();
    screen->findChild<QAction*>(QStringLiteral("actionMailText"))->trigger();
    EXPECT_EQ(dialogs.messages.last(), MessageId::NoWeekToPublish);
    EXPECT_EQ(shownLines(), latest);
    EXPECT_TRUE(clipboardLines().isEmpty());
}
