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

    // An item as shown: its alignment, bold, italic, text colour, background and point size.
    auto shown = [](const QTableWidgetItem* item) {
        const auto alignment = Qt::Alignment::fromInt(item->textAlignment());
        QStringList parts{alignment == Qt::AlignCenter ? "centred" : alignment == (Qt::AlignLeft | Qt::AlignVCenter) ? "left" : "?"};
        if (item->font().bold())
            parts << "bold";
        if (item->font().italic())
            parts << "italic";
        if (item->foreground().style() != Qt::NoBrush)
            parts << item->foreground().color().name();
        if (item->background().style() != Qt::NoBrush)
            parts << "on " + item->background().color().name();
        return parts << QString::number(item->font().pointSizeF(), 'f', 2);
    };
    // Lower-case and unknown letters change nothing.
    const struct { const char *text, *code, *shown; } rows[] = {
        {"Title", "CBR0", "centred bold #ff0000 11.52"}, {"Left", "RB0", "left bold #ff0000 11.52"},
        {"", "N", "left 9.00"}, {"Slanted", "IY", "left italic on #ffff00 9.00"}, {"Big", "48", "left 16.13"},
        {"Medium", "82", "left 13.82"}, {"Small", "8xZ", "left 9.22"}, {"Plain", "QWEc b", "left 9.00"},
    };
    for (const auto& r : rows)
        list.flexadditem(QLatin1String(r.text), QLatin1String(r.code), session);
    ASSERT_EQ(list.listCount(), 8);
    EXPECT_EQ(list.listIndex(), 7);
    for (int n = 0; n < 8; ++n) {
        const QTableWidgetItem* item = grid.item(n, 0);
        EXPECT_EQ(item->text(), QLatin1String(rows[n].text));
        EXPECT_EQ(shown(item).join(' '), QLatin1String(rows[n].shown)) << rows[n].code;
        EXPECT_GE(grid.rowHeight(n), QFontMetrics(item->font()).height()) << rows[n].code;  // tall enough for its font
    }
}
