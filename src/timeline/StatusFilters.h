#pragma once

#include <QString>
#include <QStringList>

// True when any non-empty word occurs in the text (case-sensitive, whole
// characters only). Used for NG words and pickup words.
bool ContainsAnyWord(const QStringList& words, const QString& text);

// True when an entry equals the user ID exactly.
bool MatchesUserID(const QStringList& ids, const QString& userID);

// True when an entry equals the user ID without regard to letter case: the
// membership test of the favourite-ID commands.
bool ListContainsID(const QStringList& ids, const QString& userID);
