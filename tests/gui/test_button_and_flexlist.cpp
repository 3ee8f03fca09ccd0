#include "dialogs/Button.h"
#include "dialogs/FlexList.h"
#include "season/Session.h"

#include <QCoreApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTableWidget>

#include <gtest/gtest.h>

TEST(ButtonControl, CaptionLinesColoursAndSavedForAWhile)
{
    Button button(QStringLiteral("SAVE\nALL\nCHANGES"));
    Button single(QStringLiteral("SAVE"));
    // Three lines need about three times the height of one.
    EXPECT_GE(button.sizeHint().height(), single.sizeHint().height() + 2 * single.fontMetrics().height());
    // An "&" is shown, not taken for a shortcut mark.
    Button ampersand(QStringLiteral("CITY & ZIP"));
    EXPECT_EQ(ampersand.caption(), QStringLiteral("CITY & ZIP"));
    EXPECT_EQ(ampersand.text(), QStringLiteral("CITY && ZIP"));

    // A green face with the caption drawn in red on it.
    button.setFaceColour(65280);
    button.setCaptionColour(255);
    button.resize(120, 70);
    const QImage face = button.grab().toImage();
    EXPECT_EQ(face.pixelColor(4, face.height() / 2), QColor(0, 255, 0));
    int redPixels = 0;
    for (int at = 0; at < face.width() * face.height(); ++at) {
        const QColor c = face.pixelColor(at % face.width(), at / face.width());
        redPixels += c.red() > 200 && c.green() < 80 && c.blue() < 80;
    }
    EXPECT_GT(redPixels, 20);

    // "SAVED" outlasts the events already waiting, then the caption comes back.
    QSignalSpy ended(&button, &Button::savedCaptionEnded);
    button.showSavedForOneSecond();
    QCoreApplication::processEvents();
    EXPECT_EQ(button.text(), "SAVED");
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(button.text(), "SAVE\nALL\nCHANGES");
}

TEST(GridList, FormatLetters)
{
    QTableWidget grid(3, 4);
    grid.resize(400, 300);
    QFont standardFont = grid.font();
    standardFont.setPointSizeF(9);
    grid.setFont(standardFont);
    Session session;
    session.FontScale = 1.152f;
    FlexList list;
    list.setFlexGrid(&grid);
    EXPECT_EQ(grid.rowCount(), 0);  // attaching empties the grid

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const QColor none;
    const QColor red(255, 0, 0);
    const QColor yellow(255, 255, 0);
    struct Row {
        const char* text;
        const char* code;
        Qt::Alignment alignment;
        bool bold, italic;
        QColor foreground, background;
        double points;
    };
    // Lower-case and unknown letters change nothing.
    const Row rows[] = {
        {"Title", "CBR0", Qt::AlignCenter, true, false, red, none, 10 * 1.152},
        {"Left", "RB0", left, true, false, red, none, 10 * 1.152},
        {"", "N", left, false, false, none, none, 9},
        {"Slanted", "IY", left, false, true, none, yellow, 9},
        {"Big", "48", left, false, false, none, none, 14 * 1.152},
        {"Medium", "82", left, false, false, none, none, 12 * 1.152},
        {"Small", "8xZ", left, false, false, none, none, 8 * 1.152},
        {"Plain", "QWEc b", left, false, false, none, none, 9},
    };
    for (const Row& r : rows)
        list.flexadditem(QLatin1String(r.text), QLatin1String(r.code), session);
    ASSERT_EQ(list.listCount(), 8);
    EXPECT_EQ(list.listIndex(), 7);
    for (int n = 0; n < 8; ++n) {
        SCOPED_TRACE(rows[n].code);
        const QTableWidgetItem* item = grid.item(n, 0);
        const Row& r = rows[n];
        EXPECT_EQ(item->text(), QLatin1String(r.text));
        EXPECT_EQ(item->textAlignment(), int(r.alignment));
        EXPECT_EQ(item->font().bold(), r.bold);
        EXPECT_EQ(item->font().italic(), r.italic);
        EXPECT_EQ(item->foreground().style() == Qt::NoBrush ? none : item->foreground().color(), r.foreground);
        EXPECT_EQ(item->background().style() == Qt::NoBrush ? none : item->background().color(), r.background);
        EXPECT_NEAR(item->font().pointSizeF(), r.points, 0.01);
        EXPECT_GE(grid.rowHeight(n), QFontMetrics(item->font()).height());  // tall enough for its font
    }
}
