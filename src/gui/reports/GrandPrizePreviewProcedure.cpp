// "Grand Prize": the standings of all tickets by value.
#include "main/MainScreen.h"

void MainScreen::GrandPrizePreview()
{
}
