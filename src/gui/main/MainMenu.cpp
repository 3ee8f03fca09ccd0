// The main screen's menu bar: the way to what goes beyond the six selections.
#include "main/MainScreen.h"

#include "main/ScreenOpener.h"
#include "season/HomeFolder.h"
#include "season/Session.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace {

struct MenuTitle {
    MenuId id;
    const char* caption;
    const char* objectName;
};

constexpr MenuTitle MenuTitles[] = {
    {MenuId::Season, "&Season", "menuSeason"},
    {MenuId::Tickets, "&Tickets", "menuTickets"},
    {MenuId::Publish, "&Publish", "menuPublish"},
    {MenuId::Help, "&Help", "menuHelp"},
};

}  // namespace

void MainScreen::buildMenuBar(const ScreenRegistry& screens)
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    menuBar_->setNativeMenuBar(false);
    for (const MenuTitle& title : MenuTitles) {
        QMenu* menu = nullptr;
        for (const MenuEntry& entry : screens.menuEntries()) {
            if (entry.menu != title.id)
                continue;
            if (!menu) {
                menu = menuBar_->addMenu(QString::fromLatin1(title.caption));
                menu->setObjectName(QString::fromLatin1(title.objectName));
            }
            QAction* action = menu->addAction(entry.caption);
            action->setObjectName(entry.objectName);
            if (!entry.shortcut.isEmpty())
                action->setShortcut(entry.shortcut);
            connect(action, &QAction::triggered, this, [this, entry] {
                if (entry.screen) {
                    QString caption = entry.caption;
                    openFromMenu(*entry.screen, caption.remove(QLatin1Char('&')).remove(QChar(0x2026)));
                } else if (entry.action) {
                    entry.action(*this);
                }
            });
        }
    }

    // The controls keep their places below the menu bar; the window grows by its height.
    const int height = menuBar_->sizeHint().height();
    for (QObject* child : children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget != menuBar_ && !widget->isWindow())
            widget->move(widget->x(), widget->y() + height);
    }
    resize(width(), this->height() + height);
    menuBar_->setGeometry(0, 0, width(), height);
}

SecondaryScreen* MainScreen::openFromMenu(ScreenId which, const QString& caption)
{
    Clear();
    setAllOptionsOff();
    return showScreen(which, caption, true);
}

void MainScreen::runOnList(const std::function<void(SelectionHost&)>& procedure)
{
    Clear();
    procedure(*this);
    finishPrintRun();
}

void MainScreen::openHomeFolder()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(session_.home));
}

void MainScreen::showAbout()
{
    session_.message(MessageId::AboutKickpool,
                     {versionLine(), QDir::toNativeSeparators(session_.home), QString::fromLatin1(qVersion())});
}
