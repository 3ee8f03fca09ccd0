#pragma once

#include "update/VersionCheck.h"

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// Fetches the version file without blocking the screen: each step of the connection is told by
// step(), the end by finished(), exactly once, also when no answer comes within the time-out.
class UpdateCheck final : public QObject {
    Q_OBJECT
public:
    struct Settings {
        QString address;         // of the version file; empty in a copy updated by the system
        int timeoutMs = 10000;   // for the whole check
        QString ownVersion;
    };
    // The address this copy was built with, a time-out of 10 seconds and the program's version.
    static Settings builtIn();

    explicit UpdateCheck(Settings settings, QObject* parent = nullptr);

    const Settings& settings() const { return settings_; }
    void start();

signals:
    void step(const QString& line);
    void finished(const UpdateAnswer& answer);

private:
    void end(const UpdateAnswer& answer);
    void replyFinished();

    Settings settings_;
    QNetworkAccessManager* manager_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer* timer_ = nullptr;
    bool timedOut_ = false;
    bool receiving_ = false;
    bool ended_ = false;
};
