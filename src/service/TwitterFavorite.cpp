#include "TwitterFavorite.h"

void TTwitterFavorite::Execute() {
    const THttpClient client = MakeClient({.Identify = true, .UserAgent = true, .Http10 = true});
    try {
        (void)client.PostForm(Prefs.ApiURL.toUtf8() + "/favorites/create/" + StatusRid + ".json",
                              {});
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
