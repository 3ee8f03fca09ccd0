#pragma once

#include <QString>

#include <cstdint>

class QTableWidget;
class Session;

// Turns a one-column grid into a list of formatted text lines. The grid belongs to the dialog or
// screen; the list only draws into it.
//
// Format code letters, each tested on its own: C centred, B bold, I italic, R red text,
// Y yellow background, 8 / 0 / 2 / 4 font size 8 / 10 / 12 / 14 x FontScale (applied in that
// order, so the last present wins). Other letters (N, for instance) have no effect.
class FlexList {
public:
    // Attaches the grid and empties it.
    void setFlexGrid(QTableWidget* grid);
    QTableWidget* flexGrid() const { return grid_; }

    // The grid's current row and its number of rows.
    std::int32_t listIndex() const;
    std::int32_t listCount() const;

    // Appends one line and makes it the current row; sizes follow the session's FontScale.
    void flexadditem(const QString& text, const QString& code, const Session& session);

    // Stretches the single column over the grid's full width (after the grid was resized).
    void fitColumnWidth();

private:
    QTableWidget* grid_ = nullptr;
};
