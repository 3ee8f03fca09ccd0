#pragma once

#include "main/SecondaryScreen.h"
#include "scores/PastedScores.h"
#include "tickets/ScoreEntry.h"

#include <QSize>
#include <QVector>

#include <functional>

class Button;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QScrollArea;
class Session;

// A week's scores in one step: the week number (TextWeek, the next week to enter proposed), then
// every team of the season in team order with its score box (Score1..ScoreN) and bye box
// (Bye1..ByeN) in a sheet that scrolls (Sheet). PASTE RESULTS (cmdPaste) reads the clipboard,
// READ FILE (cmdReadFile) a text file, READ AGAIN (cmdReadAgain) the results box (PasteText) once
// corrected; what they were read as is listed in PasteLines before anything is stored. OK (cmdOK)
// stores the week the way "Calculate Winners" does; EXIT (cmdExit) leaves it unstored.
//
// The week's questions (a stored week, a new season, a week out of turn) are those of the score
// dialogs, asked by the same core function when the week is opened.
class ScoreSheet : public SecondaryScreen {
    Q_OBJECT
public:
    explicit ScoreSheet(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels rather than the primary screen.
    ScoreSheet(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // How READ FILE chooses its file (a file dialog unless replaced); an empty path reads nothing.
    void setFileChooser(std::function<QString(QWidget*)> chooser) { chooseFile_ = std::move(chooser); }

    // Handlers of the controls.
    void openTypedWeek();
    void cmdPaste_Click();
    void cmdReadFile_Click();
    void cmdReadAgain_Click();
    void cmdOK_Click();

signals:
    // The week's scores are known, stored or kept: its report is due on the main screen. The
    // sheet closes right after.
    void weekReady(int week, const ScoreTexts& texts);

private:
    void buildControls();
    void buildSheet();
    // Opens the week typed in TextWeek through the week's checks and questions; false when it
    // was not opened (refused, or closed to report the stored scores).
    bool openWeekOf(int week);
    // Reads `text` as the week's results into the sheet and lists what it was read as.
    void readResults(const QString& text);
    void showWeekLabel();

    Session& session_;
    std::function<QString(QWidget*)> chooseFile_;
    int openWeek_ = 0;        // the week the sheet holds, 0 while none is open
    bool correction_ = false;  // the open week's stored scores are being corrected
    PastedScores pasted_;

    QLabel* labelWeek_ = nullptr;
    QLineEdit* textWeek_ = nullptr;
    QLabel* weekInfo_ = nullptr;
    QScrollArea* sheet_ = nullptr;
    QVector<QLineEdit*> scores_;  // 1..TeamCount
    QVector<QCheckBox*> byes_;
    QPlainTextEdit* pasteText_ = nullptr;
    QListWidget* pasteLines_ = nullptr;
    Button* cmdPaste_ = nullptr;
    Button* cmdReadFile_ = nullptr;
    Button* cmdReadAgain_ = nullptr;
    Button* cmdOK_ = nullptr;
    Button* cmdExit_ = nullptr;
};
