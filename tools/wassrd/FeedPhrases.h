#pragma once

#include <QStringList>

// The words the feed's authors use. Templates may hold "{url}" (a short URL),
// "{link}" (a plain web address) and "{emoji}".
class TFeedPhrases final {
public:
    static const QStringList& Plain();
    static const QStringList& MultiLine();
    static const QStringList& Hearts();
    static const QStringList& WithShortUrl();
    static const QStringList& WithLink();
    static const QStringList& Replies();
    static const QStringList& Emoji();
    static const QStringList& Links();
    static const QStringList& AreaNames();
};
