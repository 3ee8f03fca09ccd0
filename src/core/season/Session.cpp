#include "season/Session.h"

#include "dialogs/InputCatalogue.h"
#include "dialogs/MessageCatalogue.h"

#include <QDir>
#include <QFileInfo>

QString joinPath(const QString& folder, const QString& relative)
{
    const QString native = QDir::toNativeSeparators(relative);
    const QString sep = QDir::separator();
    if (folder.endsWith(sep) || folder.endsWith(QLatin1Char('/')))
        return folder + native;
    return folder + sep + native;
}

Session::Session(QString homeFolder, Services services)
    : home(std::move(homeFolder)), services(services)
{
}

QString Session::pathInHome(const QString& relative) const
{
    return joinPath(home, relative);
}

Answer Session::message(MessageId id, const QStringList& arguments)
{
    if (!services.dialogs)
        return Answer::Ok;
    return services.dialogs->showMessage(*this, messageEntry(id, arguments));
}

InputReply Session::input(InputId id, const QStringList& arguments)
{
    if (!services.dialogs)
        return {};
    return services.dialogs->showInput(*this, inputEntry(id, arguments));
}

void Session::playCue(const QString& path)
{
    if (services.sounds && !path.isEmpty() && QFileInfo::exists(path))
        services.sounds->play(path);
}

QDate Session::today() const
{
    return services.clock ? services.clock->today() : QDate::currentDate();
}
