#pragma once

#include "main/SecondaryScreen.h"
#include "sales/SalesRegister.h"

#include <QSize>

class Button;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTableWidgetItem;
class Session;

// The ticket sales register: one row per ticket (grdSales) with buyer, address, phone, e-mail,
// seller, amount paid, date paid and note, edited in place and saved as each change is made; a
// search box (txtSearch) that filters as you type; the totals line (lblTotals); and the buttons
// that mark the tickets without a buyer unsold (cmdUnsold), import a spreadsheet's CSV
// (cmdImport), write the register as CSV (cmdExport) and return (cmdExit).
class SalesScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit SalesScreen(Session& session, QWidget* parent = nullptr);
    SalesScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);

    const SalesRegister& salesRegister() const { return register_; }
    // The tickets of the rows shown, top to bottom.
    QVector<int> shownTickets() const;

    void cmdUnsold_Click();
    // Reads a CSV file and shows its preview, where the columns are mapped and the rows that
    // cannot be taken are listed; the register changes only when the preview is confirmed.
    void importFile(const QString& path);
    void exportFile(const QString& path);

private:
    void buildControls();
    void fillTable();
    void fillRow(int row, int ticket);
    void applyFilter(const QString& search);
    void cellEdited(QTableWidgetItem* item);
    void showTotals();

    Session& session_;
    SalesRegister register_;
    QLineEdit* txtSearch_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* lblTotals_ = nullptr;
    QLabel* lblNote_ = nullptr;
    bool filling_ = false;
};
