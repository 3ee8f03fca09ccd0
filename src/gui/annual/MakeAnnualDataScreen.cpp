// The annual data screen, opened by "Update Annual Data".
#include "main/MainScreen.h"

QWidget* MainScreen::makeAnnualDataScreen()
{
    return nullptr;
}
