#include "files/BackupsScreen.h"

#include "dialogs/Button.h"
#include "files/BackupRestore.h"
#include "print/PrintJob.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/Session.h"

#include <QLabel>
#include <QListWidget>

BackupsScreen::BackupsScreen(Session& session, QWidget* parent) : BackupsScreen(session, primaryScreenSize(), parent) {}

BackupsScreen::BackupsScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Backups"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  RESTORE A BACKUP"));
    setFont(designFont(10));
    setGeometry(0, 0, 800, 560);
    auto* label = new QLabel(QStringLiteral("Backups, newest first. Select one and click RESTORE."), this);
    label->setGeometry(8, 20, 500, 22);
    auto* restore = makeScreenButton(this, "cmdRestore", QStringLiteral("RESTORE\nBACKUP"),
                                     QStringLiteral("Restore the selected backup over the season in use"), {600, 4, 90, 54});
    auto* exit = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                  {700, 4, 92, 54});
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(8, 66, 784, 460);
    lblNote_ = new QLabel(this);
    lblNote_->setObjectName(QStringLiteral("lblNote"));
    lblNote_->setGeometry(8, 532, 784, 22);
    connect(restore, &QPushButton::clicked, this, [this] { cmdRestore_Click(); });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    list1_->setFont(QFont(ReportFontName, 10));
    fillList();
}

void BackupsScreen::fillList()
{
    list1_->clear();
    names_.clear();
    for (const BackupEntry& entry : listBackups(session_.filesFolder())) {
        list1_->addItem(backupLine(entry));
        names_.append(entry.name);
    }
    if (names_.isEmpty())
        list1_->addItem(QStringLiteral("There are no backups yet."));
}

void BackupsScreen::cmdRestore_Click()
{
    const int row = list1_->currentRow();
    const FileOutcome outcome = restoreBackup(session_, row >= 0 ? names_.value(row) : QString());
    if (outcome.result == FileResult::Done)
        lblNote_->setText(names_.value(row) + QStringLiteral(" is now the season in use."));
    fillList();
}
