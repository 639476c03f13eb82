#include "TwitterDestroy.h"

void TTwitterDestroy::Execute() {
    const THttpClient client = MakeClient({.Identify = true, .Http10 = true});
    try {
        (void)client.PostForm(Prefs.TwitterApiURL.toUtf8() + "/statuses/destroy/" +
                                  QByteArray::number(StatusID) + ".xml",
                              {});
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    NotifyResult(OutcomeDone);
}
