#include "annual/EntryColumns.h"

#include <algorithm>

int EntryColumns::offset(int column) const
{
    int before = 0;
    for (int c = 1; c < column && c <= Columns; ++c)
        before += rows[c];
    return before;
}

EntryColumns layOutColumns(int count)
{
    const int n = std::clamp(count, 0, EntryColumns::Capacity);
    const int q = n / EntryColumns::Columns;
    const int r = n - EntryColumns::Columns * q;
    EntryColumns layout;
    layout.rows = {0, q + (r >= 1 ? 1 : 0), q + (r >= 2 ? 1 : 0), q};
    return layout;
}
