#include "update/UpdateCheck.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

UpdateCheck::Settings UpdateCheck::builtIn()
{
    return {QStringLiteral(KICKPOOL_UPDATE_ADDRESS), 10000, QStringLiteral(KICKPOOL_VERSION)};
}

UpdateCheck::UpdateCheck(Settings settings, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), manager_(new QNetworkAccessManager(this)),
      timer_(new QTimer(this))
{
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        timedOut_ = true;
        if (reply_)
            reply_->abort();  // finishes the reply, which ends the check
    });
}

void UpdateCheck::start()
{
    emit step(updateStartLine(settings_.ownVersion));
    QNetworkRequest request{QUrl(settings_.address)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kickpool/") + settings_.ownVersion);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::socketStartedConnecting, this,
            [this] { emit step(updateConnectingLine(settings_.address)); });
    connect(reply_, &QNetworkReply::requestSent, this, [this] { emit step(updateRequestSentLine()); });
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > 0 && !std::exchange(receiving_, true))
            emit step(updateReceivingLine());
    });
    connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::replyFinished);
    timer_->start(settings_.timeoutMs);
}

void UpdateCheck::replyFinished()
{
    timer_->stop();
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    reply->deleteLater();
    UpdateAnswer answer;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (timedOut_) {
        answer.failure = UpdateFailure::TimedOut;
    } else if (status >= 400) {
        answer.failure = UpdateFailure::PageMissing;
        answer.detail = QStringLiteral("HTTP ") + QString::number(status);
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (!reason.isEmpty())
            answer.detail += QLatin1Char(' ') + reason;
    } else if (reply->error() == QNetworkReply::ConnectionRefusedError) {
        answer.failure = UpdateFailure::Refused;
    } else if (reply->error() == QNetworkReply::HostNotFoundError) {
        answer.failure = UpdateFailure::HostUnknown;
    } else if (reply->error() != QNetworkReply::NoError) {
        answer.failure = UpdateFailure::Other;
        answer.detail = reply->errorString();
    } else if (const auto file = readVersionFile(reply->readAll(), settings_.address)) {
        answer.latest = *file;
    } else {
        answer.failure = UpdateFailure::NotAVersion;
    }
    end(answer);
}

void UpdateCheck::end(const UpdateAnswer& answer)
{
    if (!std::exchange(ended_, true))
        emit finished(answer);
}
