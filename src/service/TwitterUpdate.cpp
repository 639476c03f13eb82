#include "TwitterUpdate.h"

QByteArray TTwitterUpdate::RequestBody() const {
    QByteArray body = "status=" + Status + "&source=Quorbel&";
    if (!ReplyStatusRid.isEmpty())
        body += "reply_status_rid=" + ReplyStatusRid + '&';
    return body;
}

void TTwitterUpdate::Execute() {
    const THttpClient client = MakeClient({.Identify = true, .UserAgent = true, .Http10 = true});
    try {
        (void)client.PostForm(Prefs.ApiURL.toUtf8() + "/statuses/update.json", RequestBody());
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
