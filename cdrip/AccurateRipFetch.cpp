#include "cdrip/AccurateRipFetch.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

QUrl TAccurateRipFetch::DatabaseRoot()
{
    const QString root = qEnvironmentVariable("TRACKWELL_ACCURATERIP_URL", QStringLiteral("http://www.accuraterip.com/accuraterip/"));
    return QUrl(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
}

TAccurateRipFetch::TAccurateRipFetch(const TDiscIds& ids, int timeoutMs) : ids_(ids), timeoutMs_(timeoutMs)
{
    clock_.start();
    url_ = DatabaseRoot().resolved(QUrl(ids.AccurateRipPath()));
    QNetworkRequest request(url_);
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = manager_.get(request);
}

TAccurateRipFetch::~TAccurateRipFetch()
{
    if (reply_)
        reply_->abort();
    delete reply_.data();
}

std::optional<TAccurateRipDatabase> TAccurateRipFetch::Wait(QString* source)
{
    const QString where = url_.toString();
    if (!reply_->isFinished()) {
        const qint64 left = timeoutMs_ - clock_.elapsed();
        if (left > 0) {
            QEventLoop loop;
            QObject::connect(reply_.data(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
            QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
            loop.exec();
        }
        if (!reply_->isFinished()) {
            *source = QStringLiteral("offline: %1 gave no answer within %2 s").arg(where).arg(timeoutMs_ / 1000.0);
            return std::nullopt;
        }
    }
    const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status == 404) {
        *source = QStringLiteral("%1: the database does not know this disc").arg(where);
        return TAccurateRipDatabase{};
    }
    if (reply_->error() != QNetworkReply::NoError) {
        *source = QStringLiteral("offline: %1 could not be fetched (%2)").arg(where, reply_->errorString());
        return std::nullopt;
    }
    QString error;
    auto database = TAccurateRipDatabase::Parse(reply_->readAll(), ids_, &error);
    *source = database ? QStringLiteral("%1").arg(where) : QStringLiteral("%1 refused: %2").arg(where, error);
    return database;
}
