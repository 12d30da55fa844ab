#pragma once
// Asks the AccurateRip database for a disc's answer over HTTP while the rip runs: the request starts at once and
// is served by the event loop the rip loop keeps turning; Wait collects it at the end, bounded by a time-out.
#include <QByteArray>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <optional>

#include "cdrip/AccurateRipDatabase.h"
#include "cdrip/DiscIds.h"

class QNetworkReply;

class TAccurateRipFetch {
public:
    // The database's root; $TRACKWELL_ACCURATERIP_URL replaces it (a mirror, or a test's server).
    static QUrl DatabaseRoot();

    TAccurateRipFetch(const TDiscIds& ids, int timeoutMs);
    ~TAccurateRipFetch();
    TAccurateRipFetch(const TAccurateRipFetch&) = delete;
    TAccurateRipFetch& operator=(const TAccurateRipFetch&) = delete;

    const QUrl& Url() const { return url_; }
    // Waits for the answer (at most the time-out from the start). A disc the database does not know gives an
    // empty database; no answer, or one that does not parse, gives std::nullopt. *source says which, for the log.
    std::optional<TAccurateRipDatabase> Wait(QString* source);

private:
    TDiscIds ids_;
    QUrl url_;
    int timeoutMs_;
    QElapsedTimer clock_;
    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
};
