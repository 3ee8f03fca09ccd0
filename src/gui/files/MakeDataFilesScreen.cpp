// The data files screen, opened by DATA FILES.
#include "main/MainScreen.h"

QWidget* MainScreen::makeDataFilesScreen()
{
    return nullptr;
}
