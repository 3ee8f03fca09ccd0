#pragma once

#include "season/Services.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

// The program's guide service: opens a page of the guide in the system's web browser, or, when
// no browser can be opened, in a viewer window of the program's own. A guide folder without
// the page is told with a numbered message.
class QtGuideOpener final : public GuideOpener {
public:
    // `browser` opens a web address and says whether it could; the system's browser by default.
    explicit QtGuideOpener(QString folder, Session* session = nullptr,
                           std::function<bool(const QUrl&)> browser = {});
    ~QtGuideOpener() override;

    void open(const QString& page) override;
    const QString& folder() const { return folder_; }
    // The viewer window, once a page was shown in it.
    QTextBrowser* viewer() const { return viewer_; }

private:
    QString folder_;
    Session* session_;
    std::function<bool(const QUrl&)> browser_;
    QPointer<QTextBrowser> viewer_;
};
