#pragma once

#include <QPointer>
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
class QPushButton;
class QRadioButton;
class Session;

// The start-up window and hub of the program: the six selections, the printer choice, the
// prompt boxes and the list that the report selections write to, and the buttons that save,
// reset, change the letter's return address, open the data files and end the program.
//
// The report selections (Winners, Letter, Tickets, GrandPrizePreview) are procedures of this
// screen; each lives in the file of its subsystem and works on the controls through the
// accessors below.
class MainScreen : public QWidget {
    Q_OBJECT
public:
    // Builds the screen and runs its start-up: scaling, the season file, captions, the notice
    // lines and the sound cues.
    explicit MainScreen(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels rather than the primary screen.
    MainScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);
    ~MainScreen() override;

    // The screens that the main screen opens in its place.
    enum class OtherScreen { AnnualData, TicketFront, DataFiles };
    // Gives the main screen the way to make one of them; it makes it the first time it is
    // opened and keeps it. The screen shows the main screen again when it closes.
    void setScreenMaker(OtherScreen which, std::function<QWidget*()> make);

    Session& session() { return session_; }
    QListWidget* list() const { return list_; }
    QLineEdit* text(int n) const;   // Text1..Text3
    QLabel* label(int n) const;     // Label1..Label3
    bool printerTicked() const;
    // The option selected, 1..6, or 0 when none is.
    int selectedIndex() const;

    // Appends lines to List1 as they stand, trailing blanks included.
    void addLine(const QString& line);
    void addLines(const QStringList& lines);
    QStringList listLines() const;

    // Empties List1 and the three prompt boxes, hides the boxes, their labels and
    // CHANGE YOUR ADDRESS.
    void Clear();

    // The report selections.
    void Winners();
    void Letter();
    void Tickets();
    void GrandPrizePreview();

    // Handlers of the screen's controls.
    void optSelection_Click(int index);
    void cmdRun_Click();
    void ChkPrint_Click();
    void cmdSaveRestore_Click();
    void cmdHeader_Click();
    void cmdSave_Click();
    void cmdReset_Click();
    void cmdExit_Click();

    // Sets all six options off without running a selection.
    void setAllOptionsOff();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void startUp(QSize screenSize);
    // Runs what the selected option runs; `chosen` tells choosing an option from RUN AGAIN.
    void runSelection(int index, bool chosen);
    // Ends the printing of one user action and says where a PDF went, if one was written.
    void finishPrintRun();
    // Opens another screen in place of this one; with `hideMain` false this one stays visible.
    // A screen that this version does not have leaves this one as it is and says so.
    void showScreen(OtherScreen which, bool hideMain);
    // Shows a one-line note under the list (where a printout went, a screen that is missing, in
    // red a printout that failed).
    void showNote(const QString& text, const QString& tip = {}, bool failure = false);

    Session& session_;

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
    QLineEdit* text_[4] = {};
    QLabel* label_[4] = {};
    QListWidget* list_ = nullptr;
    QLabel* labelPrinted_ = nullptr;

    struct OtherScreenSlot {
        QString caption;  // how the main screen names it
        std::function<QWidget*()> make;
        QPointer<QWidget> screen;
    };
    OtherScreenSlot otherScreens_[3];
};
