#pragma once

#include <QFont>
#include <QSize>
#include <initializer_list>

class QButtonGroup;
class QKeyEvent;
class QPushButton;

class QWidget;
class Session;

// The fonts of the screens, at their design size (the layout scales them): "Arial" for the
// controls, and the fixed-pitch report font for the lists that show report lines.
QFont designFont(double points, bool bold = false);
QFont listFont(double points, bool bold = false);

// The style draws option and check box indicators at one fixed size; this makes those inside
// the given containers grow with `font` (after the layout has scaled it).
void scaleIndicators(std::initializer_list<QWidget*> containers, const QFont& font);

// Switches every option of an exclusive group off, without running their handlers.
void switchAllOff(QButtonGroup* group);
// Enter or Return: clicks a screen's default button (when it is enabled); true when it did.
bool clickOnEnter(QKeyEvent* event, QPushButton* button);

// The size of the primary screen in pixels (800 x 600 when there is no screen).
QSize primaryScreenSize();

// Scales a screen designed for 800 x 600 once, when it loads: every control's position and size
// by ScaleX and ScaleY and its font by FontScale, then the window itself. Controls inside plain
// containers (frames, group boxes) are scaled within their container; the inner parts of
// composite widgets (scroll bars, headers, viewports) follow their widget. A font given in
// pixels rather than points is left as it is.
void applyLayout(QWidget* window, const Session& session);
// The same with the factors given.
void applyLayout(QWidget* window, float scaleX, float scaleY, float fontScale);

// Keeps a top-level window with all of its frame, title bar included, on the available area of
// its screen: scales it down a little when the framed window is larger than the area, and places
// it by its frame. True once the window manager has framed the window; before that the frame is
// not known and the window is placed by its own edges.
bool fitFrameOnScreen(QWidget* window);
// Fits the window now, by its edges, and again by its frame after its first paint once the window
// manager has framed it (the frame is known only then).
void keepFrameOnScreen(QWidget* window);

// Tooltips show in the application's tooltip font, which no screen holds: scales it like the
// screens' fonts.
void scaleToolTips(const Session& session);

