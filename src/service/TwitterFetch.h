#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QList>

#include "Friends.h"
#include "IconList.h"
#include "ImageList.h"
#include "RetryBackoff.h"
#include "Worker.h"

// A timeline or replies fetch: one request, the statuses parsed, short URLs
// expanded and authors' icons found or downloaded, all before the hand-back.
// The short-URL and icon requests together end within the side total of the
// request time-outs, icons downloaded a few at a time; an address that failed
// lately is not asked again until its pause is over.
class TTwitterFetch : public TWorkerOf<TTwitterFetch> {
public:
    // Icon downloads of one fetch at the same time, at most.
    static constexpr qsizetype SideParallel = 4;

    int StartDelay = 0; // seconds
    // The icon cache, shared so that a worker outliving the window stays safe.
    std::shared_ptr<TIconList> IconList;
    // The side-request addresses that failed lately.
    std::shared_ptr<TRetryBackoff> SideFailures = TRetryBackoff::Shared();
    // The window's row images; touched only on the UI thread in the hand-back,
    // which runs only while the receiver lives.
    TImageList* ImageList = nullptr;
    // The statuses of this run, for the result handler.
    TFriends Friends;

    // The request path with its time stamp.
    QByteArray RequestPath() const;

protected:
    TTwitterFetch(TRequestSettings prefs, QByteArray pathBase);

    void Execute() override;
    bool HasHandBack() const override;
    void HandBack() override;

private:
    bool IconsResolved = false;
    QByteArray PathBase;
    // When the side requests of this fetch must have ended.
    std::chrono::steady_clock::time_point SideDeadline;

    // Worker-thread steps.
    void ExpandShortURLs();
    void ExpandShortURL(TFriendItem& status, const QByteArray& url) const;
    void ResolveIcons();
    std::vector<QImage> DownloadIcons(const QList<QByteArray>& urls) const;
    QImage DownloadIcon(const QByteArray& url) const;
    // UI thread: adds the new icons to the row images and the cache.
    void StoreIcons();
    // A client for one side request, or none when the address is pausing
    // after failures or the side requests' time is up.
    std::optional<THttpClient> SideClient(const QByteArray& url, qsizetype bodyCap) const;
};
