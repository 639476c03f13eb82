#include "TwitterFetch.h"

#include <QHash>
#include <QSet>

#include "MbText.h"
#include "RowIcon.h"
#include "TimeUtil.h"
#include "Urls.h"

TTwitterFetch::TTwitterFetch(TRequestSettings prefs, QByteArray pathBase)
    : TWorkerOf(std::move(prefs)), PathBase(std::move(pathBase)) {}

QByteArray TTwitterFetch::RequestPath() const {
    // The time stamp makes every URL new, so no cache on the way answers.
    return PathBase + TimeStampText().toLatin1();
}

void TTwitterFetch::Execute() {
    if (!WaitStartDelay(StartDelay))
        return;
    const THttpClient client =
        MakeClient({.Identify = true, .UserAgent = true, .BodyCap = TimelineBodyCap});
    const QByteArray url = Prefs.ApiURL.toUtf8() + RequestPath();
    QByteArray body;
    try {
        body = (Prefs.UsePOSTMethod ? client.PostForm(url, {}) : client.Get(url)).Body;
    } catch (const THttpError& error) {
        NotifyResult(OutcomeOf(error));
        return;
    }
    SideDeadline = std::chrono::steady_clock::now() + Timeouts.SideTotal;
    try {
        Friends.ParseJSON(body);
        if (Prefs.EnableConvertTinyURL)
            ExpandShortURLs();
        if (Prefs.EnableDisplayIcon)
            ResolveIcons();
    } catch (const std::exception&) {
        Friends.Clear();
        IconsResolved = false;
        NotifyResult(OutcomeParseError);
        return;
    }
    NotifyResult(OutcomeDone);
}

bool TTwitterFetch::HasHandBack() const {
    return OnResult || IconsResolved;
}

void TTwitterFetch::HandBack() {
    if (IconsResolved)
        StoreIcons();
    if (OnResult)
        OnResult(*this, Outcome);
}

void TTwitterFetch::ExpandShortURLs() {
    const QByteArray prefix = Prefs.ShortURLPrefix.toUtf8();
    if (prefix.isEmpty())
        return; // an empty prefix would send a request for every address
    for (TFriendItem& status : Friends) {
        try {
            // One request per address: the first one replaces every occurrence.
            QSet<QByteArray> asked;
            for (const QByteArray& url : ExtractURLs(status.Text.toUtf8())) {
                // Only an address that starts with the prefix: one that merely
                // holds it would let a status choose the host asked.
                if (url.startsWith(prefix) && !asked.contains(url)) {
                    asked.insert(url);
                    ExpandShortURL(status, url);
                }
            }
        } catch (const THttpError&) {
            // The rest of this status's addresses stay as they are.
        }
    }
}

std::optional<THttpClient> TTwitterFetch::SideClient(const QByteArray& url,
                                                     qsizetype bodyCap) const {
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(SideDeadline - steady_clock::now());
    // Under a millisecond would read as "no limit" further down.
    if (left < milliseconds(1) || !SideFailures->MayTry(url))
        return std::nullopt;
    return MakeClient({.BodyCap = bodyCap, .SideRequest = true, .TimeLeft = left});
}

void TTwitterFetch::ExpandShortURL(TFriendItem& status, const QByteArray& url) const {
    const std::optional<THttpClient> client = SideClient(url, DefaultBodyCap);
    if (!client)
        return;
    try {
        (void)client->Head(url);
        SideFailures->Succeeded(url);
    } catch (const THttpError& error) {
        if (error.Kind != THttpErrorKind::Status) {
            SideFailures->Failed(url);
            throw;
        }
        // An answer, whatever it says: the address is not failing.
        SideFailures->Succeeded(url);
        if (error.Status == 301 && !error.Location.isEmpty())
            status.Text = Utf8ToString(status.Text.toUtf8().replace(url, error.Location));
    }
}

void TTwitterFetch::ResolveIcons() {
    if (!IconList || !ImageList)
        return;
    // One download per new address in this run, shared by all its statuses.
    QHash<QByteArray, QImage> fetched;
    for (TFriendItem& status : Friends) {
        const int index = IconList->IndexOfURL(status.ProfileImageURL);
        if (index >= 0) {
            status.IconIndex = index;
            continue;
        }
        status.IconIndex = -1;
        const auto known = fetched.constFind(status.ProfileImageURL);
        if (known != fetched.cend()) {
            status.Icon = *known;
            continue;
        }
        DownloadIcon(status);
        fetched.insert(status.ProfileImageURL, status.Icon);
    }
    IconsResolved = true;
}

void TTwitterFetch::DownloadIcon(TFriendItem& status) const {
    if (status.ProfileImageURL.isEmpty())
        return;
    const std::optional<THttpClient> client = SideClient(status.ProfileImageURL, IconBodyCap);
    if (!client)
        return; // no icon for this status; a later fetch tries again
    try {
        status.Icon = RowIconFromBytes(client->Get(status.ProfileImageURL).Body);
    } catch (const THttpError&) {
        status.Icon = QImage();
    }
    // A page that is no image fails as a silent server does.
    if (status.Icon.isNull())
        SideFailures->Failed(status.ProfileImageURL);
    else
        SideFailures->Succeeded(status.ProfileImageURL);
}

void TTwitterFetch::StoreIcons() {
    for (TFriendItem& status : Friends) {
        // Meeting a known icon is a use of it; another fetch may have given
        // its place to a newer icon since this one looked it up.
        if (status.IconIndex >= 0 && ImageList->Holds(status.IconIndex))
            continue;
        if (status.Icon.isNull()) {
            status.IconIndex = -1;
            continue;
        }
        // Another fetch, or an earlier status of this one, may have added it.
        int index = IconList->IndexOfURL(status.ProfileImageURL);
        if (index < 0 || !ImageList->Holds(index)) {
            const TImageList::TAdded added = ImageList->Add(status.Icon);
            if (added.Replaced >= 0)
                IconList->RemoveIndex(added.Replaced);
            index = added.Index;
            IconList->AddIcon(status.ProfileImageURL, index);
        }
        status.IconIndex = index;
    }
}
