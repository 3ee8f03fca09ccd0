#include "dialogs/FlexList.h"

#include "season/Session.h"
#include "dialogs/Button.h"
#include "dialogs/GridFormat.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QScrollBar>
#include <QTableWidget>
#include <QTableWidgetItem>

namespace {

constexpr int kRed = 255;
constexpr int kYellow = 65535;

}  // namespace

void FlexList::setFlexGrid(QTableWidget* grid)
{
    grid_ = grid;
    if (!grid_)
        return;
    grid_->clear();
    grid_->setRowCount(0);
    grid_->setColumnCount(1);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setShowGrid(false);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setWordWrap(false);
    grid_->setFrameShape(QFrame::NoFrame);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The current row is never painted differently from the others.
    QPalette pal = grid_->palette();
    pal.setColor(QPalette::Highlight, pal.color(QPalette::Base));
    pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    grid_->setPalette(pal);
    fitColumnWidth();
}

std::int32_t FlexList::listIndex() const
{
    return grid_ ? grid_->currentRow() : -1;
}

std::int32_t FlexList::listCount() const
{
    return grid_ ? grid_->rowCount() : 0;
}

void FlexList::fitColumnWidth()
{
    if (!grid_)
        return;
    // The viewport's own size is only settled once the grid is shown; the grid's is always known.
    int width = grid_->width() - 2 * grid_->frameWidth();
    if (grid_->verticalScrollBar()->isVisible())
        width -= grid_->verticalScrollBar()->width();
    grid_->setColumnWidth(0, qMax(width, 1));
}

void FlexList::flexadditem(const QString& text, const QString& code, const Session& session)
{
    if (!grid_)
        return;
    const int row = grid_->rowCount();
    grid_->insertRow(row);
    fitColumnWidth();

    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled);
    QFont font = grid_->font();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (code.contains(QLatin1Char('C')))
        alignment = Qt::AlignCenter;
    if (code.contains(QLatin1Char('B')))
        font.setBold(true);
    if (code.contains(QLatin1Char('I')))
        font.setItalic(true);
    if (code.contains(QLatin1Char('R')))
        item->setForeground(colourFromBgr(kRed));
    if (code.contains(QLatin1Char('Y')))
        item->setBackground(colourFromBgr(kYellow));
    const double size = formatCodePoints(code) * session.FontScale;
    if (size > 0)
        font.setPointSizeF(size);
    item->setTextAlignment(alignment);
    item->setFont(font);
    item->setText(text);
    grid_->setItem(row, 0, item);

    const QFontMetrics metrics(font);
    grid_->setRowHeight(row, metrics.height() + 4);
    grid_->setCurrentCell(row, 0);
}
