#include "CliRunner.h"

#include <gtest/gtest.h>

// What the screen asks to confirm is refused without --yes and leaves the files as they were.
TEST(CliFiles, ListSaveRestoreRenameDeleteWithTheScreensRefusals)
{
    const CliHome home;
    const QByteArray demo = home.seasonBytes();
    ASSERT_TRUE(writeFile(home.filePath("Files/2005Hockey.txt"), "old"));
    auto expectRefused = [&](const QStringList& args, const QString& err) {
        const CliRun run = home.run(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(readFile(home.filePath("Files/2005Hockey.txt")), "old");
        EXPECT_EQ(home.seasonBytes(), demo);
    };
    expectRefused({"files", "save", "Kickpool"}, "PERMISSION DENIED\nFile cannot replace itself\n");
    expectRefused({"files", "save", "../2005Hockey"},
                  "FILE NAME NOT ALLOWED\nThis file name cannot be used:\nThe character / is not allowed\nEnter another file name\n");
    expectRefused({"files", "save", "2005Hockey"},
                  "FILE NAME EXISTS\nThe file name already exists\nOverwrite existing file?\n"
                  "kickpool-cli: nothing was changed; give --yes to answer Yes\n");
    expectRefused({"files", "delete", "2005Hockey"}, "WARNING!\nThe selected file will\nno longer be available\n"
                                                    "Delete selected file?\n"
                                                    "kickpool-cli: nothing was changed; give --yes to answer Yes\n");
    expectRefused({"files", "restore", "Kickpool.txt", "--yes"}, "PERMISSION DENIED\nFile cannot replace itself\n");
    EXPECT_EQ(home.run({"files", "rename", "2005Hockey"}).status, 1);

    EXPECT_EQ(home.run({"files", "rename", "2005Hockey.txt", "Spring 2005"}).status, 0);
    EXPECT_EQ(home.run({"files", "save", "Spring 2005", "--yes"}).status, 0);
    EXPECT_EQ(readFile(home.filePath("Files/Spring 2005.txt")), demo);
    const CliRun list = home.run({"files", "list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Kickpool.txt\nSpring 2005.txt\n");

    // The renamed file was replaced by the save: its old content is in Backups.
    const QStringList backups = QDir(home.filePath("Files/Backups")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(readFile(home.filePath("Files/Backups/" + backups[0])), "old");
    EXPECT_EQ(home.run({"files", "delete", "kickpool", "--yes"}).err,
              "FILE OPERATION FAILED\nkickpool.txt was not deleted:\nkickpool.txt is not in the Files folder\n"
              "Every file is as it was.\n");
    EXPECT_EQ(home.run({"files", "delete", "Kickpool", "--yes"}).status, 0);
    EXPECT_EQ(home.run({"files", "list"}).out, "Spring 2005.txt\n");
}
