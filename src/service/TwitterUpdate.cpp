#include "TwitterUpdate.h"

#include "Urls.h"

QByteArray TTwitterUpdate::RequestBody() const {
    QByteArray body = "status=" + Status + "&source=Quorbel&";
    // Only a plain rid, which cannot add a field; Execute refuses the others.
    if (IsPlainRid(ReplyStatusRid))
        body += "reply_status_rid=" + ReplyStatusRid + '&';
    return body;
}

void TTwitterUpdate::Execute() {
    // The rid comes from the server. Posting without it would silently turn
    // the reply into a plain status, so a rid that is not plain fails the post.
    if (!ReplyStatusRid.isEmpty() && !IsPlainRid(ReplyStatusRid)) {
        NotifyResult(OutcomeError);
        return;
    }
    const THttpClient client = MakeClient({.Identify = true, .UserAgent = true, .Http10 = true});
    try {
        (void)client.PostForm(Prefs.ApiURL.toUtf8() + "/statuses/update.json", RequestBody());
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
