#include "CliRunner.h"

#include <gtest/gtest.h>

// What the screen asks to confirm is refused without --yes; a refusal changes no file.
TEST(CliFiles, RefusalsWithoutYesThenSaveDeleteAndList)
{
    const CliHome home;
    const QByteArray demo = home.seasonBytes();
    ASSERT_TRUE(writeFile(home.filePath("Files/2005Hockey.txt"), "old"));
    const QString notChanged = "kickpool-cli: nothing was changed; give --yes to answer Yes\n";
    const std::pair<QStringList, QString> refusals[] = {
        {{"save", "2005Hockey"}, "FILE NAME EXISTS\nThe file name already exists\nOverwrite existing file?\n" + notChanged},
        {{"delete", "2005Hockey"},
         "WARNING!\nThe selected file will\nno longer be available\nDelete selected file?\n" + notChanged},
        {{"save", "../2005Hockey", "--yes"}, "FILE NAME NOT ALLOWED\nThis file name cannot be used:\n"
                                             "The character / is not allowed\nEnter another file name\n"}};
    for (const auto& [args, err] : refusals) {
        const CliRun run = home.run(QStringList{"files"} + args);
        EXPECT_TRUE(run.status == 2 && run.err == err) << run.err.toStdString();
        EXPECT_TRUE(readFile(home.filePath("Files/2005Hockey.txt")) == "old" && home.seasonBytes() == demo);
    }
    EXPECT_EQ(home.run({"files", "save", "2005Hockey", "--yes"}).status, 0);
    EXPECT_EQ(readFile(home.filePath("Files/2005Hockey.txt")), demo);
    EXPECT_EQ(home.run({"files", "delete", "Kickpool", "--yes"}).status, 0);
    const CliRun list = home.run({"files", "list"});
    EXPECT_TRUE(list.status == 0 && list.out == "2005Hockey.txt\n") << list.out.toStdString();
}
