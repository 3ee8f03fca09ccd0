// The screens of this version of the program, in one place. A screen is added with one line:
//   screens.add(ScreenId::AnnualData, [](Session& s, QWidget* parent) { return new AnnualDataScreen(s, parent); });
// A ScreenId without a line here is not part of this version: its selection says so and the
// screen it would open from stays as it is.
#include "Screens.h"

#include "main/ScreenRegistry.h"

void registerScreens([[maybe_unused]] ScreenRegistry& screens)
{
}
