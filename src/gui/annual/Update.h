#pragma once

#include "annual/EntryColumns.h"
#include "annual/ValueCheck.h"
#include "main/SecondaryScreen.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class Button;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class Session;

// The annual data screen, where a season is set up: the random seed, the regular and playoff
// calendars, the teams, the unsold ticket sequences and the ticket price; a seventh selection
// opens the prize structure screen.
//
// Each selection runs in two phases told apart by the value field Text4: chosen, the field is
// empty and the selection shows the stored value and its help lines (prompt); Enter runs it again
// with the field filled and takes over what was typed (store). A changed count is taken over by
// one Enter, the entries of the grid by the next.
//
// Controls carry their names as object names; the entry grid's fields are Text1_1..Text1_16,
// Text2_1.., Text3_1.. and their row-number boxes Col1_1.., Col2_1.., Col3_1...
class Update : public SecondaryScreen {
    Q_OBJECT
public:
    explicit Update(Session& session, QWidget* parent = nullptr);
    // The same, scaled for a screen of the given size in pixels rather than the primary screen.
    Update(Session& session, QSize screenSize, QWidget* parent = nullptr);

    // Replaces what "Prize Structure" runs (by default it opens the prize structure screen in
    // place of this one); the function says whether there was a screen to open, and without one
    // the screen says that this version has none.
    void setPrizeScreenOpener(std::function<bool()> open);

    // The option selected, or None.
    AnnualSelection selection() const;

    // Handlers of the screen's controls.
    void optSelection_Click(int index);
    void cmdRun_Click();
    void Text4_Change();
    void cmdSave_Click();
    void cmdReset_Click();
    void cmdExit_Click();

    // Empties and hides the whole edit area; ClearData the entry grid only.
    void Clear();
    void ClearData();

    // The six edit procedures.
    void Seed();
    void Regular();
    void Playoff();
    void Names();
    void Unsold();
    void Price();

    void setAllOptionsOff();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildEntryGrid();
    void runSelection(AnnualSelection selection);
    void openPrizeScreen();
    void showNote(const QString& text);

    // The parts the procedures share.
    bool storePhase() const;
    // In the store phase, takes over the count typed in the value field when it differs from
    // `count`; true when it did, and the entries typed with it are then left for the next Enter.
    bool takeOverCount(int& count);
    void prompt(int maxLength, const QString& caption, int value, const QStringList& help);
    void setEntryLength(int maxLength);
    void showEcho(const QString& caption, const QString& value);
    void hideGrid();
    // Runs f(column, row) for all 48 places of the grid, or f(column, row, entry) for the rows in
    // use, column 1 first.
    template <class F>
    void forEachPlace(F f)
    {
        for (int column = 1; column <= EntryColumns::Columns; ++column) {
            for (int row = 1; row <= EntryColumns::Rows; ++row)
                f(column, row);
        }
    }
    template <class F>
    void forEachEntry(F f)
    {
        for (int column = 1; column <= EntryColumns::Columns; ++column) {
            for (int row = 1; row <= columns_.rows[column]; ++row)
                f(column, row, columns_.entry(column, row));
        }
    }
    // Shows entries 1..count of a season list in the grid laid out by columns_; a count of 0 or
    // less empties every entry of the list and leaves the grid hidden.
    template <std::size_t N>
    void showList(std::array<QString, N>& entries, int count);
    // The weeks and week dates of the regular season or of the playoffs.
    struct CalendarTexts {
        QString caption;
        QString echo;
        QStringList help;
    };
    template <std::size_t N>
    void calendar(int& weeks, std::array<QString, N>& dates, const CalendarTexts& texts);
    // Takes over the typed sequences that differ from the stored ones; false when one was
    // refused (its field then shows the stored sequence again).
    bool takeOverSequences();
    void focusAfterEnter(QWidget* from);

    Session& session_;
    std::function<bool()> openPrizeScreen_;

    // Rows in use of the three columns of the entry grid.
    EntryColumns columns_;
    bool puttingBack_ = false;
    bool focusPlaced_ = false;  // a procedure put the focus where the user goes on

    QGroupBox* frame1_ = nullptr;
    QButtonGroup* selections_ = nullptr;
    std::array<QRadioButton*, 8> optSelection_{};
    QLabel* label1_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLabel* note_ = nullptr;
    std::array<QFrame*, 4> frame_{};  // Frame2, Frame3, Frame4 as columns 1..3
    std::array<std::array<QLabel*, EntryColumns::Rows + 1>, 4> col_{};
    std::array<std::array<QLineEdit*, EntryColumns::Rows + 1>, 4> text_{};
    QListWidget* list1_ = nullptr;
    Button* cmdSave_ = nullptr;
    Button* cmdReset_ = nullptr;
    Button* cmdExit_ = nullptr;
    QPushButton* cmdRun_ = nullptr;
};
