#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "sales/SalesScreen.h"

#include <QTableWidget>

namespace {

// The register screen on a 32-team season (496 tickets) with tickets 401..450 unsold and two
// buyers in the register.
class SalesScreenTest : public MainScreenHarness {
protected:
    void SetUp() override
    {
        Season season = testSeason(32, 17);
        season.TicketPrice = 5;
        setUnsold(season, {"401,450"});
        writeSeason(season);
        newSession();
        ASSERT_EQ(LoadSeason(*session), LoadOutcome::Loaded);
        SalesRegister reg;
        reg.set(12, {"Ann Lee", "", "555-0101", "", "Bob", 500, {}, ""});
        reg.set(300, {"Cy Smith", "", "555-0300", "", "Ann", 0, {}, ""});
        ASSERT_TRUE(SaveRegister(*session, reg));
        sales = std::make_unique<SalesScreen>(*session, QSize(800, 600));
        showActive(sales.get());
        grid = find<QTableWidget>("grdSales");
    }
    QWidget* window() const override { return sales.get(); }
    QTableWidgetItem* cell(int ticket, SaleField field) const
    {
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 0)->text() == QString::number(ticket))
                return grid->item(row, int(field));
        return nullptr;
    }
    // What a finished edit of a cell gives the screen.
    void type(int ticket, SaleField field, const QString& text) { cell(ticket, field)->setText(text); }
    QString totals() const { return find<QLabel>("lblTotals")->text(); }

    std::unique_ptr<SalesScreen> sales;
    QTableWidget* grid = nullptr;
};

}  // namespace

TEST_F(SalesScreenTest, SearchEditTotalsAndTicketsNotForSale)
{
    EXPECT_EQ(grid->rowCount(), 496);
    EXPECT_EQ(cell(401, SaleField::Name)->text(), "not for sale");
    EXPECT_EQ(totals(), "Tickets with a buyer: 2   Paid: 1   Collected: $5.00   Still owed: $5.00");

    QTest::keyClicks(find<QLineEdit>("txtSearch"), "sMi");
    EXPECT_EQ(sales->shownTickets(), QVector<int>{300});
    find<QLineEdit>("txtSearch")->setText("555-01");
    EXPECT_EQ(sales->shownTickets(), QVector<int>{12});
    find<QLineEdit>("txtSearch")->setText("ann");  // a buyer and a seller
    EXPECT_EQ(sales->shownTickets(), (QVector<int>{12, 300}));
    find<QLineEdit>("txtSearch")->clear();

    // A bad amount: the numbered message, the old value back, the cell asked for again.
    dialogs.answerMessage(Answer::Ok);
    type(300, SaleField::Paid, "five");
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::AmountNotValid});
    EXPECT_EQ(cell(300, SaleField::Paid)->text(), "");
    QTest::qWait(10);
    EXPECT_EQ(grid->currentItem(), cell(300, SaleField::Paid));
    type(300, SaleField::Paid, "$5");
    EXPECT_EQ(cell(300, SaleField::Paid)->text(), "5.00");
    EXPECT_EQ(totals(), "Tickets with a buyer: 2   Paid: 2   Collected: $10.00   Still owed: $0.00");

    // A buyer for a ticket not for sale is refused; the register on disk holds the new payment.
    dialogs.answerMessage(Answer::Ok);
    type(405, SaleField::Name, "Zed");
    EXPECT_EQ(dialogs.messages.last(), MessageId::TicketNotForSale);
    EXPECT_EQ(cell(405, SaleField::Name)->text(), "not for sale");
    SalesRegister saved;
    ASSERT_EQ(LoadRegister(*session, saved), RegisterLoad::Loaded);
    EXPECT_EQ(saved, sales->salesRegister());
    EXPECT_EQ(saved.sale(300).paidCents, 500);

    // Sorting by buyer keeps each row whole.
    grid->sortByColumn(int(SaleField::Name), Qt::AscendingOrder);
    EXPECT_EQ(grid->item(0, 0)->text(), "12");
    EXPECT_EQ(grid->item(1, 0)->text(), "300");
    EXPECT_EQ(grid->item(2, 1)->text(), "not for sale");
}
