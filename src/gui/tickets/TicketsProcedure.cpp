// "Tickets - Print Back": the ticket backs of a range of tickets.
#include "main/MainScreen.h"

void MainScreen::Tickets()
{
}
