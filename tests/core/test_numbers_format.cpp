#include "season/Format.h"
#include "season/Numbers.h"

#include <gtest/gtest.h>

TEST(MoneyInCents, SharesCurrencyAndConvertRoundHalvesToEven)
{
    EXPECT_EQ(shareCents(1, 8), 12);  // 12.5 cents
    EXPECT_EQ(shareCents(3, 8), 38);  // 37.5 cents
    EXPECT_EQ(divideHalfEven(-5, 2), -2);
    EXPECT_EQ(divideHalfEven(-7, -2), 4);

    EXPECT_EQ(currency(123450), "$1,234.50");
    EXPECT_EQ(currency(100000000), "$1,000,000.00");
    EXPECT_EQ(currency(5), "$0.05");
    EXPECT_EQ(currency(-123450), "($1,234.50)");
    EXPECT_EQ(currency(25000000, false), "$250,000");

    EXPECT_EQ(Convert(qint64(-5)), "-0.05");
}

TEST(FormatPatterns, PlacesLiteralsAndLongTexts)
{
    // A text longer than its places is written whole, the literals kept around it.
    EXPECT_EQ(Format("12345", "x@@@y"), "x12345y");
    EXPECT_EQ(Format("abcdef", "!@@@|"), "abcdef|");
    // "#" places show the digits and no fill.
    EXPECT_EQ(Format(qint64(42), "(###)"), "(42)");
    EXPECT_EQ(alignRight("abcdef", 3), "abcdef");
    EXPECT_EQ(blanks(-1), "");
}

TEST(FormatPatterns, NumbersInDigitPlaces)
{
    EXPECT_EQ(formatNumber(49.62, "###.#"), "49.6");
    EXPECT_EQ(formatNumber(14.588235f, "###.#"), "14.6");
    EXPECT_EQ(formatNumber(10000, "###.#"), "10000.");
    EXPECT_EQ(formatNumber(0.25, "###.#"), ".3");  // halves away from zero
    EXPECT_EQ(formatNumber(-2.25, "0.00#"), "-2.25");
    EXPECT_EQ(formatNumber(7, "1 in #0.0 odds"), "1 in 7.0 odds");
}
