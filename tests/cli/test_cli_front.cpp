#include "CliRunner.h"
#include "FrontSeason.h"
#include "PdfReadBack.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(CliFront, LinesAndPagesOfFronts)
{
    const CliHome home(false);
    home.writeSeason(seasonFileBytes(fullFrontSeason(2)));
    CliRun run = home.run({"front"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, expectedFrontText());

    // Landscape at size 2: three to a sheet, one sheet a copy.
    run = home.run({"--pdf", home.filePath("fronts.pdf"), "front", "landscape", "2"});
    EXPECT_EQ(run.status, 0);
    const QVector<PdfPage> pages = pdfWords(home.filePath("fronts.pdf"));
    ASSERT_EQ(pages.size(), 2);
    for (const PdfPage& page : pages) {
        const auto isTitle = [](const PdfWord& word) { return word.text == QStringLiteral("SCOREPOT"); };
        EXPECT_TRUE(page.width > page.height && std::count_if(page.words.begin(), page.words.end(), isTitle) == 3);
    }
    // The default: one upright front.
    EXPECT_EQ(home.run({"--pdf", home.filePath("front.pdf"), "front"}).status, 0);
    const QVector<PageSize> upright = pageSizes(home.filePath("front.pdf"));
    EXPECT_TRUE(upright.size() == 1 && upright[0].width < upright[0].height);

    EXPECT_EQ(home.run({"front", "sideways"}).status, 1);
    EXPECT_EQ(home.run({"front", "portrait", "1000"}).status, 1);
    // No copies at all is no printout: a usage error, and no file.
    EXPECT_EQ(home.run({"--pdf", home.filePath("none.pdf"), "front", "landscape", "0"}).status, 1);
    EXPECT_FALSE(QFileInfo::exists(home.filePath("none.pdf")));
}
