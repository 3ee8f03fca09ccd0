// The season file's code page by the program's own table, and the version file of the update check.
#include "TestFiles.h"

#include "season/Windows1252.h"
#include "update/VersionCheck.h"

#include <gtest/gtest.h>

// Every byte against the code page as Qt's own converter read it (tests/data/windows-1252.txt,
// "byte character" in hex): each reads as that character and is written back as the same byte.
TEST(CodePage, EveryByteReadsAndWritesAsBefore)
{
    const QStringList table = dataLines(QStringLiteral("windows-1252.txt"));
    ASSERT_EQ(table.size(), 256);
    QByteArray all;
    QString expected;
    for (const QString& row : table) {
        all.append(static_cast<char>(row.left(2).toInt(nullptr, 16)));
        expected.append(QChar(static_cast<char16_t>(row.mid(3).toInt(nullptr, 16))));
    }
    EXPECT_EQ(Windows1252::decode(all), expected);
    EXPECT_EQ(Windows1252::encode(expected), all);
    EXPECT_TRUE(Windows1252::canEncode(expected));

    // Characters the code page has no place for: one '?' each, also beyond the 16-bit range.
    EXPECT_EQ(Windows1252::encode(QStringLiteral("Łódź €5 😀!")), QByteArray("?\xF3" "d? \x80" "5 ?!"));
    EXPECT_FALSE(Windows1252::canEncode(QStringLiteral("Ł")));
    EXPECT_FALSE(Windows1252::canEncode(QStringLiteral("a😀")));
    EXPECT_FALSE(Windows1252::canEncode(U'\x0100'));
    EXPECT_TRUE(Windows1252::canEncode(U'\x2122'));
}

TEST(VersionFile, ReadAndOrdered)
{
    const QString address = QStringLiteral("https://updates.kickpool.example/latest/version.txt");
    const auto full = readVersionFile("1.2.3\r\nhttps://kickpool.example/download\r\n", address);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->version, QStringLiteral("1.2.3"));
    EXPECT_EQ(full->downloadPage, QStringLiteral("https://kickpool.example/download"));
    // Without a page (or with something else on the second line) the site's front page is named.
    EXPECT_EQ(readVersionFile("2.0\n", address)->downloadPage, QStringLiteral("https://updates.kickpool.example/"));
    EXPECT_EQ(readVersionFile("2.0\nsee our site\n", address)->downloadPage,
              QStringLiteral("https://updates.kickpool.example/"));
    for (const char* garbage : {"", "<!DOCTYPE html>\n<html>1.2</html>", "version 1.2", "1.2beta", "1..2", "\x89PNG\r\n"})
        EXPECT_FALSE(readVersionFile(garbage, address).has_value()) << garbage;
    EXPECT_FALSE(readVersionFile("1.0\n" + QByteArray(2000, ' '), address).has_value());

    EXPECT_GT(compareVersions(u"1.10", u"1.9"), 0);
    EXPECT_LT(compareVersions(u"1.0", u"1.0.1"), 0);
    EXPECT_EQ(compareVersions(u"1.0", u"1.0.0"), 0);
    EXPECT_EQ(compareVersions(u"2", u"2.0"), 0);
    EXPECT_LT(compareVersions(u"0.9.9", u"1.0"), 0);

    // A Windows copy without an address does not send the treasurer to a package manager.
    EXPECT_FALSE(noUpdateAddressLines(InstalledFrom::SetupProgram).join(u' ').contains(u"package manager"));
    EXPECT_TRUE(noUpdateAddressLines(InstalledFrom::SystemPackages).join(u' ').contains(u"package manager"));
}
