#include "MainScreenHarness.h"

#include "main/ScreenOpener.h"
#include "main/SecondaryScreen.h"

#include <stdexcept>

namespace {

// A screen in place of the real ones, which can open another one in its place.
class StandInScreen final : public SecondaryScreen {
public:
    StandInScreen(Session&, QWidget* parent) : SecondaryScreen(parent) {}
    using SecondaryScreen::openInPlace;
};

class ScreenOpening : public MainScreenHarness {
protected:
    void SetUp() override { placeSeasonFile(); }
    QLabel* note() const { return find<QLabel>(QStringLiteral("LabelPrinted")); }
    void deleteClosedScreens() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

}  // namespace

TEST_F(ScreenOpening, AScreenTakesThePlaceOfItsOpenerUntilItIsClosed)
{
    int made = 0;
    const ScreenFactory standIn = [&made](Session& s, QWidget* parent) {
        ++made;
        return new StandInScreen(s, parent);
    };
    screens.add(ScreenId::AnnualData, standIn);
    screens.add(ScreenId::PrizeStructure, standIn);
    screens.add(ScreenId::DataFiles, standIn);
    start();

    click(option(3));
    QPointer<SecondaryScreen> annual = screen->opener().openScreen(ScreenId::AnnualData);
    ASSERT_TRUE(annual);
    EXPECT_TRUE(annual->isVisible());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(option(3)->isChecked());

    // The annual data screen opens the prize structure screen the same way.
    QPointer<SecondaryScreen> prizes = static_cast<StandInScreen*>(annual.data())->openInPlace(ScreenId::PrizeStructure);
    ASSERT_TRUE(prizes);
    EXPECT_TRUE(prizes->isVisible());
    EXPECT_FALSE(annual->isVisible());
    EXPECT_TRUE(prizes->close());
    EXPECT_TRUE(annual->isVisible());
    EXPECT_FALSE(screen->isVisible());

    // Its close box brings the main screen back; the screen is gone and opens afresh next time.
    EXPECT_TRUE(annual->close());
    EXPECT_TRUE(screen->isVisible());
    deleteClosedScreens();
    EXPECT_FALSE(annual);
    EXPECT_FALSE(prizes);
    click(button("cmdSaveRestore"));
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(made, 3);
    ASSERT_TRUE(screen->opener().openScreen(ScreenId::DataFiles)->close());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_FALSE(note()->isVisible());
}

TEST_F(ScreenOpening, AScreenThatCannotBeMadeLeavesTheMainScreenShown)
{
    screens.add(ScreenId::TicketFront, [](Session&, QWidget*) -> SecondaryScreen* { throw std::runtime_error("no"); });
    screens.add(ScreenId::DataFiles, [](Session&, QWidget*) -> SecondaryScreen* { return nullptr; });
    start();
    // The annual data screen is not registered at all.
    const std::pair<QAbstractButton*, QString> tries[] = {
        {option(3), QStringLiteral("Update Annual Data")},
        {option(4), QStringLiteral("Tickets - Print Front")},
        {button("cmdSaveRestore"), QStringLiteral("DATA FILES")},
    };
    for (const auto& [control, name] : tries) {
        click(control);
        EXPECT_TRUE(screen->isVisible()) << name.toStdString();
        EXPECT_EQ(note()->text(), name + QStringLiteral(" is not part of this version of Kickpool."));
        EXPECT_TRUE(note()->isVisible());
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
}
