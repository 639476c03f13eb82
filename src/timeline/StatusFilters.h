#pragma once

#include <QByteArray>
#include <QList>
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

// A word list prepared once for many texts: the non-empty words as UTF-8.
QList<QByteArray> NarrowWords(const QStringList& words);

// ContainsAnyWord over prepared words and a text already in UTF-8.
bool ContainsAnyNarrowWord(const QList<QByteArray>& words, const QByteArray& text);
