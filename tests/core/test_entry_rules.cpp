// What the annual data and prize structure screens take, against what `kickpool-cli check` names.
#include "TestSeason.h"

#include "annual/ValueCheck.h"
#include "prizes/PayoutEstimate.h"
#include "prizes/PrizeCategories.h"
#include "prizes/PrizeEntry.h"
#include "season/Bounds.h"

#include <set>

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
    struct Field { AnnualSelection selection; Bound bound; int Season::*stored; };
    for (const Field& f : {Field{AnnualSelection::Seed, Bound::Seed, &Season::Seed}, {AnnualSelection::Teams, Bound::TeamCount, &Season::TeamCount},
                           {AnnualSelection::Regular, Bound::RegularWeeks, &Season::RegularWeeks}, {AnnualSelection::Playoff, Bound::PlayoffWeeks, &Season::PlayoffWeeks},
                           {AnnualSelection::Unsold, Bound::UnsoldCount, &Season::UnsoldCount}, {AnnualSelection::Price, Bound::TicketPrice, &Season::TicketPrice}}) {
        const WholeRange range = allowedRange(f.bound);
        for (const int value : {range.min - 1, range.min, range.max, range.max + 1}) {
            Season s;
            s.TicketPrice = 1;
            s.*f.stored = value;
            const bool screenRefuses = checkTypedValue(f.selection, QString::number(value), Season()).fix != ValueCheck::Fix::None;
            const bool unset = f.bound == Bound::TicketPrice && value == 0;
            EXPECT_EQ(screenRefuses, checkRefuses(s) || unset) << boundRule(f.bound).name << " " << value;
        }
    }
    // Prize amounts and random winners a week (the help allows 0 to 20).
    for (const Prize prize : {Prize::RegularHigh, Prize::RegularRandom, Prize::GrandHigh, Prize::PlayoffLow}) {
        for (const int value : {-1, 0, prizeCategory(prize).maxAmount(), prizeCategory(prize).maxAmount() + 1}) {
            Season s;
            s.setPrizeAmount(prize, value);
            EXPECT_EQ(!PrizeEntry::amountTaken(prize, value), checkRefuses(s)) << int(prize) << " " << value;
        }
    }
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
        EXPECT_EQ(checkTypedValue(AnnualSelection::Regular, "17", weeks).message == MessageId::TotalWeeksTooMany, refused);
        EXPECT_EQ(checkRefuses(weeks), refused) << playoff;
    }
    weeks = Season();
    weeks.RegularWeeks = 29;
    EXPECT_FALSE(checkRefuses(weeks));
}

// More prizes than tickets sold is said under the estimate; the printed lines stay.
TEST(EntryRules, TheEstimateWarnsOfMorePrizesThanTickets)
{
    Season s = testSeason(8, 17, 0);  // 28 tickets, 16 of them sold at $10
    s.SoldCount = 16;
    s.TicketPrice = 10;
    setPrizes(s, {{Prize::RegularHigh, 1}});
    PrizeSwitches rules{PrizeSwitches::fromSeason(s).checked, TieMethod::Split, UnsoldRule::NextSold};
    EXPECT_EQ(payoutEstimate(s, rules).warnings, QStringList{"There are more prizes (17) than tickets sold (16)"});
    s.SoldCount = 28;
    EXPECT_TRUE(payoutEstimate(s, rules).warnings.isEmpty());
}

// Enter goes on to the first ticked category still without its amount, in the screen's order: the
// random winners wait while their amount is 0, an unticked category is never asked for.
TEST(EntryRules, EnterOpensTheNextTickedCategoryWithoutAnAmount)
{
    Season s;
    s.setPrizeAmount(Prize::RegularRandom, 0);
    s.setRandomWinnersPerWeek(0);
    const std::set<Prize> ticked{Prize::RegularLow, Prize::RegularRandom, Prize::GrandHigh};
    std::set<Prize> emptyBoxes{Prize::RegularHigh, Prize::GrandHigh};
    const auto next = [&] {
        return PrizeEntry::nextPending([&](Prize p) { return ticked.count(p) > 0; },
                                       [&](Prize p) { return emptyBoxes.count(p) > 0; }, s);
    };
    EXPECT_EQ(next(), Prize::RegularRandom);
    s.setPrizeAmount(Prize::RegularRandom, 25);
    EXPECT_EQ(next(), Prize::GrandHigh);
    emptyBoxes.erase(Prize::GrandHigh);
    EXPECT_EQ(next(), std::nullopt);
    EXPECT_TRUE(PrizeEntry::winnersMissing(true, s));  // $25 a winner, but how many a week?
    s.setRandomWinnersPerWeek(2);
    EXPECT_FALSE(PrizeEntry::winnersMissing(true, s) || PrizeEntry::winnersMissing(false, s));
}
