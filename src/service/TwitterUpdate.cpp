#include "TwitterUpdate.h"

QByteArray TTwitterUpdate::RequestBody() const {
    QByteArray body = "status=" + Status + "&source=Quorbel&";
    // The rid comes from the server: encoded, it cannot add a field. A real
    // rid is letters and digits and goes out unchanged.
    if (!ReplyStatusRid.isEmpty())
        body += "reply_status_rid=" + ReplyStatusRid.toPercentEncoding() + '&';
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
