// The ticket front screen, opened by "Tickets - Print Front".
#include "main/MainScreen.h"

QWidget* MainScreen::makeFrontScreen()
{
    return nullptr;
}
