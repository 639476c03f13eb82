#include "StatusFilters.h"

#include "MbText.h"

bool MatchesUserID(const QStringList& ids, const QString& userID) {
    return ids.contains(userID, Qt::CaseSensitive);
}

bool ListContainsID(const QStringList& ids, const QString& userID) {
    return ids.contains(userID, Qt::CaseInsensitive);
}

QList<QByteArray> NarrowWords(const QStringList& words) {
    QList<QByteArray> narrow;
    narrow.reserve(words.size());
    for (const QString& word : words) {
        if (!word.isEmpty())
            narrow.append(word.toUtf8());
    }
    return narrow;
}

bool ContainsAnyNarrowWord(const QList<QByteArray>& words, const QByteArray& text) {
    for (const QByteArray& word : words) {
        if (MbPos(word, text) > 0)
            return true;
    }
    return false;
}
