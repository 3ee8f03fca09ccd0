#include "sales/SalesScreen.h"

#include "annual/UnsoldSequences.h"
#include "dialogs/Button.h"
#include "sales/ImportPreview.h"
#include "season/Layout.h"
#include "season/Scale.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QDir>
#include <QTimer>

namespace {

constexpr int DesignWidth = 800;
constexpr int DesignHeight = 560;
const QString NotForSale = QStringLiteral("not for sale");

// A cell that sorts by number where it holds one (ticket, amount), by text otherwise.
class SaleItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override
    {
        bool a = false;
        bool b = false;
        const double x = text().toDouble(&a);
        const double y = other.text().toDouble(&b);
        if (a && b)
            return x < y;
        if (a != b)
            return a;  // numbers first
        // Empty cells after every text, so that the rows with something in them come first.
        if (text().isEmpty() != other.text().isEmpty())
            return other.text().isEmpty();
        return text().localeAwareCompare(other.text()) < 0;
    }
};

}  // namespace

SalesScreen::SalesScreen(Session& session, QWidget* parent) : SalesScreen(session, primaryScreenSize(), parent) {}

SalesScreen::SalesScreen(Session& session, QSize screenSize, QWidget* parent)
    : SecondaryScreen(parent), session_(session)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("Sales"));
    setWindowTitle(QStringLiteral("KICKPOOL  -  TICKET SALES"));
    LoadRegister(session_, register_);
    buildControls();
    SetScale(session_, screenSize);
    applyLayout(this, session_);
    // Column widths in design pixels, scaled as the rest of the screen.
    const int widths[SaleFieldCount] = {52, 130, 150, 80, 120, 90, 56, 80, 60};
    for (int f = 0; f < SaleFieldCount; ++f)
        grid_->setColumnWidth(f, int(widths[f] * session_.ScaleX * 1.0f + 0.5f));
    grid_->horizontalHeader()->setStretchLastSection(true);
    fillTable();
    txtSearch_->setFocus();
}

void SalesScreen::buildControls()
{
    setFont(designFont(10));
    setGeometry(0, 0, DesignWidth, DesignHeight);

    auto* label = new QLabel(QStringLiteral("Search (number, name, phone, seller):"), this);
    label->setGeometry(8, 8, 250, 22);
    txtSearch_ = new QLineEdit(this);
    txtSearch_->setObjectName(QStringLiteral("txtSearch"));
    txtSearch_->setGeometry(8, 30, 250, 28);
    label->setBuddy(txtSearch_);
    connect(txtSearch_, &QLineEdit::textChanged, this, [this](const QString& text) { applyFilter(text); });

    auto* unsold = makeScreenButton(this, "cmdUnsold", QStringLiteral("NO BUYER\n\u2192 UNSOLD"),
                                    QStringLiteral("Make the tickets without a buyer the unsold sequences"), {300, 4, 110, 54});
    auto* import = makeScreenButton(this, "cmdImport", QStringLiteral("IMPORT\nCSV"),
                                    QStringLiteral("Read buyers from a spreadsheet's CSV file"), {420, 4, 90, 54});
    auto* exportButton = makeScreenButton(this, "cmdExport", QStringLiteral("EXPORT\nCSV"),
                                          QStringLiteral("Write the register as a CSV file"), {520, 4, 90, 54});
    auto* exit = makeScreenButton(this, "cmdExit", QStringLiteral("EXIT"), QStringLiteral("Return to Main Screen"),
                                  {700, 4, 92, 54});
    connect(unsold, &QPushButton::clicked, this, [this] { cmdUnsold_Click(); });
    connect(import, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import buyers"), session_.home,
                                                          QStringLiteral("CSV files (*.csv);;All files (*)"));
        if (!path.isEmpty())
            importFile(path);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the register"),
                                                          session_.home + QStringLiteral("/Sales.csv"),
                                                          QStringLiteral("CSV files (*.csv)"));
        if (!path.isEmpty())
            exportFile(path);
    });
    connect(exit, &QPushButton::clicked, this, [this] { close(); });

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("grdSales"));
    grid_->setGeometry(8, 66, 784, 440);
    grid_->setColumnCount(SaleFieldCount);
    QStringList headings;
    for (int f = 0; f < SaleFieldCount; ++f)
        headings << fieldHeading(SaleField(f));
    grid_->setHorizontalHeaderLabels(headings);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setTabKeyNavigation(true);
    grid_->horizontalHeader()->setStretchLastSection(true);
    connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { cellEdited(item); });

    lblTotals_ = new QLabel(this);
    lblTotals_->setObjectName(QStringLiteral("lblTotals"));
    lblTotals_->setFont(designFont(10, true));
    lblTotals_->setGeometry(8, 510, 784, 22);
    lblNote_ = new QLabel(this);
    lblNote_->setObjectName(QStringLiteral("lblNote"));
    lblNote_->setGeometry(8, 532, 784, 22);
}

