#include "dialogs/QtDialogs.h"

#include "dialogs/InputDialog.h"
#include "dialogs/MessageDialog.h"
#include "season/Session.h"

#include <QApplication>

namespace {
// A window that is hidden (the main screen while another screen is open) cannot carry a
// dialog; the active window then does.
QWidget* ownerFor(QWidget* window)
{
    if (window && window->isVisible())
        return window;
    return QApplication::activeWindow();
}
}  // namespace

int QtDialogs::showMessage(Session& session)
{
    MessageDialog dialog(session, ownerFor(window_));
    dialog.exec();
    return session.MsgResult;
}

int QtDialogs::showInput(Session& session)
{
    InputDialog dialog(session, ownerFor(window_));
    dialog.exec();
    return session.MsgResult;
}
