// What the treasurer is told about a printout on the main screen: a failure is said where it
// happened and only there, and a PDF written in place of the printer is named after what it holds.
#include "MainScreenHarness.h"
#include "OutputPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

class MainScreenRules : public MainScreenHarness {
protected:
    QLabel* note() const { return find<QLabel>(QStringLiteral("LabelPrinted")); }

    void tickPrinter() const { QTest::mouseClick(chkPrint(), Qt::LeftButton, {}, QPoint(5, 5)); }
};

}  // namespace

TEST_F(MainScreenRules, APrintoutThatFailsIsSaidInRedAndNotBlamedOnTheNextTicketBack)
{
    TroublePrinter trouble;
    placeSeasonFile();
    start(&trouble);
    tickPrinter();

    // The printer refuses the letter: the screen says so in red instead of keeping quiet.
    trouble.failNextJob = true;
    dialogs.answerInput(QStringLiteral("1"));
    click(option(2));
    ASSERT_EQ(trouble.jobs.size(), 1);
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(note()->text(), QStringLiteral("Printing failed: Paper jam"));
    EXPECT_TRUE(shownRed(note()));

    // The ticket back that follows prints well: no failure on Label3, no note.
    click(option(5));
    typeTicketRange({"7", "7", "0"});
    ASSERT_EQ(trouble.jobs.size(), 2);
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));
    EXPECT_FALSE(shownRed(label(3)));
    EXPECT_FALSE(note()->isVisible());

    // A run that cannot be written at its end is said the same way.
    trouble.failRun = true;
    click(option(6));
    EXPECT_EQ(trouble.jobs.size(), 3);
    EXPECT_TRUE(note()->isVisible());
    EXPECT_EQ(note()->text(), QStringLiteral("Printing failed: The output could not be opened."));
    EXPECT_TRUE(shownRed(note()));

    // RUN AGAIN prints it well: nothing in red is left.
    click(button("cmdRun"));
    EXPECT_EQ(trouble.jobs.size(), 4);
    EXPECT_FALSE(note()->isVisible());
}

TEST_F(MainScreenRules, APdfOfTicketBacksIsNamedByItsRange)
{
    OutputPrinter toPdf(home.path(), true);
    placeSeasonFile();
    start(&toPdf);
    tickPrinter();
    const QString prints = QDir(home.filePath(QStringLiteral("Prints"))).absolutePath();
    const auto savedAs = [&](const QString& name) {
        const QRegularExpression expected(
            QStringLiteral("^No printer found; the printout was saved as (")
            + QRegularExpression::escape(prints + QLatin1Char('/') + name)
            + QStringLiteral(" \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf)$"));
        const QRegularExpressionMatch match = expected.match(note()->text());
        EXPECT_TRUE(match.hasMatch()) << note()->text().toStdString();
        EXPECT_TRUE(QFileInfo(match.captured(1)).isFile()) << match.captured(1).toStdString();
        EXPECT_FALSE(shownRed(note()));
    };

    click(option(5));
    typeTicketRange({"2", "4", "0"});
    savedAs(QStringLiteral("Ticket backs 2 to 4"));

    // One ticket back keeps its own name; copies of one letter keep the letter's.
    pressEnter();
    typeTicketRange({"9", "9", "0"});
    savedAs(QStringLiteral("Ticket back 9"));
    dialogs.answerInput(QStringLiteral("2"));
    click(option(2));
    savedAs(QStringLiteral("Letter to winners"));
}
