#pragma once

#include "sales/SalesRegister.h"

#include <QDialog>
#include <QVector>

class QComboBox;
class QListWidget;
class QTableWidget;
class Session;

// The preview of a spreadsheet's CSV before its rows go into the register: the first rows
// (tblPreview), one choice per column of the field it fills (cboColumn1, cboColumn2, ...), the
// rows that cannot be taken with their row number and why (lstRefused), and cmdTake, which asks
// once more (message 59) before the dialog is accepted. Changing a column's field lists again.
class ImportPreview : public QDialog {
    Q_OBJECT
public:
    ImportPreview(Session& session, const QString& path, QWidget* parent = nullptr);

    // False when the file could not be read as CSV (the message was shown).
    bool ready() const { return ready_; }
    const ImportResult& result() const { return result_; }
    void cmdTake_Click();

private:
    void recompute();

    Session& session_;
    QVector<QStringList> rows_;
    ImportResult result_;
    QVector<QComboBox*> columns_;
    QListWidget* refused_ = nullptr;
    bool ready_ = false;
};
