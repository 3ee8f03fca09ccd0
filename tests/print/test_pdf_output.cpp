#include "JobRenderer.h"
#include "OutputPrinter.h"
#include "PdfReadBack.h"
#include "print/PrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kColumns =
    QStringLiteral("  17  Bears         21  Lions         42    $1,234.50   WINNER       END");

PrintJob twoPageReport()
{
    PrintJob job(QStringLiteral("Weekly report"));
    job.fontName(QStringLiteral("Courier New")).bold(true).fontSize(14);
    job.line(QStringLiteral("WEEKLY WINNERS")).line(QStringLiteral("WEEK 5   12/05/2026"));
    job.fontSize(12).line().line(kColumns);
    job.line(QStringLiteral("    3  Hawks          7  Owls          10        $5.00"));
    job.newPage().line(QStringLiteral("PAGE TWO HEADING")).line(QStringLiteral("   99  Last line of the report"));
    job.endDoc();
    return job;
}

}  // namespace

TEST(PdfOutput, TwoPageReportReadsBackLineForLine)
{
    ASSERT_EQ(kColumns.size(), 72);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    ASSERT_TRUE(writePdf({twoPageReport()}, file, &error)) << error.toStdString();

    const auto sizes = pageSizes(file);
    ASSERT_EQ(sizes.size(), 2);
    EXPECT_LT(sizes[0].width, sizes[0].height);
    EXPECT_EQ(simplifiedLines(pdfLines(file, 1)),
              (QStringList{"WEEKLY WINNERS", "WEEK 5 12/05/2026", kColumns.simplified(),
                           "3 Hawks 7 Owls 10 $5.00"}));
    EXPECT_EQ(simplifiedLines(pdfLines(file, 2)), (QStringList{"PAGE TWO HEADING", "99 Last line of the report"}));
    // The 72-character line keeps its columns.
    const QStringList page = pdfLines(file, 1);
    EXPECT_EQ(page.filter(QRegularExpression(QStringLiteral(R"(^\s*17\s+Bears\s+21\s+Lions\s+42\s+\$1,234\.50\s+WINNER\s+END$)"))).size(), 1)
        << page.join(QLatin1Char('\n')).toStdString();

    // Bold fixed-pitch text: the report font or its metric twin.
    const QString fonts = runTool(QStringLiteral("pdffonts"), {file});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(LiberationMono|CourierNew)[-,]?Bold")))) << fonts.toStdString();
}

TEST(PdfOutput, FullPagesContinueAndLandscapeJobsGiveLandscapePages)
{
    PrintJob longJob(QStringLiteral("Ticket backs"));
    longJob.fontName(QStringLiteral("Courier New")).fontSize(12);
    QStringList expected;
    for (int n = 1; n <= 120; ++n)
        longJob.line(expected.emplace_back(QStringLiteral("LINE %1").arg(n, 3, 10, QLatin1Char('0'))));
    longJob.endDoc();
    PrintJob landscape(QStringLiteral("Ticket fronts"));
    landscape.orientation(2).fontName(QStringLiteral("Courier New")).fontSize(12).line(QStringLiteral("SIDEWAYS"));
    landscape.newPage().line(QStringLiteral("SIDEWAYS AGAIN")).endDoc();
    PrintJob upright(QStringLiteral("Letter"));
    upright.fontName(QStringLiteral("Courier New")).fontSize(10).line(QStringLiteral("UPRIGHT")).endDoc();

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("mixed.pdf"));
    ASSERT_TRUE(writePdf({longJob, landscape, upright}, file));
    const auto sizes = pageSizes(file);
    ASSERT_GE(sizes.size(), 5);  // 120 lines of 12 points need more than one page
    const int n = sizes.size();
    for (int p = 0; p < n; ++p) {
        const bool sideways = p == n - 3 || p == n - 2;
        EXPECT_EQ(sizes[p].width > sizes[p].height, sideways) << "page " << p + 1;
    }
    // Every line once and in order; each job starts on a page of its own.
    EXPECT_EQ(simplifiedLines(pdfLines(file)), (expected + QStringList{"SIDEWAYS", "SIDEWAYS AGAIN", "UPRIGHT"}));
    EXPECT_EQ(simplifiedLines(pdfLines(file, n - 2)), QStringList{"SIDEWAYS"});
    EXPECT_EQ(simplifiedLines(pdfLines(file, n)), QStringList{"UPRIGHT"});
}

TEST(PdfOutput, OutputPrinterWritesOneFileForTheRunInPrints)
{
    QTemporaryDir home;
    OutputPrinter printer(home.path(), true);
    EXPECT_EQ(printer.finishRun(), QString());  // nothing printed: no file

    printer.print(twoPageReport());
    PrintJob grand(QStringLiteral("Grand prize"));
    grand.fontName(QStringLiteral("Courier New")).fontSize(12).line(QStringLiteral("GRAND PRIZE")).endDoc();
    printer.print(grand);
    const QString path = printer.finishRun();
    ASSERT_FALSE(path.isEmpty()) << printer.lastError().toStdString();
    const QFileInfo info(path);
    EXPECT_EQ(QDir::cleanPath(info.absolutePath()), QDir::cleanPath(QDir(home.path()).filePath(QStringLiteral("Prints"))));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^Weekly report \d{4}-\d\d-\d\d \d\d-\d\d-\d\d\.pdf$)")).match(info.fileName()).hasMatch())
        << info.fileName().toStdString();
    EXPECT_EQ(QDir(info.absolutePath()).entryList(QDir::Files).size(), 1);
    ASSERT_EQ(pageSizes(path).size(), 3);
    EXPECT_EQ(simplifiedLines(pdfLines(path, 3)), QStringList{"GRAND PRIZE"});

    // The next run starts empty and gets its own file.
    printer.print(grand);
    const QString next = printer.finishRun();
    EXPECT_NE(next, path);
    EXPECT_TRUE(QFileInfo(next).fileName().startsWith(QStringLiteral("Grand prize ")));
    EXPECT_EQ(pageSizes(next).size(), 1);
    EXPECT_EQ(OutputPrinter::pdfPath(QStringLiteral("/home/club"), QStringLiteral("Ticket back 1/2"),
                                     QDateTime(QDate(2026, 12, 5), QTime(15, 40, 12))),
              QDir::toNativeSeparators(QStringLiteral("/home/club/Prints/Ticket back 1 2 2026-12-05 15-40-12.pdf")));
}
