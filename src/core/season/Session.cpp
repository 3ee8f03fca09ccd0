#include "season/Session.h"

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

int Session::message(int id)
{
    MsgId = id;
    if (services.dialogs)
        return services.dialogs->showMessage(*this);
    MsgResult = 1;
    return MsgResult;
}

int Session::message(MessageId id, const QStringList& arguments)
{
    MsgDetail = arguments;
    return message(static_cast<int>(id));
}

int Session::input(int id)
{
    MsgId = id;
    if (services.dialogs)
        return services.dialogs->showInput(*this);
    MsgResult = 2;
    return MsgResult;
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
