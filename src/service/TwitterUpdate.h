#pragma once

#include <QByteArray>
#include <QString>

#include "Worker.h"

// Posts one status.
class TTwitterUpdate final : public TWorkerOf<TTwitterUpdate> {
public:
    explicit TTwitterUpdate(TRequestSettings prefs) : TWorkerOf(std::move(prefs)) {}

    // The status text as UTF-8, already form-encoded; sent as it is.
    QByteArray Status;
    // The composer text as typed; not sent, read back by the result handler.
    QString RawText;
    // The rid of the status replied to; empty for none.
    QByteArray ReplyStatusRid;

    // The form body: "status=...&source=Quorbel&" plus "reply_status_rid=R&" for a reply.
    QByteArray RequestBody() const;

protected:
    void Execute() override;
};
