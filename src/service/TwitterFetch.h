#pragma once

#include <memory>

#include <QByteArray>

#include "Friends.h"
#include "IconList.h"
#include "ImageList.h"
#include "Worker.h"

// A timeline or replies fetch: one request, the statuses parsed, short URLs
// expanded and authors' icons found or downloaded, all before the hand-back.
class TTwitterFetch : public TWorkerOf<TTwitterFetch> {
public:
    int StartDelay = 0; // seconds
    // The icon cache, shared so that a worker outliving the window stays safe.
    std::shared_ptr<TIconList> IconList;
    // The window's row images; touched only on the UI thread in the hand-back,
    // which runs only while the receiver lives.
    TImageList* ImageList = nullptr;
    // The statuses of this run, for the result handler.
    TFriends Friends;

    // The request path with its time stamp.
    QByteArray RequestPath() const;

    // Worker-thread steps, public for the window's tests and benchmarks.
    void ExpandShortURLs();
    void ExpandShortURL(TFriendItem& status, const QByteArray& url) const;
    void ResolveIcons();
    void DownloadIcon(TFriendItem& status) const;
    // UI thread: adds the new icons to the row images and the cache.
    void StoreIcons();

protected:
    TTwitterFetch(TRequestSettings prefs, QByteArray pathBase);

    void Execute() override;
    bool HasHandBack() const override;
    void HandBack() override;

private:
    bool IconsResolved = false;
    QByteArray PathBase;
};
