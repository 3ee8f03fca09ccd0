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

Answer QtDialogs::showMessage(Session& session, const MessageEntry& entry)
{
    MessageDialog dialog(session, entry, ownerFor(window_));
    dialog.exec();
    return dialog.answer();
}

InputReply QtDialogs::showInput(Session& session, const InputEntry& entry)
{
    InputDialog dialog(session, entry, ownerFor(window_));
    dialog.exec();
    return {dialog.answer(), dialog.text()};
}
