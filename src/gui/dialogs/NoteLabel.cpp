#include "dialogs/NoteLabel.h"

#include "print/PrintRun.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace {

QTextOption wrapping()
{
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

constexpr int Margin = 2;

}  // namespace

NoteLabel::NoteLabel(QWidget* parent) : QLabel(parent)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    setAutoFillBackground(true);
}

int NoteLabel::neededHeight(int width) const
{
    QTextLayout layout(text(), font());
    layout.setTextOption(wrapping());
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width - 2 * Margin);
        height += line.height();
    }
    layout.endLayout();
    return qCeil(height) + 2 * Margin;
}

void NoteLabel::showNote(const QString& text, const QString& tip, bool failure)
{
    setStyleSheet(failure ? QStringLiteral("color: red") : QString());
    setText(text);
    setToolTip(tip);
    if (bottom_ < 0)
        bottom_ = geometry().bottom();
    const int height = qMax(neededHeight(width()), fontMetrics().height() + 2 * Margin);
    setGeometry(x(), bottom_ + 1 - height, width(), height);
    raise();
    show();
}

void NoteLabel::showNote(const PrintRunNote& note)
{
    if (note.text.isEmpty()) {
        hide();
        return;
    }
    showNote(note.text, note.tip, note.failure);
}

void NoteLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRectF(rect().adjusted(Margin, Margin, -Margin, -Margin)), text(), wrapping());
}