void SalesScreen::fillTable()
{
    filling_ = true;
    grid_->setSortingEnabled(false);
    const int tickets = session_.season.TicketCount;
    grid_->setRowCount(tickets);
    for (int t = 1; t <= tickets; ++t)
        fillRow(t - 1, t);
    grid_->setSortingEnabled(true);
    grid_->sortByColumn(0, Qt::AscendingOrder);
    filling_ = false;
    applyFilter(txtSearch_->text());
    showTotals();
}

void SalesScreen::fillRow(int row, int ticket)
{
    const Sale& sale = register_.sale(ticket);
    const bool notForSale = session_.season.UnsoldCount != 0 && UnsoldTickets(session_.season).isUnsold(ticket);
    for (int f = 0; f < SaleFieldCount; ++f) {
        auto* item = new SaleItem(fieldText(ticket, sale, SaleField(f)));
        item->setData(Qt::UserRole, ticket);
        if (f == 0)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        if (f == int(SaleField::Name) && notForSale && sale.name.isEmpty()) {
            item->setText(NotForSale);
            item->setForeground(Qt::gray);
        }
        grid_->setItem(row, f, item);
    }
}

QVector<int> SalesScreen::shownTickets() const
{
    QVector<int> tickets;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        if (!grid_->isRowHidden(row))
            tickets.append(grid_->item(row, 0)->data(Qt::UserRole).toInt());
    }
    return tickets;
}

void SalesScreen::applyFilter(const QString& search)
{
    grid_->setUpdatesEnabled(false);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const int ticket = grid_->item(row, 0)->data(Qt::UserRole).toInt();
        grid_->setRowHidden(row, !matchesSearch(ticket, register_.sale(ticket), search));
    }
    grid_->setUpdatesEnabled(true);
}

void SalesScreen::cellEdited(QTableWidgetItem* item)
{
    if (filling_)
        return;
    const int ticket = item->data(Qt::UserRole).toInt();
    const auto field = SaleField(item->column());
    Sale sale = register_.sale(ticket);
    QString text = item->text();
    if (field == SaleField::Name && text == NotForSale)
        return;
    // The value before the edit comes back into the same cell.
    const auto restore = [&] {
        filling_ = true;
        const bool notForSale = field == SaleField::Name && sale.name.isEmpty() && session_.season.UnsoldCount != 0
                                && UnsoldTickets(session_.season).isUnsold(ticket);
        item->setText(notForSale ? NotForSale : fieldText(ticket, sale, field));
        filling_ = false;
    };
    if (const auto refusal = fieldRefusal(session_.season, ticket, field, text)) {
        session_.message(refusal->id, refusal->arguments);
        const int row = item->row();
        restore();
        // Asked again: the same cell, open for typing.
        QTimer::singleShot(0, this, [this, row, field] {
            grid_->setCurrentCell(row, int(field));
            grid_->editItem(grid_->item(row, int(field)));
        });
        return;
    }
    setField(sale, field, text);
    register_.set(ticket, sale);
    if (field == SaleField::Paid || field == SaleField::PaidOn) {
        filling_ = true;
        item->setText(fieldText(ticket, sale, field));
        filling_ = false;
    }
    if (SaveRegister(session_, register_))
        lblNote_->setText(QStringLiteral("Ticket %1 saved.").arg(ticket));
    showTotals();
}

void SalesScreen::showTotals()
{
    lblTotals_->setText(totalsLine(registerTotals(session_.season, register_)));
}

void SalesScreen::cmdUnsold_Click()
{
    Season marked = session_.season;
    const QStringList sequences = unsoldFromRegister(marked, register_);
    if (const auto refusal = setUnsoldSequences(marked, sequences)) {
        session_.message(refusal->id, refusal->arguments);
        return;
    }
    const QString shown = sequences.isEmpty() ? QStringLiteral("none") : sequences.join(QStringLiteral("  "));
    if (session_.message(MessageId::MarkUnsold, {shown, QString::number(marked.SoldCount)}) != Answer::Yes)
        return;
    session_.season = marked;
    if (SaveSeason(session_))
        lblNote_->setText(QStringLiteral("Unsold sequences set: %1 tickets sold.").arg(session_.season.SoldCount));
    fillTable();
}

void SalesScreen::importFile(const QString& path)
{
    ImportPreview preview(session_, path, this);
    if (!preview.ready())
        return;
    if (preview.exec() != QDialog::Accepted)
        return;
    applyImport(register_, preview.result());
    if (SaveRegister(session_, register_))
        lblNote_->setText(QStringLiteral("%1 tickets imported.").arg(preview.result().taken.size()));
    fillTable();
}

void SalesScreen::exportFile(const QString& path)
{
    QString error;
    if (!writeRegisterFile(path, register_, error))
        session_.message(MessageId::RegisterNotSaved, {QDir::toNativeSeparators(path), error});
    else
        lblNote_->setText(QStringLiteral("Written to ") + QDir::toNativeSeparators(path));
}
