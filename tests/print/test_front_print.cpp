#include "FrontSeason.h"
#include "JobRenderer.h"
#include "PdfReadBack.h"

#include "front/FrontPrint.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

// Every size one to a page, then three (sizes 1 to 4) or four (size 0) to a sheet, read back word
// by word; the title is as wide as a front holds, so that it reaches both edges of every copy.
TEST(TicketFrontPrintout, EveryWordOfEveryCopyLiesInsideThePrintableArea)
{
    Season season = fullFrontSeason();
    season.FrontText[1] = QStringLiteral("LAKESIDE HIGH SCHOOL ATHLETIC BOOSTERS CLUB");
    const QVector<FrontLine> lines = frontLines(season);
    QVector<PrintJob> jobs;
    const int copies[] = {1, 1, 1, 1, 1, 4, 3, 3, 3, 3};
    for (int size = 0; size <= 4; ++size)
        jobs << frontSheetJob(lines, size, FrontStyle::Portrait);
    for (int size = 0; size <= 4; ++size)
        jobs << frontSheetJob(lines, size, size == 0 ? FrontStyle::FourToSheet : FrontStyle::ThreeToSheet);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fronts.pdf"));
    ASSERT_TRUE(writePdf(jobs, file));

    QStringList frontWords = printedTexts(lines).join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::sort(frontWords.begin(), frontWords.end());
    const QVector<PdfPage> pages = pdfWords(file);
    ASSERT_EQ(pages.size(), jobs.size());
    for (int p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        EXPECT_EQ(page.width > page.height, copies[p] > 1) << "page " << p + 1;
        QStringList words;
        for (const PdfWord& word : page.words) {
            words << word.text;
            EXPECT_TRUE(word.xMin >= PrintMarginPoints && word.xMax <= page.width - PrintMarginPoints
                        && word.yMin >= PrintMarginPoints && word.yMax <= page.height - PrintMarginPoints)
                << "page " << p + 1 << ": " << word.text.toStdString() << " at " << word.xMin << ".." << word.xMax;
        }
        std::sort(words.begin(), words.end());
        QStringList expected;
        for (const QString& word : frontWords)
            expected << QStringList(copies[p], word);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(words, expected) << "page " << p + 1;
    }
}
