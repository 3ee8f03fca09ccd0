#include "dialogs/Button.h"
#include "season/Layout.h"
#include "season/QtSoundPlayer.h"
#include "season/Session.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(ScreenLayout, MovesResizesAndScalesFontsOnce)
{
    QWidget window;
    window.setGeometry(40, 60, 400, 300);
    QFont windowFont = window.font();
    windowFont.setPointSizeF(9);
    window.setFont(windowFont);

    auto* label = new QLabel(QStringLiteral("Week"), &window);
    label->setGeometry(10, 20, 100, 30);
    QFont labelFont = label->font();
    labelFont.setPointSizeF(10);
    label->setFont(labelFont);

    auto* inherits = new QLabel(QStringLiteral("Team"), &window);  // takes the window's font
    inherits->setGeometry(0, 0, 50, 20);

    auto* pixels = new QLabel(QStringLiteral("fixed"), &window);
    QFont pixelFont = pixels->font();
    pixelFont.setPixelSize(15);
    pixels->setFont(pixelFont);
    pixels->setGeometry(200, 100, 80, 20);

    auto* frame = new QFrame(&window);
    frame->setGeometry(100, 100, 200, 100);
    auto* button = new Button(QStringLiteral("SAVE"), frame);
    button->setGeometry(10, 10, 80, 40);
    QFont buttonFont = button->font();
    buttonFont.setPointSizeF(12);
    button->setFont(buttonFont);

    auto* grid = new QTableWidget(3, 1, &window);
    grid->setGeometry(20, 200, 300, 80);

    auto* fixed = new QLabel(QStringLiteral("box"), &window);
    fixed->setFixedSize(40, 40);
    fixed->move(300, 10);

    Session session;
    session.ScaleX = 1.28f;
    session.ScaleY = 1.5f;
    session.FontScale = 1.35f;
    applyLayout(&window, session);

    EXPECT_EQ(label->geometry(), QRect(13, 30, 128, 45));
    EXPECT_NEAR(label->font().pointSizeF(), 13.5, 0.01);
    EXPECT_EQ(inherits->geometry(), QRect(0, 0, 64, 30));
    EXPECT_NEAR(inherits->font().pointSizeF(), 9 * 1.35, 0.01);
    EXPECT_EQ(pixels->geometry(), QRect(256, 150, 102, 30));
    EXPECT_EQ(pixels->font().pixelSize(), 15);
    // Inside a frame: scaled within the frame, the frame itself once.
    EXPECT_EQ(frame->geometry(), QRect(128, 150, 256, 150));
    EXPECT_EQ(button->geometry(), QRect(13, 15, 102, 60));
    EXPECT_NEAR(button->font().pointSizeF(), 12 * 1.35, 0.01);
    EXPECT_EQ(grid->geometry(), QRect(26, 300, 384, 120));
    EXPECT_NEAR(grid->font().pointSizeF(), 9 * 1.35, 0.01);
    EXPECT_NEAR(grid->verticalScrollBar()->font().pointSizeF(), 9 * 1.35, 0.01);  // follows its grid
    EXPECT_EQ(fixed->geometry(), QRect(384, 15, 51, 60));
    EXPECT_EQ(window.geometry(), QRect(51, 90, 512, 450));
    EXPECT_NEAR(window.font().pointSizeF(), 9.0, 0.01);

    // At the design size only fonts change, to nine tenths.
    QWidget design;
    design.setGeometry(0, 0, 800, 600);
    auto* text = new QLabel(QStringLiteral("x"), &design);
    text->setGeometry(100, 100, 200, 20);
    QFont textFont = text->font();
    textFont.setPointSizeF(10);
    text->setFont(textFont);
    Session atDesign;
    atDesign.ScaleX = 1;
    atDesign.ScaleY = 1;
    atDesign.FontScale = 0.9f;
    applyLayout(&design, atDesign);
    EXPECT_EQ(text->geometry(), QRect(100, 100, 200, 20));
    EXPECT_NEAR(text->font().pointSizeF(), 9.0, 0.01);
    EXPECT_EQ(design.size(), QSize(800, 600));

    EXPECT_FALSE(primaryScreenSize().isEmpty());
}

namespace {

// A short WAV of silence: 16-bit mono at 8000 Hz.
bool writeSilence(const QString& path, int milliseconds)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const quint32 samples = 8000u * milliseconds / 1000u;
    const quint32 dataBytes = samples * 2;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 n = 0; n < samples; ++n)
        out << qint16(0);
    return out.status() == QDataStream::Ok;
}

}  // namespace

TEST(CuePlayer, MissingFileIsSilentAndAPlayedCueIsReleasedWhenDone)
{
    QTemporaryDir home;
    QtSoundPlayer player;
    player.play(home.filePath(QStringLiteral("Sounds/error.wav")));
    EXPECT_EQ(player.playingCount(), 0);

    const QString cue = home.filePath(QStringLiteral("Question.wav"));
    ASSERT_TRUE(writeSilence(cue, 100));
    player.play(cue);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // Nothing to play on: nothing is kept waiting.
        EXPECT_EQ(player.playingCount(), 0);
        return;
    }
    // The call returned at once; the cue is kept until it has played, then let go.
    EXPECT_EQ(player.playingCount(), 1);
    QElapsedTimer waited;
    waited.start();
    while (player.playingCount() > 0 && waited.elapsed() < 10000)
        QTest::qWait(20);
    EXPECT_EQ(player.playingCount(), 0);
}
