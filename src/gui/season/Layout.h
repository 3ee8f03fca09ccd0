#pragma once

#include <QFont>
#include <QSize>

class QWidget;
class Session;

// The size of the primary screen in pixels (800 x 600 when there is no screen).
QSize primaryScreenSize();

// Scales a screen designed for 800 x 600 once, when it loads: every control's position and size
// by ScaleX and ScaleY and its font by FontScale, then the window itself. Controls inside plain
// containers (frames, group boxes) are scaled within their container; the inner parts of
// composite widgets (scroll bars, headers, viewports) follow their widget. A font given in
// pixels rather than points is left as it is.
void applyLayout(QWidget* window, const Session& session);

// The font of a screen's controls at its design size (scaled later by applyLayout).
QFont designFont(double points, bool bold = false);
