#include "files/FilesScreen.h"

#include "dialogs/Button.h"
#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "guide/GuideKey.h"
#include "guide/GuidePages.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/Session.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// Laid out for 800 by 600 pixels, like the main screen; the layout scales it to the screen.
constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;

}  // namespace

FilesScreen::FilesScreen(Session& session, QWidget* parent)
    : FilesScreen(session, primaryScreenSize(), parent)
{
}

FilesScreen::FilesScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    // A window of its own even when the opener is its parent.
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Files"));
    addGuideKey(this, session_, GuidePage::KeepingSeasons);
    setWindowTitle(QStringLiteral("KICKPOOL  -  DATA FILES"));
    buildControls();
    SetScale(session_, screenSize);
    applyLayout(this, session_);

    cmdSaveFile_->setCaption(QStringLiteral("SAVE\nFILE"));
    cmdRestoreFile_->setCaption(QStringLiteral("RESTORE\nFILE"));
    cmdDeleteFile_->setCaption(QStringLiteral("DELETE\nFILE"));
    cmdRenameFile_->setCaption(QStringLiteral("RENAME\nFILE"));
    refreshFileList();
    list1_->addItems(helpLines());
}

QStringList FilesScreen::helpLines()
{
    const QString examples = QStringLiteral("1) Enter new file name in the provided box. ")
                             + QStringLiteral("Do NOT give an extension (such as \".txt\"). ")
                             + QStringLiteral("Examples: 2005Hockey, BigTen2005");
    const QString selectBy = QStringLiteral("by clicking on selected file name.");
    return {QStringLiteral("SAVING THE CURRENT USE FILE "),
            examples,
            QStringLiteral("2) Click \"SAVE FILE\""),
            QString(),
            QStringLiteral("RESTORING A FILE"),
            QStringLiteral("1) IMPORTANT - Before restoring a file, be sure ")
                + QStringLiteral("to save the current use file since it will ") + QStringLiteral("be overwritten!"),
            QStringLiteral("    Kickpool.txt is always the current use file.                  "),
            QStringLiteral("2) Select the file to restore from file list, ") + selectBy,
            QStringLiteral("3) Click \"RESTORE FILE\""),
            QString(),
            QStringLiteral("DELETING A FILE"),
            QStringLiteral("1) Select file to delete from file list. ") + QStringLiteral("Click on selected file name."),
            QStringLiteral("2) Click \"DELETE FILE\""),
            QString(),
            QStringLiteral("RENAMING A FILE"),
            QStringLiteral("1) Select file to rename from file list, ") + selectBy,
            QStringLiteral("2") + examples.mid(1),
            QStringLiteral("3) Click \"RENAME FILE\"")};
}

void FilesScreen::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    label1_ = new QLabel(QStringLiteral("Enter new file name in box below"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(designFont(10, true));
    label1_->setGeometry(8, 8, 280, 22);
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setFont(designFont(11));
    text1_->setGeometry(8, 32, 280, 30);
    label1_->setBuddy(text1_);

    file1_ = new QListWidget(this);
    file1_->setObjectName(QStringLiteral("File1"));
    file1_->setFont(designFont(11));
    file1_->setGeometry(8, 72, 280, 480);
    file1_->setSelectionMode(QAbstractItemView::SingleSelection);

    cmdSaveFile_ = makeScreenButton(this, "cmdSaveFile", QString(), QStringLiteral("Save current file for future use"),
                                    {300, 8, 94, 54});
    cmdRestoreFile_ = makeScreenButton(this, "cmdRestoreFile", QString(),
                                       QStringLiteral("Restore selected past file for present use"), {400, 8, 94, 54});
    cmdDeleteFile_ =
        makeScreenButton(this, "cmdDeleteFile", QString(), QStringLiteral("Delete selected file"), {500, 8, 94, 54});
    cmdRenameFile_ = makeScreenButton(this, "cmdRenameFile", QString(), QStringLiteral("Give selected file a new name"),
                                      {600, 8, 94, 54});
    cmdExit_ = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                {700, 8, 92, 54});
    connect(cmdSaveFile_, &QPushButton::clicked, this, [this] { cmdSaveFile_Click(); });
    connect(cmdRestoreFile_, &QPushButton::clicked, this, [this] { cmdRestoreFile_Click(); });
    connect(cmdDeleteFile_, &QPushButton::clicked, this, [this] { cmdDeleteFile_Click(); });
    connect(cmdRenameFile_, &QPushButton::clicked, this, [this] { cmdRenameFile_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    // The help lines are long; they wrap at the list's width rather than run off its edge.
    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFont(designFont(11));
    list1_->setGeometry(300, 72, 492, 480);
    list1_->setWordWrap(true);
    list1_->setTextElideMode(Qt::ElideNone);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list1_->setResizeMode(QListView::Adjust);
    list1_->setSelectionMode(QAbstractItemView::NoSelection);
    list1_->setFocusPolicy(Qt::NoFocus);
}

QString FilesScreen::selectedFileName() const
{
    const QList<QListWidgetItem*> selected = file1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FilesScreen::refreshFileList()
{
    const QString selected = selectedFileName();
    file1_->clear();
    file1_->addItems(storedSeasons(session_.filesFolder()));
    const QList<QListWidgetItem*> same = file1_->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!selected.isEmpty() && !same.isEmpty())
        file1_->setCurrentItem(same.first());
}

void FilesScreen::clearSelection()
{
    file1_->clearSelection();
    file1_->setCurrentRow(-1);
}

void FilesScreen::focusNameBox()
{
    text1_->setFocus();
}

void FilesScreen::showEvent(QShowEvent* event)
{
    SecondaryScreen::showEvent(event);
    refreshFileList();
    focusNameBox();
}

void FilesScreen::cmdSaveFile_Click()
{
    const FileOutcome outcome = saveFile(session_, text1_->text());
    // A name that cannot be used, or a save that failed, stays in the box to be corrected.
    if (outcome.result == FileResult::Done || outcome.result == FileResult::Declined
        || outcome.message == MessageId::FileCannotReplaceItself)
        text1_->clear();
    refreshFileList();
    focusNameBox();
}

void FilesScreen::afterSelectedFileOperation(const FileOutcome& outcome)
{
    if (outcome.message != MessageId::FileNotSelected) {
        refreshFileList();
        if (outcome.result != FileResult::Failed)
            clearSelection();
    }
    focusNameBox();
}

void FilesScreen::cmdRestoreFile_Click()
{
    const FileOutcome outcome = restoreFile(session_, selectedFileName());
    if (outcome.result == FileResult::Done)
        text1_->clear();
    afterSelectedFileOperation(outcome);
}

void FilesScreen::cmdDeleteFile_Click()
{
    afterSelectedFileOperation(deleteFile(session_, selectedFileName()));
}

void FilesScreen::cmdRenameFile_Click()
{
    const FileOutcome outcome = renameFile(session_, selectedFileName(), text1_->text());
    if (outcome.result == FileResult::Done) {
        refreshFileList();
        clearSelection();
    }
    if (outcome.result == FileResult::Done || outcome.result == FileResult::Declined)
        text1_->clear();
    if (outcome.result == FileResult::Failed)
        refreshFileList();
    focusNameBox();
}

void FilesScreen::cmdExit_Click()
{
    close();
}
