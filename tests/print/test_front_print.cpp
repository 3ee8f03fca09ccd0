#include "FrontSeason.h"
#include "JobRenderer.h"
#include "PdfReadBack.h"

#include "front/FrontPrint.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

// Every ticket size one to a page, then three to a sheet (sizes 1 to 4) and four to a sheet
// (size 0), all in one PDF read back word by word. The title is as wide as a front can hold, so
// that its centred line reaches both edges of every copy.
TEST(TicketFrontPrintout, EveryWordOfEveryCopyLiesInsideThePrintableArea)
{
    Season season = fullFrontSeason();
    season.FrontText[1] = QStringLiteral("LAKESIDE HIGH SCHOOL ATHLETIC BOOSTERS CLUB");
    const QVector<FrontLine> lines = frontLines(season);
    QVector<PrintJob> jobs;
    QVector<int> copies;
    for (int size = 0; size <= 4; ++size) {
        jobs << frontSheetJob(lines, size, FrontStyle::Portrait);
        copies << 1;
    }
    for (int size = 0; size <= 4; ++size) {
        jobs << frontSheetJob(lines, size, size == 0 ? FrontStyle::FourToSheet : FrontStyle::ThreeToSheet);
        copies << (size == 0 ? 4 : 3);
    }
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
