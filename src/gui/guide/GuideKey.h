#pragma once

#include <QString>

class QWidget;
class Session;

// F1 anywhere on `screen` (or on a dialog, a window of its own) opens the user guide at `page`
// through the session's guide service.
void addGuideKey(QWidget* screen, Session& session, const QString& page);
