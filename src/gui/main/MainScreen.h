#pragma once

#include "main/ScreenRegistry.h"
#include "main/SelectionHost.h"
#include "update/UpdateCheck.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class Button;
class QButtonGroup;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QUrl;
class ScreenOpener;
class SecondaryScreen;
class Session;

// The start-up window and hub of the program: the six selections, the printer choice, the
// prompt boxes and the list that the report selections write to, and the buttons that save,
// reset, change the letter's return address, open the data files and end the program.
//
// The report selections (Winners, Letter, Tickets, GrandPrizePreview) live in the files of their
// subsystems and reach the screen only through SelectionHost. The other screens open in place of
// this one through its ScreenOpener, made from `screens`.
class MainScreen : public QWidget, public SelectionHost {
    Q_OBJECT
public:
    // Builds the screen and runs its start-up: scaling, the season file, captions, the notice
    // lines and the sound cues.
    MainScreen(Session& session, const ScreenRegistry& screens, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels rather than the primary screen.
    MainScreen(Session& session, const ScreenRegistry& screens, QSize screenSize, QWidget* parent = nullptr);
    ~MainScreen() override;

    ScreenOpener& opener() { return *opener_; }

    // SelectionHost
    Session& session() override { return session_; }
    bool printerTicked() const override;
    void addLines(const QStringList& lines) override;
    void clearList() override;
    QString promptText(int n) const override;
    void askPrompt(int n, const QString& caption) override;
    void emptyPrompt(int n) override;
    void focusPrompt(int n) override;
    void hidePrompt(int n) override;
    void showPromptFailure(int n, const QString& text) override;
    void runAgain() override { cmdRun_Click(); }
    void Clear() override;
    void showAddressButton() override;

    // The option selected, 1..6, or 0 when none is.
    int selectedIndex() const;

    // Handlers of the screen's controls.
    void optSelection_Click(int index);
    void cmdRun_Click();
    void ChkPrint_Click();
    void cmdSaveRestore_Click();
    void cmdHeader_Click();
    void cmdSave_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void cmdUpdate_Click();

    // Where CHECK FOR UPDATE looks and how long it waits (the built-in address and 10 seconds
    // unless changed), and how it opens the download page (the web browser unless changed).
    void setUpdateSettings(const UpdateCheck::Settings& settings) { updateSettings_ = settings; }
    void setPageOpener(std::function<bool(const QUrl&)> opener) { openPage_ = std::move(opener); }

    // Sets all six options off without running a selection.
    void setAllOptionsOff();

    // Menu bar: Season → Open Home Folder, Help → About Kickpool.
    void openHomeFolder();
    void showAbout();
    // Opens a screen of the menu bar in place of this one, as the selections do; the screen, or
    // null when this version has none.
    SecondaryScreen* openFromMenu(ScreenId which, const QString& caption);
    // Runs a report procedure on this screen's work area, as a selection runs: the area cleared
    // first, and where a printout went (or why it failed) said afterwards.
    void runOnList(const std::function<void(SelectionHost&)>& procedure);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // The menu bar above the controls, from the menu entries of `screens`; the controls move
    // down by its height.
    void buildMenuBar(const ScreenRegistry& screens);
    void startUp(QSize screenSize);
    // Runs what the selected option runs; `chosen` tells choosing an option from RUN AGAIN.
    void runSelection(int index, bool chosen);
    // Ends the printing of one user action and says where a PDF went, if one was written.
    void finishPrintRun();
    // Opens another screen in place of this one; with `hideMain` false this one stays visible.
    // A screen that this version does not have leaves this one as it is and says so.
    SecondaryScreen* showScreen(ScreenId which, const QString& caption, bool hideMain);
    // Shows a one-line note under the list (where a printout went, a screen that is missing, in
    // red a printout that failed).
    void showNote(const QString& text, const QString& tip = {}, bool failure = false);
    // Lists what the update check found and offers the download page of a newer version.
    void showUpdateAnswer(const UpdateAnswer& answer);

    Session& session_;
    ScreenOpener* opener_ = nullptr;

    QGroupBox* frame2_ = nullptr;
    QButtonGroup* selections_ = nullptr;
    QRadioButton* optSelection_[7] = {};
    QGroupBox* frame3_ = nullptr;
    QCheckBox* chkPrint_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
    Button* cmdSave_ = nullptr;
    Button* cmdSaveRestore_ = nullptr;
    Button* cmdHeader_ = nullptr;
    Button* cmdReset_ = nullptr;
    Button* cmdExit_ = nullptr;
    Button* cmdUpdate_ = nullptr;
    UpdateCheck::Settings updateSettings_ = UpdateCheck::builtIn();
    std::function<bool(const QUrl&)> openPage_;
    QLineEdit* text_[4] = {};
    QLabel* label_[4] = {};
    QListWidget* list_ = nullptr;
    QLabel* labelPrinted_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
};
