#pragma once

#include "TwitterFetch.h"

// The friends timeline.
class TTwitterFriends final : public TTwitterFetch {
public:
    explicit TTwitterFriends(TRequestSettings prefs)
        : TTwitterFetch(std::move(prefs), "/statuses/friends_timeline.json?") {}
};
