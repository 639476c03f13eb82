#include "TwitterFetch.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

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
    // A request left less than this could hardly be answered; it would only
    // reach the server (and 0 would read as "no limit" further down).
    if (left < milliseconds(50) || !SideFailures->MayTry(url))
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
    QList<QByteArray> wanted;
    for (TFriendItem& status : Friends) {
        status.IconIndex = IconList->IndexOfURL(status.ProfileImageURL);
        if (status.IconIndex < 0 && !status.ProfileImageURL.isEmpty() &&
            !wanted.contains(status.ProfileImageURL))
            wanted.append(status.ProfileImageURL);
    }
    const std::vector<QImage> icons = DownloadIcons(wanted);
    for (TFriendItem& status : Friends) {
        if (status.IconIndex < 0) {
            const qsizetype at = wanted.indexOf(status.ProfileImageURL);
            status.Icon = at >= 0 ? icons[size_t(at)] : QImage();
        }
    }
    IconsResolved = true;
}

std::vector<QImage> TTwitterFetch::DownloadIcons(const QList<QByteArray>& urls) const {
    std::vector<QImage> icons(size_t(urls.size()));
    // A few at a time, so one silent server does not keep the others' icons
    // waiting until the side requests' time is up.
    std::atomic<qsizetype> next = 0;
    const auto download = [&] {
        for (qsizetype i; (i = next++) < urls.size();) {
            try {
                icons[size_t(i)] = DownloadIcon(urls[i]);
            } catch (const std::exception&) {
                // Out of memory for one icon: that status goes without.
            }
        }
    };
    std::vector<std::thread> helpers;
    for (qsizetype h = 1; h < std::min<qsizetype>(SideParallel, urls.size()); ++h) {
        try {
            helpers.emplace_back(download);
        } catch (const std::system_error&) {
            break; // no more threads: fewer at a time
        }
    }
    download();
    for (std::thread& helper : helpers)
        helper.join();
    return icons;
}

QImage TTwitterFetch::DownloadIcon(const QByteArray& url) const {
    const std::optional<THttpClient> client = SideClient(url, IconBodyCap);
    if (!client)
        return {}; // no icon this time; a later fetch tries again
    QImage icon;
    try {
        icon = RowIconFromBytes(client->Get(url).Body);
    } catch (const THttpError&) {
    }
    // A page that is no image fails as a silent server does.
    if (icon.isNull())
        SideFailures->Failed(url);
    else
        SideFailures->Succeeded(url);
    return icon;
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
