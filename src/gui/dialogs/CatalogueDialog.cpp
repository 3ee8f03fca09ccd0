#include "dialogs/CatalogueDialog.h"

#include "season/Layout.h"
#include "season/Scale.h"
#include "season/Session.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>

CatalogueDialog::CatalogueDialog(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      session_(session)
{
    setWindowTitle(QStringLiteral("KICKPOOL"));
    setModal(true);
    setSizeGripEnabled(false);
}

QLineEdit* CatalogueDialog::addTitleBox(const QRect& designGeometry)
{
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("Text1"));
    title_->setReadOnly(true);
    title_->setFocusPolicy(Qt::NoFocus);
    title_->setFrame(false);
    title_->setAlignment(Qt::AlignCenter);
    QFont font = title_->font();
    font.setPointSizeF(12);
    font.setBold(true);
    title_->setFont(font);
    title_->setGeometry(designGeometry);
    return title_;
}

void CatalogueDialog::setHeading(const QString& heading)
{
    title_->setText(heading);
    const QString shown = heading.trimmed();
    setWindowTitle(shown.isEmpty() ? QStringLiteral("KICKPOOL") : QStringLiteral("KICKPOOL - ") + shown);
}

QTableWidget* CatalogueDialog::addLineGrid(const QRect& designGeometry)
{
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    QFont font = grid_->font();
    font.setPointSizeF(10);
    grid_->setFont(font);
    grid_->setGeometry(designGeometry);
    flexlist_.setFlexGrid(grid_);
    return grid_;
}

void CatalogueDialog::scaleToScreen()
{
    SetScale(session_, primaryScreenSize());
    applyLayout(this, session_);
}

void CatalogueDialog::showLines(const QVector<MessageLine>& lines)
{
    for (const MessageLine& line : lines)
        flexlist_.flexadditem(line.text, line.format, session_);
}

void CatalogueDialog::widenToFitLines(const QList<QWidget*>& moved, const QList<QWidget*>& grown)
{
    int needed = 0;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        if (const QTableWidgetItem* item = grid_->item(row, 0))
            needed = qMax(needed, QFontMetrics(item->font()).horizontalAdvance(item->text()));
    }
    needed = qMax(needed, title_->fontMetrics().horizontalAdvance(title_->text()));
    // Room for the cell's own margins on both sides.
    needed += 4 * grid_->fontMetrics().averageCharWidth();
    const int extra = needed - grid_->width();
    if (extra <= 0)
        return;
    resize(width() + extra, height());
    for (QWidget* w : {static_cast<QWidget*>(title_), static_cast<QWidget*>(grid_)})
        w->resize(w->width() + extra, w->height());
    for (QWidget* w : grown)
        w->resize(w->width() + extra, w->height());
    for (QWidget* w : moved)
        w->move(w->x() + extra / 2, w->y());
    flexlist_.fitColumnWidth();
}

void CatalogueDialog::fixSizeAndCentre()
{
    setFixedSize(size());
    const QRect area = parentWidget() && parentWidget()->isVisible()
                           ? parentWidget()->frameGeometry()
                           : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isValid())
        move(area.center() - rect().center());
}

void CatalogueDialog::finish(Answer answer)
{
    answer_ = answer;
    finishing_ = true;
    done(static_cast<int>(answer));
}

void CatalogueDialog::closeEvent(QCloseEvent* event)
{
    // The window manager's close (there is no close box, but a key may still ask) is ignored;
    // only a button's own closing goes through.
    if (finishing_)
        event->accept();
    else
        event->ignore();
}

void CatalogueDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
