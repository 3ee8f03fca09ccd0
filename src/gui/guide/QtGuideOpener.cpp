#include "guide/QtGuideOpener.h"

#include "season/Session.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>

QtGuideOpener::QtGuideOpener(QString folder, Session* session, std::function<bool(const QUrl&)> browser)
    : folder_(std::move(folder)), session_(session), browser_(std::move(browser))
{
    if (!browser_)
        browser_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QtGuideOpener::~QtGuideOpener()
{
    delete viewer_;
}

void QtGuideOpener::open(const QString& page)
{
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString place = page.section(QLatin1Char('#'), 1);
    const QString path = QDir(folder_).filePath(file);
    if (!QFileInfo::exists(path)) {
        if (session_)
            session_->message(MessageId::GuideNotFound, {QDir::toNativeSeparators(folder_)});
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!place.isEmpty())
        url.setFragment(place);
    if (browser_(url))
        return;

    if (!viewer_) {
        viewer_ = new QTextBrowser;
        viewer_->setObjectName(QStringLiteral("GuideViewer"));
        viewer_->setAttribute(Qt::WA_DeleteOnClose);
        viewer_->setOpenExternalLinks(true);
        viewer_->resize(900, 700);
        QObject::connect(viewer_, &QTextBrowser::sourceChanged, viewer_, [v = viewer_.data()] {
            v->setWindowTitle(QStringLiteral("Kickpool User Guide - ") + v->documentTitle());
        });
    }
    viewer_->setSource(url);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}
