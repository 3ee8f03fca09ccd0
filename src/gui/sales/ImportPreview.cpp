#include "sales/ImportPreview.h"

#include "season/SafeWrite.h"
#include "season/Session.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int PreviewRows = 8;
}

ImportPreview::ImportPreview(Session& session, const QString& path, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("dlgImport"));
    setWindowTitle(QStringLiteral("Import buyers - ") + QDir::toNativeSeparators(path));
    QByteArray content;
    QString error;
    if (!readWholeFile(path, content, error)) {
        session_.message(MessageId::RegisterNotReadable, {QDir::toNativeSeparators(path), error});
        return;
    }
    if (const auto problem = readCsvRows(content, rows_); problem || rows_.isEmpty()) {
        session_.message(MessageId::DamagedRegister,
                         {QDir::toNativeSeparators(path), QString::number(problem ? problem->line : 1),
                          problem ? problem->why : QStringLiteral("no heading row"), QStringLiteral("(nothing was read)")});
        return;
    }
    ready_ = true;

    const QStringList header = rows_.first();
    const QVector<std::optional<SaleField>> guessed = mapColumns(header, {});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose the field each column fills:"), this));
    auto* table = new QTableWidget(int(std::min<qsizetype>(PreviewRows, rows_.size() - 1)) + 1, int(header.size()), this);
    table->setObjectName(QStringLiteral("tblPreview"));
    table->setHorizontalHeaderLabels(header);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < header.size(); ++c) {
        auto* choice = new QComboBox(table);
        choice->setObjectName(QStringLiteral("cboColumn%1").arg(c + 1));
        choice->addItem(QStringLiteral("(left out)"));
        for (int f = 0; f < SaleFieldCount; ++f)
            choice->addItem(fieldHeading(SaleField(f)));
        choice->setCurrentIndex(guessed[c] ? int(*guessed[c]) + 1 : 0);
        connect(choice, &QComboBox::currentIndexChanged, this, [this] { recompute(); });
        table->setCellWidget(0, c, choice);
        columns_.append(choice);
        for (int r = 1; r < table->rowCount(); ++r)
            table->setItem(r, c, new QTableWidgetItem(rows_[r].value(c)));
    }
    layout->addWidget(table);
    layout->addWidget(new QLabel(QStringLiteral("Rows that cannot be taken:"), this));
    refused_ = new QListWidget(this);
    refused_->setObjectName(QStringLiteral("lstRefused"));
    layout->addWidget(refused_);
    auto* buttons = new QHBoxLayout;
    auto* take = new QPushButton(QStringLiteral("Write into the register"), this);
    take->setObjectName(QStringLiteral("cmdTake"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addStretch();
    buttons->addWidget(take);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(take, &QPushButton::clicked, this, [this] { cmdTake_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 480);
    recompute();
}

void ImportPreview::recompute()
{
    QVector<std::optional<SaleField>> mapped;
    for (QComboBox* choice : columns_)
        mapped.append(choice->currentIndex() == 0 ? std::nullopt : std::optional<SaleField>(SaleField(choice->currentIndex() - 1)));
    result_ = importRows(session_.season, rows_, mapped);
    refused_->clear();
    for (const ImportRefusal& refusal : result_.refused)
        refused_->addItem(QStringLiteral("Row %1: %2").arg(refusal.row).arg(refusal.why));
}

void ImportPreview::cmdTake_Click()
{
    if (session_.message(MessageId::ImportTickets, {QString::number(result_.taken.size()),
                                                    QString::number(result_.refused.size())})
        == Answer::Yes)
        accept();
}
