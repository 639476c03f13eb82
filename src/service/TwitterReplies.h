#pragma once

#include "TwitterFetch.h"

// The statuses that reply to the user.
class TTwitterReplies final : public TTwitterFetch {
public:
    explicit TTwitterReplies(TRequestSettings prefs)
        : TTwitterFetch(std::move(prefs), "/statuses/replies.json?") {}
};
