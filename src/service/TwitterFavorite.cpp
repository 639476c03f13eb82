#include "TwitterFavorite.h"

void TTwitterFavorite::Execute() {
    const THttpClient client = MakeClient({.Identify = true, .UserAgent = true, .Http10 = true});
    // The rid comes from the server: encoded, it cannot leave its path segment.
    // A real rid is letters and digits and goes out unchanged.
    const QByteArray path = "/favorites/create/" + StatusRid.toPercentEncoding() + ".json";
    try {
        (void)client.PostForm(Prefs.ApiURL.toUtf8() + path, {});
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
