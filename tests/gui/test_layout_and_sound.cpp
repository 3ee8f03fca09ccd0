#include "dialogs/Button.h"
#include "season/Layout.h"
#include "season/Session.h"

#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

template <class W>
W* placed(QWidget* parent, QRect geometry, double points = 0)
{
    auto* w = new W(parent);
    w->setGeometry(geometry);
    if (points > 0) {
        QFont font = w->font();
        font.setPointSizeF(points);
        w->setFont(font);
    }
    return w;
}

}  // namespace

TEST(ScreenLayout, MovesResizesAndScalesFontsOnce)
{
    QWidget window;
    window.setGeometry(40, 60, 400, 300);
    QFont windowFont = window.font();
    windowFont.setPointSizeF(9);
    window.setFont(windowFont);
    auto* inherits = placed<QLabel>(&window, {10, 20, 100, 30});  // takes the window's font
    auto* pixels = placed<QLabel>(&window, {200, 100, 80, 20});
    QFont pixelFont = pixels->font();
    pixelFont.setPixelSize(15);
    pixels->setFont(pixelFont);
    auto* frame = placed<QFrame>(&window, {100, 100, 200, 100});
    auto* button = placed<Button>(frame, {10, 10, 80, 40}, 12);
    auto* grid = placed<QTableWidget>(&window, {20, 200, 300, 80});

    Session session;
    session.ScaleX = 1.28f;
    session.ScaleY = 1.5f;
    session.FontScale = 1.35f;
    applyLayout(&window, session);

    EXPECT_EQ(inherits->geometry(), QRect(13, 30, 128, 45));
    EXPECT_NEAR(inherits->font().pointSizeF(), 9 * 1.35, 0.01);
    EXPECT_EQ(pixels->font().pixelSize(), 15);
    // Inside a frame: scaled within the frame, the frame itself once.
    EXPECT_EQ(frame->geometry(), QRect(128, 150, 256, 150));
    EXPECT_EQ(button->geometry(), QRect(13, 15, 102, 60));
    EXPECT_NEAR(button->font().pointSizeF(), 12 * 1.35, 0.01);
    EXPECT_NEAR(grid->verticalScrollBar()->font().pointSizeF(), 9 * 1.35, 0.01);  // follows its grid
    EXPECT_EQ(window.geometry(), QRect(51, 90, 512, 450));
    EXPECT_NEAR(window.font().pointSizeF(), 9.0, 0.01);
}
