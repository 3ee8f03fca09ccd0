#include "MainScreenHarness.h"

#include "dialogs/MessageDialog.h"
#include "guide/QtGuideOpener.h"
#include "Screens.h"

#include <QAction>
#include <QTextBrowser>

namespace {

using GuideKeys = MainScreenHarness;

}  // namespace

// F1 opens the guide at the page of the screen it is pressed on; Help opens its contents.
TEST_F(GuideKeys, F1OpensThePageOfTheScreenInFront)
{
    registerScreens(screens);
    placeSeasonFile();
    start();
    QTest::keyClick(screen.get(), Qt::Key_F1);
    screen->findChild<QAction*>(QStringLiteral("actionGuide"))->trigger();
    click(option(3));
    QWidget* annual = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        annual = w->isVisible() && w->inherits("Update") ? w : annual;
    ASSERT_TRUE(annual);
    showActive(annual);
    QTest::keyClick(annual->findChild<QWidget*>(QStringLiteral("Text1")), Qt::Key_F1);
    EXPECT_EQ(guide.pages, (QStringList{"index.html", "index.html", "setting-up.html"}));

    // On a message, F1 opens the entry that says what to do about it.
    MessageDialog damaged(*session, messageEntry(MessageId::DamagedFile, {"Kickpool.txt", "47", "a team name"}));
    showActive(&damaged);
    QTest::keyClick(&damaged, Qt::Key_F1);
    EXPECT_EQ(guide.pages.last(), QStringLiteral("when-something-goes-wrong.html#message-30"));
}

// The guide opens in the web browser; without one in a viewer of the program's own; a guide
// that is not there is told with its folder.
TEST_F(GuideKeys, TheGuideOpensInTheBrowserOrInTheProgramsOwnViewer)
{
    newSession();
    ASSERT_TRUE(writeFile(home.filePath(QStringLiteral("guide/setting-up.html")),
                          "<html><head><title>Setting up a season</title></head><body><h1>Setting up</h1>"
                          "<h2 id=\"teams\">Teams</h2></body></html>"));
    QList<QUrl> asked;
    bool browserOpens = true;
    QtGuideOpener opener(home.filePath(QStringLiteral("guide")), session.get(), [&](const QUrl& url) {
        asked.append(url);
        return browserOpens;
    });
    opener.open(QStringLiteral("setting-up.html#teams"));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].toLocalFile(), home.filePath(QStringLiteral("guide/setting-up.html")));
    EXPECT_EQ(asked[0].fragment(), QStringLiteral("teams"));
    EXPECT_EQ(opener.viewer(), nullptr);

    browserOpens = false;
    opener.open(QStringLiteral("setting-up.html#teams"));
    ASSERT_NE(opener.viewer(), nullptr);
    EXPECT_TRUE(opener.viewer()->isVisible());
    EXPECT_EQ(opener.viewer()->windowTitle(), QStringLiteral("Kickpool User Guide - Setting up a season"));
    EXPECT_TRUE(opener.viewer()->toPlainText().contains(QStringLiteral("Teams")));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    opener.open(QStringLiteral("prizes.html"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::GuideNotFound});
    EXPECT_TRUE(dialogs.messageTexts[0].contains(QDir::toNativeSeparators(home.filePath(QStringLiteral("guide")))));
    EXPECT_EQ(asked.size(), 2);
}
