// CHECK FOR UPDATE: fetches the version file in the background, lists each step in List1 and
// what was found, and offers the download page of a newer version.
#include "main/MainScreen.h"

#include "dialogs/Button.h"
#include "season/Session.h"

#include <QDesktopServices>
#include <QUrl>

void MainScreen::cmdUpdate_Click()
{
    Clear();
    cmdSave_->hide();
    setAllOptionsOff();
    if (updateSettings_.address.isEmpty()) {
#ifdef Q_OS_WIN
        addLines(noUpdateAddressLines(InstalledFrom::SetupProgram));
#else
        addLines(noUpdateAddressLines(InstalledFrom::SystemPackages));
#endif
        return;
    }
    cmdUpdate_->setEnabled(false);  // one check at a time
    auto* check = new UpdateCheck(updateSettings_, this);
    connect(check, &UpdateCheck::step, this, [this](const QString& line) { addLines({line}); });
    connect(check, &UpdateCheck::finished, this, [this, check](const UpdateAnswer& answer) {
        check->deleteLater();
        cmdUpdate_->setEnabled(true);
        showUpdateAnswer(answer);
    });
    check->start();
}

void MainScreen::showUpdateAnswer(const UpdateAnswer& answer)
{
    const UpdateCheck::Settings& settings = updateSettings_;
    addLines({QString()});
    if (answer.failure != UpdateFailure::None) {
        addLines(updateFailureLines(answer, settings.address, settings.timeoutMs, settings.ownVersion));
        return;
    }
    bool newer = false;
    addLines(updateFoundLines(answer.latest, settings.ownVersion, &newer));
    if (!newer)
        return;
    const QString page = answer.latest.downloadPage;
    if (session_.message(MessageId::UpdateAvailable, {answer.latest.version, settings.ownVersion}) != Answer::Yes)
        return;
    const bool opened = openPage_ ? openPage_(QUrl(page)) : QDesktopServices::openUrl(QUrl(page));
    addLines({opened ? QStringLiteral("The download page is open in the web browser.")
                     : QStringLiteral("No web browser could be opened; open the download page above by hand.")});
}
