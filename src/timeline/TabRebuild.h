#pragma once

#include <QList>
#include <QString>

#include "QuorbelPrefs.h"
#include "StatusLists.h"

// The pickup-word and favourite-ID tabs: their contents rebuilt from the
// timeline, the hit marks, the captions taken from the tab labels and the
// favourite-ID list edits.

// The number of the word or ID list a list at position j works with: i for
// favourite-ID list i, n for pickup-word list n, 0 for the others.
int ListNumber(int j);

// Refill the five favourite-ID (pickup-word) lists from the timeline: the
// statuses by one of the list's IDs, matched whole and case-sensitively (whose
// status text holds one of the list's words), with the timeline row's marks,
// the text without line feeds and without reply prefix, sorted.
void RebuildFavIDTabs(TStatusLists& lists, const TQuorbelPrefs& prefs);
void RebuildPickupTabs(TStatusLists& lists, const TQuorbelPrefs& prefs);

// After a settings change: unless user icons are shown, every row's small
// picture becomes the hit mark when its displayed text (reply prefix included)
// holds a word of pickup list ListNumber(j), none otherwise; then both rebuilds.
void RefreshWordMarks(TStatusLists& lists, const TQuorbelPrefs& prefs);

// Adds the user to favourite-ID list i unless it holds the ID in any letter
// case, then rebuilds those tabs. False when nothing changed.
bool AddFavID(TStatusLists& lists, TQuorbelPrefs& prefs, int i, const QString& userID);
// Deletes the first entry equal to the user ID in any letter case, then
// rebuilds. False when the list does not hold it.
bool RemoveFavID(TStatusLists& lists, TQuorbelPrefs& prefs, int i, const QString& userID);

// The plain caption of the tab at position j: its fixed text or its label.
QString TabCaption(int j, const TQuorbelPrefs& prefs);

struct TNamedCaption {
    QString Name; // objectName of the tab sheet or action
    QString Caption;

    bool operator==(const TNamedCaption&) const = default;
};

// Every caption taken from PickupLabel and FavIDLabel: the ten tab sheets,
// their move commands, and the favourite-ID add and remove commands.
QList<TNamedCaption> LabelCaptions(const TQuorbelPrefs& prefs);
