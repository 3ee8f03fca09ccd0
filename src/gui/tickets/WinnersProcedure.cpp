// "Calculate Winners": the weekly scores, winners and report.
#include "main/MainScreen.h"

void MainScreen::Winners()
{
}
