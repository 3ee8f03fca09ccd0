// CHECK FOR UPDATE against a small HTTP server on 127.0.0.1: what the list shows for a newer, the
// same and an older version, a missing page, garbage, a server slower than the time-out and a
// refused connection, and the offer to open the download page.
#include "MainScreenHarness.h"

#include "dialogs/Button.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace {

// Answers every request with one canned response, or never when `silent`.
class VersionServer final : public QObject {
public:
    VersionServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request += socket->readAll();
                    if (request.contains("\r\n\r\n") && !silent) {
                        socket->write(response);
                        socket->disconnectFromHost();
                    }
                });
            }
        });
    }
    void answer(const QByteArray& status, const QByteArray& body)
    {
        response = "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                   + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/version.txt").arg(server.serverPort()); }

    QTcpServer server;
    QByteArray request;
    QByteArray response;
    bool silent = false;
};

class UpdateCheckTest : public MainScreenHarness {
protected:
    // Clicks CHECK FOR UPDATE with `address` and waits until the button can be clicked again.
    void check(const QString& address, int timeoutMs = 10000)
    {
        screen->setUpdateSettings({address, timeoutMs, QStringLiteral("1.4")});
        screen->setPageOpener([this](const QUrl& page) {
            opened.append(page.toString());
            return true;
        });
        QPushButton* update = button("cmdUpdate");
        click(update);
        EXPECT_TRUE(QTest::qWaitFor([update] { return update->isEnabled(); }, 5000));
    }
    // The expected lines of tests/data/update/NAME.txt, with the server's address put in.
    QStringList expected(const char* name, const QString& address) const
    {
        return dataLines(QStringLiteral("update/%1.txt").arg(QLatin1String(name)))
            .replaceInStrings(QStringLiteral("{ADDRESS}"), address);
    }

    VersionServer server;
    QStringList opened;
};

}  // namespace

TEST_F(UpdateCheckTest, VersionsFoundAndTheDownloadPageOffered)
{
    placeSeasonFile();
    start();
    auto* update = find<Button>(QStringLiteral("cmdUpdate"));
    EXPECT_EQ(update->caption(), QStringLiteral("CHECK FOR\nUPDATE"));
    EXPECT_EQ(update->toolTip(), QStringLiteral(" Check for update to software "));

    // A newer version: the page is offered; No leaves the browser closed, Yes opens it.
    server.answer("200 OK", "1.5\nhttps://kickpool.example/download\n");
    option(1)->setChecked(true);
    dialogs.answerMessage(Answer::No).answerMessage(Answer::Yes);
    check(server.address());
    EXPECT_FALSE(option(1)->isChecked());
    EXPECT_TRUE(server.request.startsWith("GET /version.txt HTTP/1.1\r\n"));
    QStringList newer = expected("newer", server.address());
    EXPECT_EQ(shownLines(), newer.mid(0, newer.size() - 1));
    EXPECT_TRUE(opened.isEmpty());
    check(server.address());
    EXPECT_EQ(shownLines(), newer);
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://kickpool.example/download")});
    ASSERT_EQ(dialogs.messages, QVector<MessageId>(2, MessageId::UpdateAvailable));
    EXPECT_EQ(dialogs.messageTexts[0], QStringList({QStringLiteral("UPDATE AVAILABLE"), QString(),
                                                    QStringLiteral("Kickpool 1.5 is available."),
                                                    QStringLiteral("This copy is 1.4."), QString(),
                                                    QStringLiteral("Open the download page in the web browser?")}));

    // The same and an older version: nothing is offered.
    server.answer("200 OK", "1.4.0");
    check(server.address());
    EXPECT_EQ(shownLines(), expected("same", server.address()));
    server.answer("200 OK", "1.3.9\r\n");
    check(server.address());
    EXPECT_EQ(shownLines(), expected("older", server.address()));
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(opened.size(), 1);
}

TEST_F(UpdateCheckTest, FailuresListTheCausesAndTheStepsByHand)
{
    placeSeasonFile();
    start();
    server.answer("404 Not Found", "no such page");
    check(server.address());
    EXPECT_EQ(shownLines(), expected("missing-page", server.address()));

    server.answer("200 OK", "<html><body>Welcome</body></html>");
    check(server.address());
    EXPECT_EQ(shownLines(), expected("garbage", server.address()));

    server.silent = true;
    check(server.address(), 300);
    EXPECT_EQ(shownLines(), expected("slow", server.address()));

    // Nothing listens on a port that was just given back.
    QString closedAddress;
    {
        VersionServer gone;
        closedAddress = gone.address();
    }
    check(closedAddress);
    EXPECT_EQ(shownLines(), expected("refused", closedAddress));
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A copy built without an address is updated with the system.
    check(QString());
    EXPECT_EQ(shownLines(), expected("by-system", QString()));
    EXPECT_TRUE(opened.isEmpty());
}
