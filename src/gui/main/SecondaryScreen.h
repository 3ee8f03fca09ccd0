#pragma once

#include <QCloseEvent>
#include <QWidget>

// A screen that opens in place of another one (the main screen, or the annual data screen for the
// prize structure) and says when it is finished, by EXIT or by its close box. The opener shows
// itself again on finished().
class SecondaryScreen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void finished();

protected:
    // EXIT calls close(), so both ways out end here.
    void closeEvent(QCloseEvent* event) override
    {
        QWidget::closeEvent(event);
        if (event->isAccepted())
            emit finished();
    }
};
