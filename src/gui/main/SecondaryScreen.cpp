#include "main/SecondaryScreen.h"

#include "dialogs/Button.h"
#include "main/ScreenOpener.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QCloseEvent>

SecondaryScreen::SecondaryScreen(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

void SecondaryScreen::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit finished();
}

void SecondaryScreen::openedBy(Session& session, const ScreenRegistry& screens)
{
    session_ = &session;
    screens_ = &screens;
}

SecondaryScreen* SecondaryScreen::openInPlace(ScreenId id)
{
    if (!session_ || !screens_)
        return nullptr;
    if (!opener_)
        opener_ = new ScreenOpener(*this, *session_, *screens_);
    return opener_->open(id);
}

void SecondaryScreen::saveAllChanges(Session& session, Button* saveButton)
{
    if (session.message(MessageId::SaveAllChanges) == Answer::No)
        return;
    if (SaveSeason(session))
        saveButton->showSavedForOneSecond();
}
