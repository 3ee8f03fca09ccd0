#include "dialogs/Button.h"
#include "dialogs/FlexList.h"
#include "season/Session.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The colour most pixels of the button's face show, sampled away from caption and border.
QColor faceSample(QWidget& w)
{
    const QImage image = w.grab().toImage();
    return image.pixelColor(4, image.height() / 2);
}

}  // namespace

TEST(ButtonControl, CaptionLinesAndColours)
{
    Button button;
    button.setCaption(QStringLiteral("SAVE\nALL\nCHANGES"));
    EXPECT_EQ(button.caption(), QStringLiteral("SAVE\nALL\nCHANGES"));
    EXPECT_EQ(button.text(), QStringLiteral("SAVE\nALL\nCHANGES"));

    // Three lines need about three times the height of one.
    Button single;
    single.setCaption(QStringLiteral("SAVE"));
    const int lineHeight = single.fontMetrics().height();
    EXPECT_GE(button.sizeHint().height(), single.sizeHint().height() + 2 * lineHeight);
    Button two(QStringLiteral("CHECK FOR\nUPDATE"));
    EXPECT_LT(two.sizeHint().width(), single.fontMetrics().horizontalAdvance(QStringLiteral("CHECK FOR UPDATE")));

    // An "&" is shown, not taken for a shortcut mark.
    Button ampersand(QStringLiteral("CITY & ZIP"));
    EXPECT_EQ(ampersand.caption(), QStringLiteral("CITY & ZIP"));
    EXPECT_EQ(ampersand.text(), QStringLiteral("CITY && ZIP"));

    EXPECT_EQ(colourFromBgr(255), QColor(255, 0, 0));
    EXPECT_EQ(colourFromBgr(65280), QColor(0, 255, 0));
    EXPECT_EQ(colourFromBgr(65535), QColor(255, 255, 0));
    EXPECT_EQ(colourFromBgr(16777215), QColor(255, 255, 255));
    EXPECT_EQ(colourFromBgr(0xFF0000), QColor(0, 0, 255));

    button.setFaceColour(65280);
    button.setCaptionColour(255);
    EXPECT_EQ(button.faceColour(), 65280);
    EXPECT_EQ(button.captionColour(), 255);
    button.resize(120, 70);
    EXPECT_EQ(faceSample(button), QColor(0, 255, 0));
    // The caption is drawn in red on the green face.
    const QImage face = button.grab().toImage();
    int redPixels = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QColor c = face.pixelColor(x, y);
            redPixels += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    }
    EXPECT_GT(redPixels, 20);

    // The face shows on the Fusion style as well.
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    Button yellow(QStringLiteral("OK"));
    yellow.setStyle(fusion.get());
    yellow.setFaceColour(65535);
    yellow.resize(80, 40);
    EXPECT_EQ(faceSample(yellow), QColor(255, 255, 0));
}

TEST(ButtonControl, HiddenButtonTakesNoClicksAndSavedLastsOneSecond)
{
    QWidget window;
    window.resize(300, 200);
    auto* button = new Button(QStringLiteral("SAVE\nALL\nCHANGES"), &window);
    button->setGeometry(10, 10, 120, 70);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QPushButton::clicked);
    // Clicks go through the window, as the user's do, so they reach whatever lies at the point.
    const QPoint centre = button->geometry().center();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    button->setVisible(false);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    button->setVisible(true);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 2);

    // Measured rather than slept, so a busy machine cannot make the check pass or fail by chance.
    QSignalSpy ended(button, &Button::savedCaptionEnded);
    QElapsedTimer clock;
    clock.start();
    button->showSavedForOneSecond();
    EXPECT_EQ(button->text(), QStringLiteral("SAVED"));
    EXPECT_EQ(button->caption(), QStringLiteral("SAVE\nALL\nCHANGES"));
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_GE(clock.elapsed(), 900);  // about one second (timers may run a little early)
    EXPECT_EQ(button->text(), QStringLiteral("SAVE\nALL\nCHANGES"));
    EXPECT_FALSE(button->showingSaved());
}

namespace {

struct GridFixture {
    QTableWidget grid;
    FlexList list;
    Session session;

    GridFixture()
    {
        grid.setRowCount(3);
        grid.setColumnCount(4);
        grid.resize(400, 300);
        QFont standard = grid.font();
        standard.setPointSizeF(9);
        grid.setFont(standard);
        session.FontScale = 1.152f;
        list.setFlexGrid(&grid);
    }
    QTableWidgetItem* line(int row) { return grid.item(row, 0); }
};

}  // namespace

