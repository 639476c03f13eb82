#pragma once

#include <QString>
#include <QTemporaryDir>

#include "Friends.h"
#include "QuorbelPrefs.h"
#include "StatusLists.h"

// One fetched status as a test writes it.
struct TStatusSpec {
    qint32 ID = 0;
    QString User{};
    QString Text{};
    QString ReplyTo{};   // empty: null in the document
    double Epoch = -1; // -1: derived from the ID
};

// A reply body for the statuses, newest first as the service sends them.
TFriends MakeFriends(const QList<TStatusSpec>& newestFirst);

// Settings with the account "me" in a throw-away folder.
struct TTimelineFixture {
    TTimelineFixture();

    TMergeResult Merge(const QList<TStatusSpec>& newestFirst, const QString& kind = KindTimeline);
    // The user IDs of a list, top to bottom.
    QStringList Captions(int j) const;
    QList<int> States(int j) const;

    QTemporaryDir Folder;
    TQuorbelPrefs Prefs;
    TStatusLists Lists;
};
