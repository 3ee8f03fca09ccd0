// The limits of what the annual data and prize structure screens take, against what
// `kickpool-cli check` names in a season file; and the question before typed changes are dropped.
#include "SeasonHome.h"
#include "TestSeason.h"

#include "annual/ValueCheck.h"
#include "prizes/PayoutEstimate.h"
#include "prizes/PrizeCategories.h"
#include "prizes/PrizeEntry.h"
#include "season/Bounds.h"
#include "season/SeasonFile.h"
#include "season/UnsavedChanges.h"

namespace {

// What check says of a season: a value beyond its bound, or weeks that do not fit together.
bool checkRefuses(const Season& s)
{
    return !boundProblems(s).isEmpty() || !weeksTogetherProblem(s).isEmpty();
}

}  // namespace

// Each bound's edges, typed on the screens and written in a season file. The one difference: a
// stored price of 0 stands for "not set yet", which nobody may type.
TEST(EntryRules, TheScreensAndCheckRefuseTheSameValues)
{
    const std::pair<AnnualSelection, Bound> annual[] = {
        {AnnualSelection::Seed, Bound::Seed},          {AnnualSelection::Regular, Bound::RegularWeeks},
        {AnnualSelection::Playoff, Bound::PlayoffWeeks}, {AnnualSelection::Teams, Bound::TeamCount},
        {AnnualSelection::Unsold, Bound::UnsoldCount},  {AnnualSelection::Price, Bound::TicketPrice}};
    for (const auto& [selection, bound] : annual) {
        const WholeRange range = allowedRange(bound);
        for (const int value : {range.min - 1, range.min, range.max, range.max + 1}) {
            Season s;
            s.TicketPrice = 1;
            int* stored[] = {nullptr, &s.Seed, &s.RegularWeeks, &s.PlayoffWeeks, &s.TeamCount, &s.UnsoldCount, &s.TicketPrice};
            *stored[static_cast<int>(selection)] = value;
            const bool screenRefuses = checkTypedValue(selection, QString::number(value), Season()).fix != ValueCheck::Fix::None;
            const bool unset = bound == Bound::TicketPrice && value == 0;
            EXPECT_EQ(screenRefuses, checkRefuses(s) || unset) << boundRule(bound).name << " " << value;
        }
    }
    for (const Prize prize : {Prize::RegularHigh, Prize::RegularRandom, Prize::GrandHigh, Prize::PlayoffLow}) {
        for (const int value : {-1, 0, prizeCategory(prize).maxAmount(), prizeCategory(prize).maxAmount() + 1}) {
            Season s;
            s.setPrizeAmount(prize, value);
            EXPECT_EQ(!PrizeEntry::amountTaken(prize, value), checkRefuses(s)) << int(prize) << " " << value;
        }
    }
    // The help allows 0 to 20 random winners a week.
    for (const int winners : {-1, 0, 20, 21}) {
        Season s;
        s.setRandomWinnersPerWeek(winners);
        EXPECT_EQ(!PrizeEntry::winnersTaken(winners), checkRefuses(s)) << winners;
    }
    EXPECT_TRUE(PrizeEntry::priceTaken(100) && !PrizeEntry::priceTaken(101) && !PrizeEntry::priceTaken(0));

    // Weeks together: 29 regular weeks alone, but 28 at most once there are playoffs.
    Season weeks;
    weeks.RegularWeeks = 17;
    for (const auto& [playoff, refused] : {std::pair{11, false}, {12, true}}) {
        weeks.PlayoffWeeks = playoff;
        EXPECT_EQ(checkTypedValue(AnnualSelection::Regular, "17", Season(weeks)).message == MessageId::TotalWeeksTooMany, refused);
        EXPECT_EQ(checkRefuses(weeks), refused) << playoff;
    }
    EXPECT_EQ(weeksTogetherProblem(weeks), "17 regular and 12 playoff weeks are more than the 28 weeks allowed with playoffs");
    weeks.PlayoffWeeks = 0;
    weeks.RegularWeeks = 29;
    EXPECT_FALSE(checkRefuses(weeks));
}

// Enter goes through the ticked categories in the screen's order; the random winners wait for
// their number once their amount is in.
TEST(EntryRules, PrizeEntryAsksForTheNextTickedCategory)
{
    Season s;
    QSet<Prize> ticked{Prize::GrandLow, Prize::RegularRandom, Prize::PlayoffHigh};
    QSet<Prize> filled;
    const auto next = [&] {
        return PrizeEntry::nextPending([&](Prize p) { return ticked.contains(p); },
                                       [&](Prize p) { return !filled.contains(p); }, s);
    };
    EXPECT_EQ(next(), Prize::RegularRandom);
    s.setPrizeAmount(Prize::RegularRandom, 25);
    EXPECT_TRUE(PrizeEntry::winnersMissing(true, s));
    EXPECT_EQ(next(), Prize::GrandLow);
    filled = {Prize::GrandLow, Prize::PlayoffHigh};
    EXPECT_EQ(next(), std::nullopt);
    s.setRandomWinnersPerWeek(3);
    EXPECT_FALSE(PrizeEntry::winnersMissing(true, s));
}

// A loss, or more prizes than tickets, is said under the estimate; the printed lines stay.
TEST(EntryRules, TheEstimateWarnsOfALoss)
{
    Season s = testSeason(8, 17, 0);  // 28 tickets
    s.SoldCount = 28;
    s.TicketPrice = 10;
    setPrizes(s, {{Prize::RegularHigh, 18}});
    PrizeSwitches rules = PrizeSwitches::fromSeason(s);
    rules.tieMethod = TieMethod::Split;
    rules.unsoldRule = UnsoldRule::NextSold;
    EXPECT_EQ(payoutEstimate(s, rules).warnings, QStringList{"These prizes pay out more than the tickets bring in: $26 short"});
    s.SoldCount = 16;
    s.setPrizeAmount(Prize::RegularHigh, 1);
    EXPECT_EQ(payoutEstimate(s, rules).warnings, QStringList{"There are more prizes (17) than tickets sold (16)"});
    s.SoldCount = 28;
    EXPECT_TRUE(payoutEstimate(s, rules).warnings.isEmpty());
}

// Values are compared, not edits; Yes saves, No reads the file again, Cancel keeps everything.
TEST(EntryRules, ChangesNotSavedAreSavedDroppedOrKept)
{
    SeasonHome home;
    home.writeSeasonFile(fourTeamFile());
    LoadSeason(home.session);
    Season& season = home.session.season;
    const QString name = season.TeamName[2];
    EXPECT_FALSE(seasonChanged(home.session));
    season.TeamName[2] = "Otters";
    EXPECT_TRUE(seasonChanged(home.session));
    season.TeamName[2] = name;
    EXPECT_TRUE(settleUnsavedChanges(home.session));
    EXPECT_TRUE(home.dialogs.messages.isEmpty());

    season.TeamName[2] = "Otters";
    home.dialogs.answerMessage(Answer::Cancel).answerMessage(Answer::No).answerMessage(Answer::Yes);
    EXPECT_FALSE(settleUnsavedChanges(home.session));
    EXPECT_EQ(season.TeamName[2], "Otters");
    EXPECT_TRUE(settleUnsavedChanges(home.session));
    EXPECT_EQ(season.TeamName[2], name);
    season.TeamName[2] = "Otters";
    EXPECT_TRUE(settleUnsavedChanges(home.session));
    EXPECT_TRUE(home.seasonFile().contains("\"Otters\""));
    EXPECT_EQ(home.dialogs.messages, QVector<MessageId>(3, MessageId::ChangesNotSaved));
}
