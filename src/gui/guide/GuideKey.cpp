#include "guide/GuideKey.h"

#include "season/Session.h"

#include <QShortcut>
#include <QWidget>

void addGuideKey(QWidget* screen, Session& session, const QString& page)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), screen);
    key->setObjectName(QStringLiteral("guideKey"));
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, screen, [&session, page] {
        if (session.services.guide)
            session.services.guide->open(page);
    });
}
