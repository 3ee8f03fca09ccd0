#include "season/UnsavedChanges.h"

#include "season/SafeWrite.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QFileInfo>

namespace {

// The season that loading the file would leave in memory.
Season seasonOnFile(const Session& session)
{
    Season onFile = session.season;
    QByteArray content;
    QString reason;
    SeasonFileProblem problem;
    const QString path = session.seasonPath();
    if (!QFileInfo(path).isFile() || !readWholeFile(path, content, reason) || !readSeasonFile(content, onFile, problem)) {
        onFile = Season();
        setNoFileDefaults(onFile);
    }
    return onFile;
}

}  // namespace

bool seasonChanged(const Session& session)
{
    return seasonFileBytes(session.season) != seasonFileBytes(seasonOnFile(session));
}

bool settleUnsavedChanges(Session& session)
{
    if (!seasonChanged(session))
        return true;
    switch (session.message(MessageId::ChangesNotSaved)) {
    case Answer::Yes:
        return SaveSeason(session);
    case Answer::No:
        LoadSeason(session);
        return true;
    default:
        return false;
    }
}
