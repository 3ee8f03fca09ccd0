#pragma once

#include <QSize>

class Session;

// The layout factors for a screen of the given size in pixels: screens are designed for
// 800 x 600, and fonts come out at nine tenths of the height factor.
void SetScale(Session& session, QSize screenPixels);
