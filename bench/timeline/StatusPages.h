#pragma once

#include <QByteArray>
#include <QTemporaryDir>

#include "Friends.h"
#include "QuorbelPrefs.h"

// Timeline pages as the service sends them (newest first), with IDs from
// firstID upward, written by a dozen users, some replies, hearts and URLs.
QByteArray StatusPageJson(qint32 firstID, int count);
TFriends StatusPage(qint32 firstID, int count);

// Settings with five favourite-ID and five pickup-word lists in use.
struct TBenchPrefs {
    TBenchPrefs();
    QTemporaryDir Folder;
    TQuorbelPrefs Prefs;
};
