#include "FrontSeason.h"

#include "MainScreenHarness.h"
#include "OutputPrinter.h"

#include "front/Front.h"
#include "front/FrontPrint.h"
#include "front/FrontScreenTexts.h"

#include <QComboBox>
#include <QTableWidget>

// The ticket front screen opened directly on a season file of its own, scaled for 800 x 600.
class FrontScreen : public MainScreenHarness {
protected:
    void open(int storedSize, Printer* otherPrinter = nullptr)
    {
        writeSeason(fullFrontSeason(storedSize));
        newSession(otherPrinter);
        LoadSeason(*session);
        reopen();
    }
    void reopen()
    {
        front = std::make_unique<Front>(*session, QSize(800, 600));
        showActive(front.get());
    }
    QWidget* window() const override { return front.get(); }
    QComboBox* sizes() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QStringList previewTexts() const
    {
        const QTableWidget* preview = find<QTableWidget>(QStringLiteral("MSFlexGrid1"));
        QStringList texts;
        for (int row = 0; row < preview->rowCount(); ++row)
            texts << preview->item(row, 0)->text();
        return texts;
    }
    // Replaces the entry box's text by typing, then presses Enter.
    void retype(const QString& text) const
    {
        ASSERT_EQ(QApplication::focusWidget(), box(1));
        QTest::keyClick(box(1), Qt::Key_A, Qt::ControlModifier);
        typeAndEnter(text);
    }

    std::unique_ptr<Front> front;
};

TEST_F(FrontScreen, SizeChoiceOffersTheSheetThatSuitsItAndResetOrReopeningBringsBackTheStoredSize)
{
    open(0);
    EXPECT_EQ(box(3)->text(), QStringLiteral("496"));
    EXPECT_EQ(sizes()->currentText(), QStringLiteral("TICKET SIZE - Heigth 5.75\", Width 2.75\" (4 per page)"));
    EXPECT_EQ(shownLines(), ticketSizeHelp());
    EXPECT_TRUE(option(7)->isVisible() && !option(6)->isVisible());

    sizes()->setFocus();
    QTest::keyClick(sizes(), Qt::Key_Down);
    EXPECT_EQ(session->season.TicketSize, 1);
    EXPECT_TRUE(option(6)->isVisible() && !option(7)->isVisible());

    click(option(6));
    click(button("cmdReset"));
    EXPECT_EQ(sizes()->currentIndex(), 0);
    EXPECT_EQ(session->season.TicketSize, 0);
    EXPECT_TRUE(option(7)->isVisible() && !option(6)->isChecked());

    // A size chosen but not saved is gone when the screen is left and opened again.
    sizes()->setFocus();
    QTest::keyClick(sizes(), Qt::Key_Down);
    click(button("cmdExit"));
    reopen();
    EXPECT_EQ(sizes()->currentIndex(), 0);
    EXPECT_EQ(session->season.TicketSize, 0);
}

