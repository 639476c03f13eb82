#include "TwitterFavorite.h"

#include "Urls.h"

void TTwitterFavorite::Execute() {
    // The rid comes from the server. Even percent-encoded, "%2F" is turned
    // back into "/" by many servers and proxies before routing, so anything
    // but a plain rid is refused without a request.
    if (!IsPlainRid(StatusRid)) {
        NotifyResult(OutcomeError);
        return;
    }
    const THttpClient client = MakeClient({.Identify = true, .UserAgent = true, .Http10 = true});
    const QByteArray path = "/favorites/create/" + StatusRid + ".json";
    try {
        (void)client.PostForm(Prefs.ApiURL.toUtf8() + path, {});
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
