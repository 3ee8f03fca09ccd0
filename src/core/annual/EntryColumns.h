#pragma once

#include <array>

// The entry grid of the annual data screen: a list of up to 48 entries shown in three columns of
// at most 16 rows. The columns are filled evenly from the left: 17 entries take rows 1..6, 1..6
// and 1..5.
struct EntryColumns {
    static constexpr int Columns = 3;
    static constexpr int Rows = 16;
    static constexpr int Capacity = Columns * Rows;

    std::array<int, Columns + 1> rows{};  // rows in use of columns 1..3

    // The entries before a column: 0 for column 1, the rows of column 1 for column 2, and so on.
    int offset(int column) const;
    // The entry number (from 1) shown in a row (from 1) of a column.
    int entry(int column, int row) const { return offset(column) + row; }
    int count() const { return rows[1] + rows[2] + rows[3]; }

    bool operator==(const EntryColumns&) const = default;
};

// Lays out `count` entries; a count below 0 is none, one above the grid's capacity fills it.
EntryColumns layOutColumns(int count);