TEST_F(FrontScreen, TypedTextsShowInThePreviewAtOnceAndReachTheFileOnlyWithSaveAllChanges)
{
    open(2);
    const QByteArray stored = readFile(seasonPath());
    EXPECT_EQ(previewTexts(), frontTexts(frontLines(session->season)));

    click(option(1));
    EXPECT_EQ(label(1)->text(), QStringLiteral("TITLE OF YOUR ORGANIZATION"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("Lakeside Boosters"));
    EXPECT_EQ(shownLines(), frontTextHelp(1));
    retype(QStringLiteral("RIVERSIDE CLUB"));
    EXPECT_EQ(previewTexts().first(), QStringLiteral("RIVERSIDE CLUB") + blanks(12));
    EXPECT_EQ(readFile(seasonPath()), stored);

    // A single blank typed as the information line removes it.
    click(option(4));
    retype(QStringLiteral(" "));
    EXPECT_EQ(previewTexts()[28], blanks(17));
    EXPECT_EQ(session->season.FrontText[4], QString());
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_TRUE(shownLines().isEmpty());

    dialogs.answerMessage(Answer::Yes);
    click(button("cmdSave"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::SaveAllChanges});
    EXPECT_EQ(button("cmdSave")->text(), "SAVED");
    EXPECT_EQ(saved().season.FrontText[1], "RIVERSIDE CLUB");
    EXPECT_EQ(saved().season.FrontText[4], "");
}

TEST_F(FrontScreen, PrintAsksHowManySheetsAndPrintsEachAsItsOwnJob)
{
    open(2);
    dialogs.answerMessage(Answer::Ok);
    click(button("cmdPrint"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::PrinterChoiceNotMade});

    click(option(6));
    EXPECT_EQ(shownLines(), landscapeHelp(false));
    dialogs.answerInput(QStringLiteral("1000")).answerInput(QStringLiteral("5"));
    click(button("cmdPrint"));
    ASSERT_EQ(dialogs.inputs, (QVector<InputId>{InputId::TicketFrontCount, InputId::TicketFrontCount}));
    EXPECT_EQ(dialogs.inputTexts[0].last(), QStringLiteral(" NUMBER OF TICKETS TO PRINT"));
    ASSERT_EQ(printer.jobs.size(), 5);
    const QVector<FrontLine> lines = frontLines(session->season);
    for (const PrintJob& job : printer.jobs)
        EXPECT_EQ(job, frontSheetJob(lines, 2, FrontStyle::ThreeToSheet));

    dialogs.answerInput(QStringLiteral("3"), Answer::Cancel);
    click(button("cmdPrint"));
    EXPECT_EQ(printer.jobs.size(), 5);
    EXPECT_EQ(dialogs.unscripted, 0);
}

// The preview shows every line whole and placed as the printout places it, at every ticket size;
// a long title shrinks the whole preview rather than cutting the line. A PDF's note is whole.
TEST_F(FrontScreen, PreviewLinesAreWholeAsPrintedAndLeavingWithChangesAsks)
{
    OutputPrinter toPdf(home.path(), true);
    for (const int size : {0, 4}) {
        front.reset();  // before its session goes
        open(size, &toPdf);
        session->season.FrontText[1] = QStringLiteral("WESTSIDE YOUTH FOOTBALL BOOSTER");  // 31 characters
        front->cmdRun_Click();
        const QTableWidget* preview = find<QTableWidget>(QStringLiteral("MSFlexGrid1"));
        // Each printed line with its centring, as the preview shows it.
        QVector<std::pair<QString, bool>> printed, shown;
        const PrintJob job = frontSheetJob(frontLines(session->season), size, FrontStyle::Portrait);
        for (const PrintOp& op : job.ops())
            if (op.kind == PrintOp::Kind::Text)
                printed.append({op.text, op.value != 0});
        for (int row = 0; row < preview->rowCount(); ++row) {
            const QTableWidgetItem* item = preview->item(row, 0);
            if (!item->text().isEmpty())
                shown.append({item->text(), item->textAlignment() == Qt::AlignCenter});
            EXPECT_LE(QFontMetrics(item->font()).horizontalAdvance(item->text()), preview->columnWidth(0)) << row;
        }
        EXPECT_EQ(shown, printed) << size;
    }
    dialogs.answerInput("1");
    click(option(5));
    click(button("cmdPrint"));
    const QLabel* note = find<QLabel>("LabelPrinted");
    EXPECT_TRUE(note->isVisible() && note->text().endsWith(".pdf") && front->rect().contains(note->geometry()));
    EXPECT_GE(note->height(), note->fontMetrics().boundingRect(QRect(0, 0, note->width() - 4, 999), Qt::TextWrapAnywhere, note->text()).height());
    dialogs.answerMessage(Answer::Cancel).answerMessage(Answer::No);
    click(button("cmdExit"));
    EXPECT_TRUE(front->isVisible());
    click(button("cmdExit"));
    EXPECT_TRUE(!front->isVisible() && dialogs.messages == QVector<MessageId>(2, MessageId::ChangesNotSaved));
    EXPECT_EQ(session->season.FrontText[1], "Lakeside Boosters");
}
