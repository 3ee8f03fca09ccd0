#include "season/Layout.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>

#include "print/PrintJob.h"
#include "season/Session.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

struct Original {
    QWidget* widget;
    QRect geometry;
    double points;  // <= 0: the font has no point size
};

// Widgets whose children are controls of the screen rather than parts of the widget itself.
bool isContainer(const QWidget* w)
{
    const QMetaObject* meta = w->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject ||
           qobject_cast<const QGroupBox*>(w) != nullptr;
}

void collectControls(QWidget* parent, QVector<Original>& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        out.append({w, w->geometry(), w->font().pointSizeF()});
        if (isContainer(w))
            collectControls(w, out);
    }
}

QRect scaled(const QRect& r, float sx, float sy)
{
    return QRect(qRound(r.x() * sx), qRound(r.y() * sy), qRound(r.width() * sx),
                 qRound(r.height() * sy));
}

void moveAndSize(QWidget* w, const QRect& target)
{
    if (w->minimumSize() == w->maximumSize())
        w->setFixedSize(target.size());
    w->setGeometry(target);
}

void scaleFont(QWidget* w, double points, float fontScale)
{
    if (points <= 0)
        return;
    QFont font = w->font();
    font.setPointSizeF(points * fontScale);
    w->setFont(font);
}

}  // namespace

QSize primaryScreenSize()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return QSize(800, 600);
}

void applyLayout(QWidget* window, const Session& session)
{
    applyLayout(window, session.ScaleX, session.ScaleY, session.FontScale);
}

void applyLayout(QWidget* window, float scaleX, float scaleY, float fontScale)
{
    if (!window)
        return;
    // Sizes are read before anything changes: a control that inherits its font from the window
    // must be scaled from the font it had, not from the window's already scaled one.
    QVector<Original> controls;
    collectControls(window, controls);
    const Original self{window, window->geometry(), window->font().pointSizeF()};

    for (const Original& c : controls) {
        moveAndSize(c.widget, scaled(c.geometry, scaleX, scaleY));
        scaleFont(c.widget, c.points, fontScale);
    }
    moveAndSize(window, scaled(self.geometry, scaleX, scaleY));
}

bool fitFrameOnScreen(QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        return false;
    const QRect area = screen->availableGeometry();
    const QRect client = window->geometry();
    const QRect frame = window->frameGeometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QSize room = area.size().shrunkBy(margins);
    if (client.width() > room.width() || client.height() > room.height()) {
        const float factor = std::min(float(room.width()) / client.width(), float(room.height()) / client.height());
        applyLayout(window, factor, factor, factor);
    }
    // For a top-level window move() places the frame, so the title bar lands inside the area.
    const QSize framed = window->size().grownBy(margins);
    window->move(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - framed.width())),
                 std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - framed.height())));
    return !margins.isNull();
}

namespace {

// Fits its window by its frame after each paint until the frame is known, then goes.
class FramePlacer final : public QObject {
public:
    explicit FramePlacer(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(this, [this] {
                if (fitFrameOnScreen(window_)) {
                    window_->removeEventFilter(this);
                    deleteLater();
                }
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
};

}  // namespace

void keepFrameOnScreen(QWidget* window)
{
    if (!window)
        return;
    fitFrameOnScreen(window);
    new FramePlacer(window);
}

void scaleToolTips(const Session& session)
{
    QFont font = QApplication::font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * session.FontScale);
    QToolTip::setFont(font);
}

QFont designFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont listFont(double points, bool bold)
{
    QFont font(ReportFontName);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void switchAllOff(QButtonGroup* group)
{
    // An exclusive group keeps one option on; lift that while switching them all off.
    const QSignalBlocker blocker(group);
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons())
        option->setChecked(false);
    group->setExclusive(true);
}

bool clickOnEnter(QKeyEvent* event, QPushButton* button)
{
    if ((event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) || !button->isEnabled())
        return false;
    event->accept();
    button->click();
    return true;
}

void scaleIndicators(std::initializer_list<QWidget*> containers, const QFont& font)
{
    const int size = qMax(13, qRound(QFontMetrics(font).height() * 0.8));
    const QString sheet = QStringLiteral("QRadioButton::indicator, QCheckBox::indicator"
                                         " { width: %1px; height: %1px; }")
                              .arg(size);
    for (QWidget* container : containers)
        container->setStyleSheet(sheet);
}
