#include "JobRenderer.h"
#include "PdfReadBack.h"
#include "print/PrintJob.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

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
