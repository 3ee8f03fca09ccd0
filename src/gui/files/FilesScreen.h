#pragma once

#include "main/SecondaryScreen.h"

#include <QSize>
#include <QString>
#include <QStringList>

class Button;
class QLabel;
class QLineEdit;
class QListWidget;
class QShowEvent;
class Session;
struct FileOutcome;

// The data files screen: the season files of the Files folder (File1), a box for a new file name
// (Text1), SAVE FILE, RESTORE FILE, DELETE FILE, RENAME FILE and EXIT, and the help lines
// (List1). A file is selected by clicking its name. The operations themselves live in the core.
class FilesScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit FilesScreen(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels rather than the primary screen.
    FilesScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // The help lines of List1, in order.
    static QStringList helpLines();

    // The name of the file selected in File1, with extension; empty when none is.
    QString selectedFileName() const;

    // Handlers of the buttons.
    void cmdSaveFile_Click();
    void cmdRestoreFile_Click();
    void cmdDeleteFile_Click();
    void cmdRenameFile_Click();
    void cmdExit_Click();

protected:
    // The files may have changed while the screen was hidden: the list is read again.
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    // Lists the folder again; the selection stays on its file while that file is there.
    void refreshFileList();
    void clearSelection();
    // After RESTORE and DELETE: unless no file was selected, the list is read again and the
    // selection cleared (kept when the operation failed).
    void afterSelectedFileOperation(const FileOutcome& outcome);
    // Every operation ends with the focus in the name box.
    void focusNameBox();

    Session& session_;
    QListWidget* file1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    Button* cmdSaveFile_ = nullptr;
    Button* cmdRestoreFile_ = nullptr;
    Button* cmdDeleteFile_ = nullptr;
    Button* cmdRenameFile_ = nullptr;
    Button* cmdExit_ = nullptr;
    QListWidget* list1_ = nullptr;
};