TEST(GridList, AttachingEmptiesTheGridAndShowsAPlainList)
{
    GridFixture f;
    EXPECT_EQ(f.grid.rowCount(), 0);
    EXPECT_EQ(f.grid.columnCount(), 1);
    EXPECT_EQ(f.list.listCount(), 0);
    EXPECT_FALSE(f.grid.horizontalHeader()->isVisibleTo(&f.grid));
    EXPECT_FALSE(f.grid.verticalHeader()->isVisibleTo(&f.grid));
    EXPECT_FALSE(f.grid.showGrid());
    EXPECT_EQ(f.grid.selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(f.grid.editTriggers(), QAbstractItemView::NoEditTriggers);

    f.session.k = 5;
    f.list.flexadditem(QStringLiteral("first"), QStringLiteral("N"), f.session);
    f.list.flexadditem(QStringLiteral("second"), QStringLiteral("C"), f.session);
    EXPECT_EQ(f.session.k, 7);
    EXPECT_EQ(f.list.listCount(), 2);
    EXPECT_EQ(f.list.listIndex(), 1);
    EXPECT_EQ(f.grid.columnWidth(0), f.grid.width());
    EXPECT_FALSE(f.line(1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(f.line(1)->flags() & Qt::ItemIsSelectable);

    // Attaching again starts an empty list; k belongs to the caller.
    f.list.setFlexGrid(&f.grid);
    EXPECT_EQ(f.list.listCount(), 0);
    EXPECT_EQ(f.session.k, 7);
}

TEST(GridList, FormatLetters)
{
    GridFixture f;
    const double standard = f.grid.font().pointSizeF();
    const QColor red(255, 0, 0);
    const QColor yellow(255, 255, 0);

    f.list.flexadditem(QStringLiteral("Title"), QStringLiteral("CBR0"), f.session);
    f.list.flexadditem(QStringLiteral("Left"), QStringLiteral("RB0"), f.session);
    f.list.flexadditem(QString(), QStringLiteral("N"), f.session);
    f.list.flexadditem(QStringLiteral("Slanted"), QStringLiteral("IY"), f.session);
    f.list.flexadditem(QStringLiteral("Big"), QStringLiteral("48"), f.session);
    f.list.flexadditem(QStringLiteral("Big too"), QStringLiteral("84"), f.session);
    f.list.flexadditem(QStringLiteral("Medium"), QStringLiteral("82"), f.session);
    f.list.flexadditem(QStringLiteral("Small"), QStringLiteral("8xZ"), f.session);
    f.list.flexadditem(QStringLiteral("Plain"), QStringLiteral("QWEc b"), f.session);

    const auto size = [&](int row) { return f.line(row)->font().pointSizeF(); };
    QTableWidgetItem* title = f.line(0);
    EXPECT_EQ(title->text(), QStringLiteral("Title"));
    EXPECT_EQ(title->textAlignment(), int(Qt::AlignCenter));
    EXPECT_TRUE(title->font().bold());
    EXPECT_FALSE(title->font().italic());
    EXPECT_EQ(title->foreground().color(), red);
    EXPECT_NEAR(size(0), 10 * 1.152, 0.01);

    QTableWidgetItem* left = f.line(1);
    EXPECT_EQ(left->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_TRUE(left->font().bold());
    EXPECT_EQ(left->foreground().color(), red);
    EXPECT_NEAR(size(1), 10 * 1.152, 0.01);

    QTableWidgetItem* empty = f.line(2);
    EXPECT_EQ(empty->text(), QString());
    EXPECT_DOUBLE_EQ(size(2), standard);
    EXPECT_FALSE(empty->font().bold());
    EXPECT_EQ(empty->foreground().style(), Qt::NoBrush);
    EXPECT_EQ(empty->background().style(), Qt::NoBrush);

    EXPECT_TRUE(f.line(3)->font().italic());
    EXPECT_FALSE(f.line(3)->font().bold());
    EXPECT_EQ(f.line(3)->background().color(), yellow);
    EXPECT_EQ(f.line(3)->foreground().style(), Qt::NoBrush);

    EXPECT_NEAR(size(4), 14 * 1.152, 0.01);
    EXPECT_NEAR(size(5), 14 * 1.152, 0.01);
    EXPECT_NEAR(size(6), 12 * 1.152, 0.01);
    EXPECT_NEAR(size(7), 8 * 1.152, 0.01);

    // Lower-case and unknown letters change nothing.
    QTableWidgetItem* plain = f.line(8);
    EXPECT_DOUBLE_EQ(size(8), standard);
    EXPECT_FALSE(plain->font().bold());
    EXPECT_EQ(plain->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    EXPECT_EQ(f.session.k, 9);

    // Every row is tall enough for its font.
    for (int row = 0; row < f.list.listCount(); ++row)
        EXPECT_GE(f.grid.rowHeight(row), QFontMetrics(f.line(row)->font()).height()) << row;
    EXPECT_GT(f.grid.rowHeight(4), f.grid.rowHeight(7));
}

TEST(GridList, ReadsAsPlainLinesOnScreen)
{
    GridFixture f;
    f.grid.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    f.list.flexadditem(QStringLiteral("ERROR"), QStringLiteral("CBR4"), f.session);
    f.list.flexadditem(QStringLiteral("plain"), QStringLiteral("N"), f.session);
    f.grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.grid));
    const QImage image = f.grid.viewport()->grab().toImage();
    // The current (last) row is painted like the others: its background is the list's own.
    const int plainRowY = f.grid.rowViewportPosition(1) + f.grid.rowHeight(1) / 2;
    EXPECT_EQ(image.pixelColor(image.width() - 3, plainRowY), f.grid.palette().color(QPalette::Base));
    // The red centred title shows red pixels near the middle and none at the left edge.
    const int titleY0 = f.grid.rowViewportPosition(0);
    bool redInMiddle = false;
    bool redAtLeft = false;
    for (int y = titleY0; y < titleY0 + f.grid.rowHeight(0); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const bool reddish = c.red() > 180 && c.green() < 90 && c.blue() < 90;
            if (reddish && x < image.width() / 4)
                redAtLeft = true;
            if (reddish && x > image.width() / 3 && x < 2 * image.width() / 3)
                redInMiddle = true;
        }
    }
    EXPECT_TRUE(redInMiddle);
    EXPECT_FALSE(redAtLeft);
}
