#pragma once

#include <optional>

#include <QString>

#include "QuorbelItem.h"
#include "StatusListModel.h"
#include "StatusLists.h"

// The search tab and the find dialog over statuses already fetched. Both test
// a row's caption immediately followed by its displayed text, so a query can
// span the seam between the two; a match never starts or ends inside a
// character, and an empty query matches nothing. Row and query are compared
// as drawn (DrawnText): standard emoji find a carrier's, and bidi controls
// neither hide nor make a match.

// Fills the search list with the timeline rows that contain the query
// (case-sensitive), sorted newest first (oldest first with reverseSort).
// Returns the number of rows found.
int SearchTimeline(TStatusLists& lists, const QString& query, bool reverseSort);

// The commands that search for a ready-made text.
enum class TSearchCommand {
    MyID,    // the account's own ID, also when it is empty
    UserID,  // the selected status's author
    ReplyID, // the user the selected status replies to
    FindTab, // the text selected in the focused text field
};

// The text the command searches for; none when it needs a selected status and
// there is none.
std::optional<QString> SearchCommandQuery(TSearchCommand command, const QString& username,
                                          const TQuorbelItem* selected,
                                          const QString& selectedText);

struct TFindOptions {
    QString Text{};
    bool MatchCase = false; // off: ASCII letters compare without regard to case
    bool Down = true;
};

// The find dialog's "find next" from the selected row: the nearest row below
// (or above) that contains the text, without wrapping around; -1 for none or
// when no row is selected.
int FindNext(const TStatusListModel& list, int selected, const TFindOptions& options);
