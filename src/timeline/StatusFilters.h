#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// True when an entry equals the user ID exactly.
bool MatchesUserID(const QStringList& ids, const QString& userID);

// True when an entry equals the user ID without regard to letter case: the
// membership test of the favourite-ID commands.
bool ListContainsID(const QStringList& ids, const QString& userID);

// A word list prepared once for many texts: the non-empty words as UTF-8.
QList<QByteArray> NarrowWords(const QStringList& words);

// True when any of the prepared words occurs in the text, given in UTF-8
// (case-sensitive, whole characters only). Used for NG words and pickup words.
bool ContainsAnyNarrowWord(const QList<QByteArray>& words, const QByteArray& text);
