#pragma once

#include "dialogs/FlexList.h"
#include "main/SecondaryScreen.h"

#include <QSize>

class Button;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class NoteLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class Session;

// The ticket front screen: edits the four texts of the front (title, sport, year and league,
// information line), chooses the ticket size, previews the front and prints it one to a page
// or three or four to a landscape sheet. Opened in place of the main screen; EXIT (or closing
// the window) says it is finished. Changes stay in memory until SAVE ALL CHANGES.
class Front : public SecondaryScreen {
    Q_OBJECT
public:
    // Builds the screen scaled for the primary screen and opens it on the season in memory.
    explicit Front(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels.
    Front(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // Empties the help list and the entry box, hides the box and its caption.
    void Clear();
    // The text choices: the first call shows the entry box with the text; a call with the box
    // filled stores what was typed.
    void Title();
    void Sport();
    void Year();
    void Info();
    // The help of the size box and of the three ways of printing.
    void Size();
    void Portrait();
    void Landscape();
    // Builds the preview of the front in the grid from the season in memory.
    void showFront();

    // Handlers of the screen's controls.
    void optSelection_Click(int index);
    void Combo1_Click(int index);
    void cmdRun_Click();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdReset_Click();
    void cmdExit_Click();

    // The option selected, 1..7, or 0 when none is.
    int selectedIndex() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void open(QSize screenSize);
    void editText(int text);
    void runSelection(int index);
    void selectSize(int size);
    void showHelp(const QStringList& lines);
    void tightenPreviewRows();

    Session& session_;
    FlexList flexlist_;

    QGroupBox* frame1_ = nullptr;
    QButtonGroup* selections_ = nullptr;
    QRadioButton* optSelection_[8] = {};
    QComboBox* combo1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QListWidget* list1_ = nullptr;
    NoteLabel* labelPrinted_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
    Button* cmdPrint_ = nullptr;
    Button* cmdSave_ = nullptr;
    Button* cmdReset_ = nullptr;
    Button* cmdExit_ = nullptr;
};
