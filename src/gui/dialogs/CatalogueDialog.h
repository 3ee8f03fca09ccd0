#pragma once

#include "dialogs/FlexList.h"
#include "dialogs/MessageCatalogue.h"

#include <QDialog>

class QLineEdit;
class QTableWidget;
class Session;

// What the message dialog and the input dialog share: a window without caption text and without
// close box that closes only through its own buttons, a read-only title box Text1 and the grid
// MSFlexGrid1 that shows the entry's lines. Controls are placed at their sizes for an 800 by 600
// screen and scaled once, when the dialog is built.
class CatalogueDialog : public QDialog {
    Q_OBJECT
public:
    // Escape does nothing: only the dialog's buttons close it.
    void reject() override {}
    // The answer of the button (or key) that closed the dialog.
    Answer answer() const { return answer_; }

protected:
    CatalogueDialog(Session& session, QWidget* parent);

    QLineEdit* addTitleBox(const QRect& designGeometry);
    // The heading in the title box, and "KICKPOOL - " and the heading as the window's title
    // (the one window managers show on the title bar).
    void setHeading(const QString& heading);
    QTableWidget* addLineGrid(const QRect& designGeometry);
    // SetScale for the primary screen, then the layout scaling of every control and the window.
    void scaleToScreen();
    void showLines(const QVector<MessageLine>& lines);
    // Widens the window, the title box and the grid when a line is wider than the grid, so that
    // no line is cut; `centred` widgets (the buttons, the input box) move or grow along.
    void widenToFitLines(const QList<QWidget*>& moved, const QList<QWidget*>& grown);
    // Fixes the window at its size and centres it on its parent or the screen.
    void fixSizeAndCentre();
    // Keeps the answer and closes the dialog.
    void finish(Answer answer);

    void closeEvent(QCloseEvent* event) override;
    // A thin edge, so the dialog stands out from a white window behind it even where the
    // desktop draws no frame.
    void paintEvent(QPaintEvent* event) override;

    Session& session_;
    FlexList flexlist_;
    QLineEdit* title_ = nullptr;
    QTableWidget* grid_ = nullptr;

private:
    bool finishing_ = false;
    Answer answer_ = Answer::Cancel;
};
