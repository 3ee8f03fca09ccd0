#include "annual/EntryColumns.h"
#include "annual/TeamOrder.h"
#include "annual/TextRules.h"
#include "annual/UnsoldSequences.h"
#include "annual/ValueCheck.h"

#include "TestSeason.h"

TEST(AnnualRules, EntriesFillThreeColumnsEvenlyFromTheLeft)
{
    const EntryColumns seventeen = layOutColumns(17);
    EXPECT_EQ(seventeen.rows, (std::array<int, 4>{0, 6, 6, 5}));
    EXPECT_EQ(seventeen.entry(3, 5), 17);
    EXPECT_EQ(layOutColumns(48).rows, (std::array<int, 4>{0, 16, 16, 16}));
    EXPECT_EQ(layOutColumns(2).rows, (std::array<int, 4>{0, 1, 1, 0}));
    EXPECT_EQ(layOutColumns(-1).count(), 0);
    EXPECT_EQ(layOutColumns(60).count(), 48);
}

TEST(AnnualRules, DatesAndTeamNamesGetTheirCapitals)
{
    for (const auto& [typed, stored] : {std::pair<QString, QString>{"jan 1", "Jan  1"}, {"OCT18", "Oct 18"},
                                        {"12/5", "12/  5"}, {"dEC", "Dec"}, {"", ""}, {"Sept30", "Sept30"}}) {
        EXPECT_EQ(normaliseDate(typed), stored) << typed.toStdString();
        EXPECT_EQ(normaliseDate(stored), stored) << stored.toStdString();
    }
    EXPECT_EQ(Capitals("new york giants"), "New York Giants");
    EXPECT_EQ(Capitals("NY giants"), "NY Giants");
    EXPECT_EQ(Capitals("LA RAMS"), "LA RAMS");
    EXPECT_EQ(Capitals("los angeles RAMS"), "Los Angeles Rams");
    EXPECT_EQ(Capitals(QString::fromUtf8("kÖLN")), QString::fromUtf8("Köln"));
    // The Greek capital of the micro sign has no place in the season file.
    EXPECT_EQ(properCase(QString::fromUtf8("µm")), QString::fromUtf8("µm"));
}

TEST(AnnualRules, TeamsSortByCharacterCodeWithNewYorkAmongTheNs)
{
    std::array<QString, MaxTeams + 1> names;
    const QStringList typed{"NY Jets", "", "New England", "Miami", "ny Giants", "", "Navy", "NEW ORLEANS"};
    for (int n = 1; n <= typed.size(); ++n)
        names[n] = typed[n - 1];
    names[9] = "Zebras";  // beyond the count: left alone
    // "ny" sorts after every capital N; only then does it become "NY".
    sortTeamNames(names, int(typed.size()));
    EXPECT_EQ(QStringList(names.begin() + 1, names.begin() + 10),
              (QStringList{"Miami", "NEW ORLEANS", "Navy", "New England", "NY Jets", "NY Giants", "", "", "Zebras"}));
}

TEST(AnnualRules, UnsoldSequencesAreRefusedOutsideTheTickets)
{
    EXPECT_EQ(sequenceRefusal("401,450", 496), std::nullopt);
    EXPECT_EQ(sequenceRefusal("51,51", 496), std::nullopt);  // one ticket, as the help says to type it
    EXPECT_EQ(sequenceRefusal("450,401", 496), MessageId::LastTicketBeforeFirst);
    EXPECT_EQ(sequenceRefusal("0,5", 496), MessageId::SequenceOutOfRange);
    EXPECT_EQ(sequenceRefusal("401,497", 496), MessageId::SequenceOutOfRange);
    EXPECT_EQ(sequenceRefusal("70000,5", 496), MessageId::SequenceOutOfRange);
    EXPECT_EQ(sequenceRefusal("401 450", 496), MessageId::CommaNotFound);
}

TEST(AnnualRules, TypedValuesAreCheckedAsTheyChange)
{
    Season s;
    s.RegularWeeks = 17;
    using Fix = ValueCheck::Fix;
    auto check = [&s](AnnualSelection selection, const char* typed) { return checkTypedValue(selection, typed, s); };

    EXPECT_EQ(typedValue("5.5"), 6);
    EXPECT_EQ(check(AnnualSelection::Price, "5.5").fix, Fix::None);
    EXPECT_EQ(check(AnnualSelection::Price, "0").fix, Fix::Empty);
    EXPECT_EQ(check(AnnualSelection::Price, "101").fix, Fix::Empty);
    EXPECT_EQ(check(AnnualSelection::Seed, "-32767").fix, Fix::None);
    EXPECT_EQ(check(AnnualSelection::Seed, "-32768").fix, Fix::Empty);

    // Without playoffs 29 regular weeks are allowed; with them, 28 in all.
    EXPECT_EQ(check(AnnualSelection::Regular, "29").fix, Fix::None);
    const ValueCheck negative = check(AnnualSelection::Regular, "-1");
    EXPECT_TRUE(negative.fix == Fix::PutBackCount && !negative.message);
    EXPECT_EQ(check(AnnualSelection::Playoff, "12").message, MessageId::TotalWeeksTooMany);
    EXPECT_EQ(check(AnnualSelection::Playoff, "11").fix, Fix::None);
    EXPECT_TRUE(check(AnnualSelection::Unsold, "0").hideGrid);
    EXPECT_EQ(check(AnnualSelection::Unsold, "49").fix, Fix::Empty);
}

TEST(AnnualRules, OnlyTextsTheSeasonFileGivesBackUnchangedAreStored)
{
    EXPECT_EQ(storablePart(QString::fromUtf8("Montréal \"Ł€\t😀x")), QString::fromUtf8("Montréal €x"));

    Season s;
    s.TeamCount = 2;
    s.TeamName = {QString(), QString::fromUtf8("Köln €"), QString::fromUtf8("Montréal")};
    // The file's 8-bit code page: the euro sign is one byte, 0x80.
    const QByteArray bytes = seasonFileBytes(s);
    EXPECT_TRUE(bytes.contains("\"K\xf6ln \x80\"\r\n\"Montr\xe9" "al\"\r\n"));
    Season read;
    SeasonFileProblem problem;
    ASSERT_TRUE(readSeasonFile(bytes, read, problem));
    EXPECT_EQ(read.TeamName, s.TeamName);
    EXPECT_EQ(seasonFileBytes(read), bytes);
}
